#pragma once

#include "data/ClientDataSet.h"
#include "data/DataSetProvider.h"
#include "data/DataSource.h"
#include "data/SqlConnection.h"
#include "data/SqlDataSet.h"
#include "data/SuiteLocations.h"

#include <QObject>

namespace valorama {

// The main-database data module: its connection, the dataset chains over the suite's main
// tables, the general-purpose query and the write-back handlers.
class TDM : public QObject
{
    Q_OBJECT

public:
    explicit TDM(QObject *parent = nullptr);

    // Points the connection at <centralServerAddress>:<main database>. Throws when the
    // client-library location file exists but cannot be read; the connection then keeps its
    // design-time database.
    void DataModuleCreate(const QString &centralServerAddress, const SuiteLocations &locations = {});

    qint64 ExecuteDirect(const QString &sql, const QList<Value> &params = {})
    {
        return sqlcon1.executeDirect(sql, params);
    }

    SqlConnection sqlcon1 { QStringLiteral("QuintoraDados") };

    SqlDataSet SQLDS_Usuarios, SQLDS_Estacoes, SQLDS_DadosGer, SQLDS_Componen, SQLDS_Insumos, SQLDS_ValorFP,
        SQLDS_RelComiss, SQLDS_ComissDet, SQLDS_Periodo, SQLQuery1Command;
    DataSetProvider DSP_Usuarios, DSP_Estacoes, DSP_DadosGer, DSP_Componen, DSP_Insumos, DSP_ValorFP, DSP_RelComiss,
        DSP_ComissDet, DSP_Periodo;
    ClientDataSet Usuarios, Estacoes, DadosGer, Componen, Insumos, ValorFP, Comiss, ComissDet, Periodo;
    ClientDataSet SQLQuery1;
    DataSource DS_ValorFP, DS_RelComiss, DS_ComissDet, DS_Periodo;

    void InsumosAfterPost(ClientDataSet &ds);
    void ValorFPAfterPost(ClientDataSet &ds);
    void ValorFPAfterDelete(ClientDataSet &ds);
    void ComissAfterPost(ClientDataSet &ds);
    void ComissAfterDelete(ClientDataSet &ds);
    void ComissDetAfterPost(ClientDataSet &ds);
    void ComissDetAfterDelete(ClientDataSet &ds);
    void PeriodoAfterPost(ClientDataSet &ds);
};

// The single instance, created at start-up after the main window.
extern TDM *DM;

// Applies a dataset's pending changes and re-reads it; a refused change is dropped and
// reported with WriteRefusedError after the re-read.
void applyAndRefresh(ClientDataSet &ds);

} // namespace valorama
