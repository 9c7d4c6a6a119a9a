// One workstation of the load test, as a process of its own:
//   valorama-test-workstation payments <server> <main> <interface> <station> <store> <iterations>
//   valorama-test-workstation commissions <server> <main> <interface> <iterations>
// Prints one line per failed iteration ("falha: ...") and exits 0 when the last one succeeded.
#include "app/SharedValues.h"
#include "data/DatabaseError.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/Messages.h"
#include "reports/commissions/CommissionCalculation.h"
#include "reports/payments/PaymentTotals.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

using namespace valorama;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 6)
        return 2;
    Messages::setSink([](Messages::Kind, const QString &text) {
        std::printf("mensagem: %s\n", qPrintable(text));
        return true;
    });
    SuiteLocations l;
    l.clientLibraryLocationFile = QStringLiteral("/nonexistent");
    l.mainDatabase = a[3];
    l.interfaceFolder = a[4];
    l.interfaceFile.clear();
    TDM dm;
    TDM2 dm2;
    dm.DataModuleCreate(a[2], l);
    dm2.DataModuleCreate(a[2], QString(), l);
    bool lastOk = false;
    if (a[1] == QLatin1String("payments")) {
        SharedValues v;
        v.StationCode = a[5];
        v.StoreCnpj = a[6];
        const int iterations = a[7].toInt();
        for (int i = 0; i < iterations; ++i) {
            // Each run its own period; the period row is shared by every workstation.
            const QDate start = QDate(2008, 1, 1).addDays((i * 7 + a[5].toInt() * 3) % 300);
            const QDate end = start.addDays(20 + i % 40);
            // The shared period row may have been changed by another workstation since it was
            // read: the refused post is reported and the user presses the button again.
            lastOk = false;
            for (int attempt = 0; attempt < 20 && !lastOk; ++attempt) {
                try {
                    ClientDataSet &p = dm2.Periodo;
                    p.open();
                    p.edit();
                    p.fieldByName(QStringLiteral("DATAINICIAL")).setValue(start);
                    p.fieldByName(QStringLiteral("DATAFINAL")).setValue(end);
                    p.post();
                    p.close();
                    PaymentTotals(dm, dm2, v, {}).ComputePaymentTotals(QStringLiteral("Pedido"));
                    lastOk = true;
                } catch (const std::exception &e) {
                    dm2.Periodo.close();
                    std::printf("falha: %s\n", e.what());
                }
            }
        }
    } else {
        const int iterations = a[5].toInt();
        for (int i = 0; i < iterations; ++i) {
            try {
                CommissionCalculation(dm).calculateSummary();
                lastOk = true;
            } catch (const std::exception &e) {
                std::printf("falha: %s\n", e.what());
                lastOk = false;
            }
        }
    }
    std::fflush(stdout);
    return lastOk ? 0 : 1;
}
