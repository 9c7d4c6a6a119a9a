#include "data/TDM2.h"

#include "data/ConnectionSettings.h"
#include "data/TDM.h"

namespace valorama {

TDM2 *DM2 = nullptr;

TDM2::TDM2(QObject *parent)
    : QObject(parent)
    , Periodo(QStringLiteral("Periodo"), &DSP_Periodo, this)
    , SQLQuery1(QStringLiteral("SQLQuery1"), &SQLQuery1Command, this)
    , DS_Periodo(QStringLiteral("DS_Periodo"), &Periodo, this)
{
    SQLDS_Periodo.name = QStringLiteral("SQLDS_Periodo");
    SQLDS_Periodo.connection = &SQLConnection1;
    SQLDS_Periodo.setCommandText(QStringLiteral("select DATAINICIAL, DATAFINAL, HORAINICIAL, HORAFINAL, CHAVE, "
                                                "ESTACAO, NPEDIDO, NFORMULA, VALORTOTAL, VALORTOTAL2 from PERIODO"));
    DSP_Periodo.name = QStringLiteral("DSP_Periodo");
    DSP_Periodo.dataSet = &SQLDS_Periodo;
    DSP_Periodo.updateMode = DataSetProvider::UpdateMode::AllColumns;
    SQLQuery1Command.name = QStringLiteral("SQLQuery1");
    SQLQuery1Command.connection = &sqlcon1;

    Periodo.setEditMask(QStringLiteral("DATAINICIAL"), QStringLiteral("!99/99/00;1;_"));
    Periodo.setEditMask(QStringLiteral("DATAFINAL"), QStringLiteral("!99/99/00;1;_"));
    Periodo.setEditMask(QStringLiteral("HORAINICIAL"), QStringLiteral("!90:00;1;_"));
    Periodo.setEditMask(QStringLiteral("HORAFINAL"), QStringLiteral("!90:00;1;_"));
    Periodo.afterPost = [this](ClientDataSet &ds) { PeriodoAfterPost(ds); };

    applyConnectionParams(SQLConnection1, QStringLiteral("c:\\quintora\\interfac\\quintora.bd"),
                          QStringLiteral("win1252"));
    applyConnectionParams(sqlcon1, QStringLiteral("c:\\quintora\\dados\\Quintora.bd"), QString());
}

void TDM2::DataModuleCreate(const QString &centralServerAddress, const QString &stationCode,
                            const SuiteLocations &locations)
{
    SQLConnection1.setVendorLib(locations.clientLibraryName);
    sqlcon1.setVendorLib(locations.clientLibraryName); // this one never takes the folder
    SQLConnection1.setParam(QStringLiteral("Database"), locations.designInterfaceDatabase);
    sqlcon1.setParam(QStringLiteral("Database"), locations.designMainDatabase);
    SQLConnection1.setVendorLib(resolveClientLibrary(locations)); // may throw: the rest is skipped
    sqlcon1.close();
    sqlcon1.setParam(QStringLiteral("DataBase"), centralServerAddress + QLatin1Char(':') + locations.mainDatabase);
    SQLConnection1.close();
    SQLConnection1.setParam(QStringLiteral("DataBase"),
                            centralServerAddress + QLatin1Char(':') + locations.interfaceFolder + stationCode
                                + locations.interfaceFile);
}

void TDM2::PeriodoAfterPost(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}

} // namespace valorama
