#include "app/ActivationRefresh.h"

#include "app/SharedValues.h"
#include "app/StoreCheck.h"
#include "data/BulkWriteScope.h"
#include "data/DatabaseError.h"
#include "data/SuiteColumns.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/Messages.h"

namespace valorama {

ActivationRefresh::ActivationRefresh(TDM &dm, TDM2 &dm2, SharedValues &values) : m_dm(dm), m_dm2(dm2), m_values(values)
{
}

bool ActivationRefresh::checkStore()
{
    const bool registered = storeIsRegistered(m_dm, m_values.StoreCnpj);
    m_values.StoreMissing = false;
    if (!registered) {
        m_values.StoreMissing = true;
        Messages::show(storeMissingMessage(QStringLiteral("(2)"), m_values.StoreCnpj));
        return false;
    }
    return true;
}

int ActivationRefresh::refillInsumos()
{
    ClientDataSet &insumos = m_dm.Insumos;
    ClientDataSet &componen = m_dm.Componen;
    int written = 0;
    // One transaction for the whole refill: another workstation never sees INSUMOS half built.
    BulkWriteScope scope(m_dm.sqlcon1);
    scope.setSkipRefusedRows(true); // a component the database refuses is left out
    insumos.close();
    m_dm.ExecuteDirect(QStringLiteral("Delete from INSUMOS"));
    insumos.open();
    componen.close();
    m_dm.SQLDS_Componen.setCommandText(QStringLiteral("Select ") + ComponenColumns()
                                       + QStringLiteral(" from COMPONEN where (GRUPO <> 'REV') and (GRUPO <> 'HOM') "
                                                        "order by COMPONENTE"));
    componen.open();
    const Field dcb = componen.fieldByName(QStringLiteral("DCB"));
    const Field name = componen.fieldByName(QStringLiteral("COMPONENTE"));
    const Field prescription = componen.fieldByName(QStringLiteral("TIPORECEITA"));
    const Field list = componen.fieldByName(QStringLiteral("LISTA"));
    const Field factor = componen.fieldByName(QStringLiteral("FATORCORRECAO"));
    for (componen.first(); !componen.eof(); componen.next()) {
        if (dcb.asString().isEmpty())
            continue;
        try {
            insumos.append();
            insumos.fieldByName(QStringLiteral("DCB")).setAsString(dcb.asString());
            insumos.fieldByName(QStringLiteral("DESCRICAO")).setAsString(name.asString());
            insumos.fieldByName(QStringLiteral("TIPORECEITA")).setAsString(prescription.asString());
            insumos.fieldByName(QStringLiteral("LISTA")).setAsString(list.asString());
            insumos.fieldByName(QStringLiteral("FATCORR")).setAsString(factor.asString());
            insumos.post();
            ++written;
        } catch (const DatabaseError &e) {
            if (e.isConnectionLost())
                throw;
            insumos.cancel(); // this component is left out; the others go on
        }
    }
    componen.close();
    insumos.close(); // closed first, the commit has nothing to re-read
    scope.commit();
    return written - scope.refusedRows();
}

QStringList ActivationRefresh::storeList(int *selected)
{
    ClientDataSet &q = m_dm2.SQLQuery1;
    q.close();
    q.command().setCommandText(QStringLiteral("Select distinct(CNPJ) from ESTACOES"));
    q.open();
    QStringList stores;
    int position = 0;
    for (q.first(); !q.eof(); q.next()) {
        const QString cnpj = q.fieldByName(QStringLiteral("CNPJ")).asString();
        if (cnpj == m_values.StoreCnpj)
            position = int(stores.size());
        stores << cnpj;
    }
    q.close();
    *selected = stores.isEmpty() ? -1 : position;
    return stores;
}

} // namespace valorama
