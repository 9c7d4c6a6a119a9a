#pragma once

#include <QString>

#include <functional>

namespace valorama {

class TDM;

// The commission reports over the period stored in the main PERIODO: the summary per
// attendant into REL_COMISSOES and one attendant's orders into REL_COMISSDET. Each run
// replaces its work table whole, in one transaction that reserves the table, so runs of two
// workstations follow one another instead of mixing their rows.
class CommissionCalculation
{
public:
    CommissionCalculation(TDM &dm, std::function<void()> processPendingMessages = {});

    // The rate of group MP, 0 when the table has no such row.
    double rate(const QString &group = QStringLiteral("MP"));
    // Leaves Comiss open on the new rows.
    void calculateSummary();
    // Leaves ComissDet open on the attendant's orders, by date.
    void calculateDetail(const QString &attendant);

    static QString summaryStatement(double rate);
    static QString detailStatement(double rate);

private:
    TDM &m_dm;
    std::function<void()> m_processPendingMessages;
};

} // namespace valorama
