#include "reports/payments/PaymentTotals.h"

#include "app/SharedValues.h"
#include "app/StoreCheck.h"
#include "core/Formats.h"
#include "data/BulkWriteScope.h"
#include "data/SuiteColumns.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/Messages.h"

#include <QScopeGuard>

namespace valorama {

PaymentTotals::PaymentTotals(TDM &dm, TDM2 &dm2, SharedValues &values, std::function<void()> processPendingMessages)
    : m_dm(dm), m_dm2(dm2), m_values(values), m_processPendingMessages(std::move(processPendingMessages))
{
}

QString PaymentTotals::totalsStatement()
{
    return QStringLiteral(
        "SELECT  PAGPEDID.FORMAPAG, SUM(PAGPEDID.VALOR) as TOTAL FROM PAGPEDID INNER JOIN PEDIDOS "
        "ON PAGPEDID.ESTACAO=PEDIDOS.ESTACAO AND PAGPEDID.NPEDIDO=PEDIDOS.NPEDIDO "
        "WHERE (PEDIDOS.TIPOPEDIDO = CAST(? AS VARCHAR(25))) and (PEDIDOS.DATAPEDIDO between ? and ?) "
        "GROUP BY PAGPEDID.FORMAPAG order by PAGPEDID.FORMAPAG");
}

QString PaymentTotals::emptyPeriodMessage()
{
    return QStringLiteral("Informe a data inicial e a data final do período.");
}

void PaymentTotals::ComputePaymentTotals(const QString &orderType)
{
    if (m_values.ReportBusy)
        return;
    m_values.ReportBusy = true;
    const auto release = qScopeGuard([this] { m_values.ReportBusy = false; });

    ClientDataSet &periodo = m_dm2.Periodo;
    periodo.open();
    const QDate start = periodo.fieldByName(QStringLiteral("DATAINICIAL")).asDate();
    const QDate end = periodo.fieldByName(QStringLiteral("DATAFINAL")).asDate();
    periodo.close();
    if (!start.isValid() || !end.isValid()) {
        Messages::show(emptyPeriodMessage());
        return;
    }

    const bool registered = storeIsRegistered(m_dm, m_values.StoreCnpj);
    if (!registered) {
        m_values.StoreMissing = true;
        Messages::show(storeMissingMessage(QStringLiteral("(5)"), m_values.StoreCnpj));
        return;
    }
    m_values.StoreMissing = false;
    m_dm.DadosGer.close();
    ClientDataSet &valorFP = m_dm.ValorFP;
    valorFP.close();

    const QString station = m_values.StationCode;
    const QString store = m_values.StoreCnpj;
    {
        // The old rows and the new ones change together or not at all.
        BulkWriteScope scope(m_dm.sqlcon1);
        m_dm.ExecuteDirect(QStringLiteral("Delete from VALORPORFP where CNPJ = CAST(? AS VARCHAR(20)) and "
                                          "ESTLOCAL = CAST(? AS VARCHAR(2))"),
                           { store, station });
        m_dm.SQLDS_ValorFP.setCommandText(
            QStringLiteral("Select ") + ValorFPColumns()
                + QStringLiteral(" from VALORPORFP where CNPJ = CAST(? AS VARCHAR(20)) "
                                 "and ESTLOCAL = CAST(? AS VARCHAR(2)) ORDER BY VALOR DESC"),
            { store, station });
        valorFP.open();
        ClientDataSet &totals = m_dm.SQLQuery1;
        totals.close();
        totals.command().setCommandText(totalsStatement(), { orderType, start, end });
        totals.open();
        const QString period
            = QStringLiteral("Período de ") + Formats::date(start) + QStringLiteral(" a ") + Formats::date(end);
        const QString title = QStringLiteral("Valor Total por Forma de Pagamento (") + orderType + QLatin1Char(')');
        for (totals.first(); !totals.eof(); totals.next()) {
            const Field total = totals.fieldByName(QStringLiteral("TOTAL"));
            valorFP.append();
            valorFP.fieldByName(QStringLiteral("PERIODO")).setAsString(period);
            valorFP.fieldByName(QStringLiteral("FORMAPAG"))
                .setAsString(totals.fieldByName(QStringLiteral("FORMAPAG")).asString());
            valorFP.fieldByName(QStringLiteral("CNPJ")).setAsString(store);
            valorFP.fieldByName(QStringLiteral("ESTLOCAL")).setAsString(station);
            valorFP.fieldByName(QStringLiteral("VALOR"))
                .setValue(total.isNull() ? Value {} : Value { total.asDecimal() });
            valorFP.fieldByName(QStringLiteral("VALORI"))
                .setValue(total.isNull() ? Value {} : Value { total.asDecimal().roundHalfEven() });
            valorFP.fieldByName(QStringLiteral("TITULO")).setAsString(title);
            valorFP.post();
        }
        scope.commit();
    }
    if (m_processPendingMessages)
        m_processPendingMessages();
    valorFP.first();
    m_dm.DadosGer.close();
}

} // namespace valorama
