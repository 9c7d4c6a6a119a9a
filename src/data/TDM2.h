#pragma once

#include "data/ClientDataSet.h"
#include "data/DataSetProvider.h"
#include "data/DataSource.h"
#include "data/SqlConnection.h"
#include "data/SqlDataSet.h"
#include "data/SuiteLocations.h"

#include <QObject>

namespace valorama {

// The interface-database data module: the period of the payment-method report, and a second
// connection to the main database for the store list.
class TDM2 : public QObject
{
    Q_OBJECT

public:
    explicit TDM2(QObject *parent = nullptr);

    // Points both connections at the central server; stationCode is empty at start-up, so the
    // interface database is the one in the folder "Interfac" itself.
    void DataModuleCreate(const QString &centralServerAddress, const QString &stationCode,
                          const SuiteLocations &locations = {});

    SqlConnection SQLConnection1 { QStringLiteral("Interfac") };
    SqlConnection sqlcon1 { QStringLiteral("QuintoraDados") };

    SqlDataSet SQLDS_Periodo, SQLQuery1Command;
    DataSetProvider DSP_Periodo;
    ClientDataSet Periodo;
    ClientDataSet SQLQuery1;
    DataSource DS_Periodo;

    void PeriodoAfterPost(ClientDataSet &ds);
};

extern TDM2 *DM2;

} // namespace valorama
