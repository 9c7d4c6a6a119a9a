#include "SuiteSeed.h"
#include "TestSuite.h"

#include "core/Formats.h"
#include "data/ValueText.h"
#include "reports/commissions/CommissionCalculation.h"
#include "reports/payments/PaymentTotals.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace valorama;
using namespace valorama::test;

// Four workstations computing payment totals and a fifth calculating commissions, at once, in
// bounded loops, on the fixture server.
class TestLoad : public QObject
{
    Q_OBJECT

private slots:
    void fiveWorkstationsAtOnce()
    {
        TestSuite suite;
        VALORAMA_REQUIRE_SUITE(suite);
        addStore(suite, StoreA);
        addStore(suite, StoreB);
        setMainPeriod(suite, QDate(2008, 2, 1), QDate(2008, 5, 31));
        setRate(suite, QStringLiteral("MP"), 2.5);
        QString block;
        int n = 0;
        const QStringList methods = { QStringLiteral("DINHEIRO"), QStringLiteral("PIX"), QStringLiteral("CARTÃO") };
        for (int i = 1; i <= 3000; ++i) {
            const QDate d = QDate(2008, 1, 1).addDays(i % 340);
            block
                += QStringLiteral(
                       "INSERT INTO PEDIDOS (ESTACAO, NPEDIDO, DATAPEDIDO, TIPOPEDIDO, RECEBIDOPOR, PRECOFINAL) VALUES "
                       "('0%1', %2, DATE '%3', 'Pedido', 'AT%4', %5.%6);\n")
                       .arg(i % 4 + 1)
                       .arg(i)
                       .arg(d.toString(Qt::ISODate))
                       .arg(i % 7)
                       .arg(10 + i % 90)
                       .arg(i % 100, 2, 10, QLatin1Char('0'));
            block += QStringLiteral("INSERT INTO PAGPEDID (ESTACAO, NPEDIDO, FORMAPAG, CODPAGPED, VALOR) VALUES "
                                    "('0%1', %2, '%3', 1, %4.%5);\n")
                         .arg(i % 4 + 1)
                         .arg(i)
                         .arg(methods[i % 3])
                         .arg(10 + i % 90)
                         .arg(i % 100, 2, 10, QLatin1Char('0'));
            if (++n == 90) {
                suite.exec(QStringLiteral("EXECUTE BLOCK AS BEGIN\n") + block + QStringLiteral("END"));
                block.clear();
                n = 0;
            }
        }
        if (!block.isEmpty())
            suite.exec(QStringLiteral("EXECUTE BLOCK AS BEGIN\n") + block + QStringLiteral("END"));
        suite.exec(QStringLiteral("insert into PERIODO (DATAINICIAL, DATAFINAL) values (?, ?)"),
                   { QDate(2008, 1, 1), QDate(2008, 1, 31) }, true);

        const QString exe = QStringLiteral(VALORAMA_BINARY_DIR "/tests/valorama-test-workstation");
        const QString main = suite.mainPath();
        const QString iface = suite.interfacePath();
        const QList<std::pair<QString, QString>> stations = { { QStringLiteral("01"), StoreA },
                                                              { QStringLiteral("02"), StoreA },
                                                              { QStringLiteral("03"), StoreB },
                                                              { QStringLiteral("04"), StoreB } };
        constexpr int Iterations = 15;
        QList<QProcess *> workers;
        for (const auto &[station, store] : stations) {
            auto *p = new QProcess(this);
            p->start(exe,
                     { QStringLiteral("payments"), suite.serverAddress(), main, iface, station, store,
                       QString::number(Iterations) });
            workers << p;
        }
        auto *commissions = new QProcess(this);
        commissions->start(
            exe, { QStringLiteral("commissions"), suite.serverAddress(), main, iface, QString::number(Iterations) });
        workers << commissions;
        int failures = 0;
        for (QProcess *p : std::as_const(workers)) {
            QVERIFY(p->waitForFinished(300000));
            const QString out = QString::fromUtf8(p->readAllStandardOutput());
            failures += int(out.count(QStringLiteral("falha:")));
            QVERIFY2(p->exitCode() == 0, qPrintable(out));
        }
        qDebug("iterations: %d payment runs, %d commission runs; failed runs retried by the loop: %d", Iterations * 4,
               Iterations, failures);

        // Every station holds exactly the rows of one whole run: those of the period its rows name.
        const QRegularExpression label(QStringLiteral("^Período de (\\d\\d/\\d\\d/\\d\\d) a (\\d\\d/\\d\\d/\\d\\d)$"));
        for (const auto &[station, store] : stations) {
            const ResultTable rows
                = suite.query(QStringLiteral("select PERIODO, FORMAPAG, VALOR from VALORPORFP where CNPJ = ? and "
                                             "ESTLOCAL = ? order by FORMAPAG"),
                              { store, station });
            QVERIFY(!rows.rows.isEmpty());
            const auto m = label.match(valueToText(rows.rows[0][0]));
            QVERIFY(m.hasMatch());
            const QDate start = *Formats::parseDate(m.captured(1));
            const QDate end = *Formats::parseDate(m.captured(2));
            const ResultTable expected
                = suite.query(QString(PaymentTotals::totalsStatement()), { QStringLiteral("Pedido"), start, end });
            QCOMPARE(rows.rows.size(), expected.rows.size());
            for (int i = 0; i < rows.rows.size(); ++i) {
                QCOMPARE(valueToText(rows.rows[i][0]), valueToText(rows.rows[0][0]));
                QCOMPARE(valueToText(rows.rows[i][1]), valueToText(expected.rows[i][0]));
                QCOMPARE(rows.rows[i][2], expected.rows[i][1]);
            }
        }
        // REL_COMISSOES holds exactly one whole calculation.
        const ResultTable summary
            = suite.query(QStringLiteral("select ATENDENTE, COMISSAO from REL_COMISSOES order by ATENDENTE"));
        const ResultTable expected = suite.query(CommissionCalculation::summaryStatement(2.5));
        QCOMPARE(summary.rows.size(), expected.rows.size());
        for (int i = 0; i < summary.rows.size(); ++i) {
            QCOMPARE(summary.rows[i][0], expected.rows[i][0]);
            QCOMPARE(valueToText(summary.rows[i][1]), std::get<Decimal>(expected.rows[i][1]).rescaled(2)->toString());
        }
    }
};

QTEST_GUILESS_MAIN(TestLoad)
#include "tst_load.moc"
