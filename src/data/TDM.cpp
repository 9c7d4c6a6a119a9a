#include "data/TDM.h"

#include "data/ConnectionSettings.h"
#include "data/DatabaseError.h"

namespace valorama {

TDM *DM = nullptr;

namespace {

void chain(SqlDataSet &command, DataSetProvider &provider, const QString &table, SqlConnection *connection,
           const QString &commandText, DataSetProvider::UpdateMode mode, const QStringList &keys = {})
{
    command.name = QStringLiteral("SQLDS_") + table;
    command.connection = connection;
    command.setCommandText(commandText);
    provider.name = QStringLiteral("DSP_") + table;
    provider.dataSet = &command;
    provider.updateMode = mode;
    provider.keyFields = keys;
}

} // namespace

void applyAndRefresh(ClientDataSet &ds)
{
    const int refused = ds.applyUpdates(-1);
    ds.refresh();
    if (refused > 0)
        throw WriteRefusedError(QStringLiteral("A alteração não foi gravada no banco de dados e foi descartada: %1.")
                                    .arg(ds.lastApplyErrors().join(QStringLiteral("; "))),
                                {}, ds.name());
}

TDM::TDM(QObject *parent)
    : QObject(parent)
    , Usuarios(QStringLiteral("Usuarios"), &DSP_Usuarios, this)
    , Estacoes(QStringLiteral("Estacoes"), &DSP_Estacoes, this)
    , DadosGer(QStringLiteral("DadosGer"), &DSP_DadosGer, this)
    , Componen(QStringLiteral("Componen"), &DSP_Componen, this)
    , Insumos(QStringLiteral("Insumos"), &DSP_Insumos, this)
    , ValorFP(QStringLiteral("ValorFP"), &DSP_ValorFP, this)
    , Comiss(QStringLiteral("Comiss"), &DSP_RelComiss, this)
    , ComissDet(QStringLiteral("ComissDet"), &DSP_ComissDet, this)
    , Periodo(QStringLiteral("Periodo"), &DSP_Periodo, this)
    , SQLQuery1(QStringLiteral("SQLQuery1"), &SQLQuery1Command, this)
    , DS_ValorFP(QStringLiteral("DS_ValorFP"), &ValorFP, this)
    , DS_RelComiss(QStringLiteral("DS_RelComiss"), &Comiss, this)
    , DS_ComissDet(QStringLiteral("DS_ComissDet"), &ComissDet, this)
    , DS_Periodo(QStringLiteral("DS_Periodo"), &Periodo, this)
{
    using Mode = DataSetProvider::UpdateMode;
    SqlConnection *c = &sqlcon1;
    chain(SQLDS_Usuarios, DSP_Usuarios, QStringLiteral("Usuarios"), c,
          QStringLiteral("select USUARIO, CODIGO, SENHA, ACESSO, ARQUIVO, LOGADO, ESTACAO, CONSIST_INICIAL, "
                         "DEFVIDEOMIRAL from USUARIOS order by USUARIO"),
          Mode::KeyOnly, { QStringLiteral("USUARIO") });
    chain(SQLDS_Estacoes, DSP_Estacoes, QStringLiteral("Estacoes"), c, QStringLiteral("select * from ESTACOES"),
          Mode::KeyOnly, { QStringLiteral("ESTACAO") });
    chain(SQLDS_DadosGer, DSP_DadosGer, QStringLiteral("DadosGer"), c, QStringLiteral("select CGC from DADOSGER"),
          Mode::AllColumns);
    chain(SQLDS_Componen, DSP_Componen, QStringLiteral("Componen"), c, QStringLiteral("select CODIGO from COMPONEN"),
          Mode::KeyOnly, { QStringLiteral("CODIGO") });
    chain(SQLDS_Insumos, DSP_Insumos, QStringLiteral("Insumos"), c,
          QStringLiteral("select DCB, DESCRICAO, TIPORECEITA, LISTA, FATCORR from INSUMOS"), Mode::KeyOnly,
          { QStringLiteral("DCB") });
    chain(SQLDS_ValorFP, DSP_ValorFP, QStringLiteral("ValorFP"), c,
          QStringLiteral("select PERIODO, FORMAPAG, MEDICO, VENDEDOR, VALOR, VALORPAGO, VALORNAOPAGO, QDEPEDIDOS, "
                         "TITULO, CNPJ, ESTLOCAL, VALORI, VALORPAGOI, VALORNAOPAGOI from VALORPORFP"),
          Mode::KeyOnly);
    chain(SQLDS_RelComiss, DSP_RelComiss, QStringLiteral("RelComiss"), c,
          QStringLiteral("select ATENDENTE, COMISSAO from REL_COMISSOES"), Mode::AllColumns);
    chain(SQLDS_ComissDet, DSP_ComissDet, QStringLiteral("ComissDet"), c,
          QStringLiteral("select ATENDENTE, DATA, PEDIDO, CLIENTE, VALOR, COMISSAO from REL_COMISSDET ORDER BY DATA"),
          Mode::AllColumns);
    chain(SQLDS_Periodo, DSP_Periodo, QStringLiteral("Periodo"), c,
          QStringLiteral("select DATAINICIAL, DATAFINAL from PERIODO"), Mode::AllColumns);
    SQLQuery1Command.name = QStringLiteral("SQLQuery1");
    SQLQuery1Command.connection = c;

    for (const char *f : { "VALOR", "VALORPAGO", "VALORNAOPAGO" })
        ValorFP.setDisplayFormat(QString::fromLatin1(f), QStringLiteral("0.00"));
    ComissDet.setDisplayFormat(QStringLiteral("VALOR"), QStringLiteral("#,##0.00"));
    Periodo.setEditMask(QStringLiteral("DATAINICIAL"), QStringLiteral("!99/99/00;1;_"));
    Periodo.setEditMask(QStringLiteral("DATAFINAL"), QStringLiteral("!99/99/00;1;_"));

    Insumos.afterPost = [this](ClientDataSet &ds) { InsumosAfterPost(ds); };
    ValorFP.afterPost = [this](ClientDataSet &ds) { ValorFPAfterPost(ds); };
    ValorFP.afterDelete = [this](ClientDataSet &ds) { ValorFPAfterDelete(ds); };
    Comiss.afterPost = [this](ClientDataSet &ds) { ComissAfterPost(ds); };
    Comiss.afterDelete = [this](ClientDataSet &ds) { ComissAfterDelete(ds); };
    ComissDet.afterPost = [this](ClientDataSet &ds) { ComissDetAfterPost(ds); };
    ComissDet.afterDelete = [this](ClientDataSet &ds) { ComissDetAfterDelete(ds); };
    Periodo.afterPost = [this](ClientDataSet &ds) { PeriodoAfterPost(ds); };

    applyConnectionParams(sqlcon1, QStringLiteral("c:\\quintora\\dados\\Quintora.bd"), QString());
}

void TDM::DataModuleCreate(const QString &centralServerAddress, const SuiteLocations &locations)
{
    sqlcon1.setVendorLib(locations.clientLibraryName);
    sqlcon1.setParam(QStringLiteral("Database"), locations.designMainDatabase);
    const QString library = resolveClientLibrary(locations); // may throw: the rest is skipped
    sqlcon1.setVendorLib(library);
    sqlcon1.close();
    sqlcon1.setParam(QStringLiteral("DataBase"), centralServerAddress + QLatin1Char(':') + locations.mainDatabase);
}

void TDM::InsumosAfterPost(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}
void TDM::ValorFPAfterPost(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}
void TDM::ValorFPAfterDelete(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}
void TDM::ComissAfterPost(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}
void TDM::ComissAfterDelete(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}
void TDM::ComissDetAfterPost(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}
void TDM::ComissDetAfterDelete(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}
void TDM::PeriodoAfterPost(ClientDataSet &ds)
{
    applyAndRefresh(ds);
}

} // namespace valorama
