#pragma once

#include <QString>

#include <functional>

namespace valorama {

class TDM;
class TDM2;
struct SharedValues;

// The payment-method totals of every order of a type in the stored period, written as the
// work rows of the store and workstation in VALORPORFP.
class PaymentTotals
{
public:
    PaymentTotals(TDM &dm, TDM2 &dm2, SharedValues &values, std::function<void()> processPendingMessages);

    // Leaves ValorFP open on the store's rows, largest total first. The store is checked on
    // every run; the old rows are replaced in one transaction, so a failure keeps them.
    void ComputePaymentTotals(const QString &orderType);

    static QString totalsStatement();
    static QString emptyPeriodMessage();

private:
    TDM &m_dm;
    TDM2 &m_dm2;
    SharedValues &m_values;
    std::function<void()> m_processPendingMessages;
};

} // namespace valorama
