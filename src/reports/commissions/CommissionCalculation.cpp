#include "reports/commissions/CommissionCalculation.h"

#include "core/Formats.h"
#include "data/BulkWriteScope.h"
#include "data/TDM.h"

namespace valorama {

namespace {

// One transaction that reserves the work table: another workstation's run waits for it.
TransactionOptions reserving(const QString &table)
{
    TransactionOptions options;
    options.protectedWrites = { table };
    return options;
}

// Appends one row per result row, each column copied by name.
void copyRows(ClientDataSet &from, ClientDataSet &to, const QStringList &columns)
{
    for (from.first(); !from.eof(); from.next()) {
        to.append();
        for (const QString &name : columns)
            to.fieldByName(name).setValue(from.fieldByName(name).value());
        to.post();
    }
}

} // namespace

CommissionCalculation::CommissionCalculation(TDM &dm, std::function<void()> processPendingMessages)
    : m_dm(dm), m_processPendingMessages(std::move(processPendingMessages))
{
}

double CommissionCalculation::rate(const QString &group)
{
    ClientDataSet &q = m_dm.SQLQuery1;
    q.close();
    q.command().setCommandText(QStringLiteral("Select COMISSAO from COMISSAO where GRUPO = CAST(? AS VARCHAR(5))"),
                               { group });
    q.open();
    const double value = q.isEmpty() ? 0.0 : q.fieldByName(QStringLiteral("COMISSAO")).asFloat();
    q.close();
    return value;
}

// The rate is the suite's number, not typed text: it stays a literal so that the server's
// exact arithmetic on it is the suite's own.
QString CommissionCalculation::summaryStatement(double rate)
{
    return QStringLiteral("select DISTINCT(a.recebidopor) AS ATENDENTE, SUM(a.precofinal*")
        + Formats::generalFloat(rate) + QStringLiteral("/100) AS COMISSAO from pedidos a, periodo b ")
        + QStringLiteral("where a.datapedido between b.datainicial and b.datafinal and ")
        + QStringLiteral("a.TipoPedido = 'Pedido' and ")
        + QStringLiteral("a.recebidopor is not null and a.recebidopor <> '' ")
        + QStringLiteral("group by a.recebidopor ") + QStringLiteral("order by a.recebidopor");
}

QString CommissionCalculation::detailStatement(double rate)
{
    return QStringLiteral(
               "select a.recebidopor as Atendente, a.Estacao||'.'||a.npedido as Pedido, a.DataPedido as data, "
               "a.nome as CLIENTE, a.PrecoFinal as Valor, a.precofinal*")
        + Formats::generalFloat(rate) + QStringLiteral("/100 as Comissao ")
        + QStringLiteral("from pedidos a, periodo b ")
        + QStringLiteral("where a.datapedido between b.datainicial and b.datafinal and ")
        + QStringLiteral("a.TipoPedido = 'Pedido' and ") + QStringLiteral("a.recebidopor = CAST(? AS VARCHAR(60))");
}

void CommissionCalculation::calculateSummary()
{
    const double mp = rate();
    ClientDataSet &comiss = m_dm.Comiss;
    ClientDataSet &q = m_dm.SQLQuery1;
    BulkWriteScope scope(m_dm.sqlcon1, reserving(QStringLiteral("REL_COMISSOES")));
    m_dm.ExecuteDirect(QStringLiteral("delete from REL_COMISSOES"));
    q.close();
    q.command().setCommandText(summaryStatement(mp));
    q.open();
    comiss.close();
    comiss.open();
    copyRows(q, comiss, { QStringLiteral("ATENDENTE"), QStringLiteral("COMISSAO") });
    scope.commit();
    if (m_processPendingMessages)
        m_processPendingMessages();
    q.close();
}

void CommissionCalculation::calculateDetail(const QString &attendant)
{
    const double mp = rate();
    ClientDataSet &det = m_dm.ComissDet;
    ClientDataSet &q = m_dm.SQLQuery1;
    BulkWriteScope scope(m_dm.sqlcon1, reserving(QStringLiteral("REL_COMISSDET")));
    q.close();
    q.command().setCommandText(detailStatement(mp), { attendant });
    q.open();
    m_dm.ExecuteDirect(QStringLiteral("delete from REL_COMISSDET"));
    det.close();
    det.open();
    copyRows(q, det,
             { QStringLiteral("ATENDENTE"), QStringLiteral("PEDIDO"), QStringLiteral("DATA"), QStringLiteral("CLIENTE"),
               QStringLiteral("VALOR"), QStringLiteral("COMISSAO") });
    scope.commit();
    q.close();
}

} // namespace valorama
