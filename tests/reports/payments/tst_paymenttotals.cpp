#include "SuiteSeed.h"
#include "TestSuite.h"
#include "WorkstationTest.h"

#include "app/SharedValues.h"
#include "data/DatabaseError.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "data/ValueText.h"
#include "platform/Messages.h"
#include "reports/payments/PaymentTotals.h"

#include <QTest>

using namespace valorama;
using namespace valorama::test;

namespace {

struct WorkRow
{
    QString period, method, cnpj, station, title;
    Value value;
    Value whole;
};

} // namespace

class TestPaymentTotals : public WorkstationTest
{
    Q_OBJECT

    QList<WorkRow> rows(const QString &cnpj, const QString &station)
    {
        const ResultTable r = suite->query(
            QStringLiteral("select PERIODO, FORMAPAG, CNPJ, ESTLOCAL, TITULO, VALOR, VALORI from VALORPORFP "
                           "where CNPJ = ? and ESTLOCAL = ? order by VALOR desc"),
            { cnpj, station });
        QList<WorkRow> out;
        for (const Row &row : r.rows)
            out.append({ valueToText(row[0]), valueToText(row[1]), valueToText(row[2]), valueToText(row[3]),
                         valueToText(row[4]), row[5], row[6] });
        return out;
    }

    void compute(const QString &type, const QDate &start, const QDate &end)
    {
        suite->exec(QStringLiteral("delete from PERIODO"), {}, true);
        suite->exec(QStringLiteral("insert into PERIODO (DATAINICIAL, DATAFINAL) values (?, ?)"),
                    { start.isValid() ? Value { start } : Value {}, end.isValid() ? Value { end } : Value {} }, true);
        PaymentTotals(*dm, *dm2, values, {}).ComputePaymentTotals(type);
    }

private slots:
    void init()
    {
        startWorkstation();
        VALORAMA_REQUIRE_SUITE(*suite);
        values.StoreCnpj = StoreA;
        values.StationCode = QStringLiteral("01");

        addStore(*suite, StoreA);
        addStore(*suite, StoreB);
        const QDate march(2008, 3, 1);
        addOrder(*suite, QStringLiteral("01"), 1, march, QStringLiteral("Pedido"), QStringLiteral("ANA"),
                 QStringLiteral("15.25"));
        addPayment(*suite, QStringLiteral("01"), 1, QStringLiteral("DINHEIRO"), 1, QStringLiteral("10.25"));
        addPayment(*suite, QStringLiteral("01"), 1, QStringLiteral("CARTÃO"), 2, QStringLiteral("5.00"));
        addOrder(*suite, QStringLiteral("01"), 2, QDate(2008, 3, 31), QStringLiteral("Pedido"), QStringLiteral("ANA"),
                 QStringLiteral("0.25"));
        addPayment(*suite, QStringLiteral("01"), 2, QStringLiteral("DINHEIRO"), 1, QStringLiteral("0.25"));
        addOrder(*suite, QStringLiteral("02"), 1, QDate(2008, 3, 15), QStringLiteral("Pedido"), QStringLiteral("BIA"),
                 QStringLiteral("11.50"));
        addPayment(*suite, QStringLiteral("02"), 1, QStringLiteral("PIX"), 1, QStringLiteral("11.50"));
        addOrder(*suite, QStringLiteral("02"), 2, QDate(2008, 2, 29), QStringLiteral("Pedido"), QStringLiteral("BIA"),
                 QStringLiteral("100"));
        addPayment(*suite, QStringLiteral("02"), 2, QStringLiteral("PIX"), 1, QStringLiteral("100"));
        addOrder(*suite, QStringLiteral("01"), 3, QDate(2008, 4, 1), QStringLiteral("Pedido"), QStringLiteral("ANA"),
                 QStringLiteral("7"));
        addPayment(*suite, QStringLiteral("01"), 3, QStringLiteral("DINHEIRO"), 1, QStringLiteral("7"));
        addOrder(*suite, QStringLiteral("01"), 4, QDate(2008, 3, 10), QStringLiteral("Orçam"), QStringLiteral("ANA"),
                 QStringLiteral("1000"));
        addPayment(*suite, QStringLiteral("01"), 4, QStringLiteral("DINHEIRO"), 1, QStringLiteral("1000"));
        addOrder(*suite, QStringLiteral("02"), 3, QDate(2008, 3, 20), QStringLiteral("Pedido"), QStringLiteral("BIA"),
                 QStringLiteral("0.40"));
        addPayment(*suite, QStringLiteral("02"), 3, QStringLiteral(""), 1, QStringLiteral("0.40"));
        // Rows of earlier runs: this store and station (replaced) and two others (kept).
        for (const auto &[cnpj, station] :
             { std::pair { StoreA, QStringLiteral("01") }, std::pair { StoreA, QStringLiteral("02") },
               std::pair { StoreB, QStringLiteral("01") } })
            suite->exec(
                QStringLiteral("insert into VALORPORFP (FORMAPAG, VALOR, CNPJ, ESTLOCAL) values ('ANTIGO', 1, ?, ?)"),
                { cnpj, station });
    }

    void cleanup() { stopWorkstation(); }

    void knownAnswers()
    {
        compute(QStringLiteral("Pedido"), QDate(2008, 3, 1), QDate(2008, 3, 31));
        QVERIFY(messages.isEmpty());
        const QList<WorkRow> r = rows(StoreA, QStringLiteral("01"));
        QCOMPARE(r.size(), 4);
        const QString period = QStringLiteral("Período de 01/03/08 a 31/03/08");
        const QString title = QStringLiteral("Valor Total por Forma de Pagamento (Pedido)");
        const QList<std::tuple<QString, Decimal, qint64>> expected = {
            { QStringLiteral("PIX"), { 1150, 2 }, 12 }, // 11.50: the even neighbour is 12
            { QStringLiteral("DINHEIRO"), { 1050, 2 }, 10 }, // 10.50: the even neighbour is 10; both days of the period
            { QStringLiteral("CARTÃO"), { 500, 2 }, 5 }, // an order paid in two methods adds to both
            { QString(), { 40, 2 }, 0 }
        }; // the empty method forms its own group
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(r[i].method, std::get<0>(expected[i]));
            QCOMPARE(r[i].value, Value { std::get<1>(expected[i]) });
            QCOMPARE(r[i].whole, Value { std::get<2>(expected[i]) });
            QCOMPARE(r[i].period, period);
            QCOMPARE(r[i].title, title);
            QCOMPARE(r[i].cnpj, StoreA);
            QCOMPARE(r[i].station, QStringLiteral("01"));
        }
        QCOMPARE(rows(StoreA, QStringLiteral("02")).size(), 1); // another station's rows stay
        QCOMPARE(rows(StoreB, QStringLiteral("01")).size(), 1); // another store's rows stay
        // The work dataset is open on the rows, largest total first.
        QVERIFY(dm->ValorFP.active());
        QCOMPARE(dm->ValorFP.recNo(), 0);
        QCOMPARE(dm->ValorFP.fieldByName(QStringLiteral("FORMAPAG")).asString(), QStringLiteral("PIX"));
        QCOMPARE(dm->ValorFP.fieldByName(QStringLiteral("VALOR")).displayText(), QStringLiteral("11.50"));
        QVERIFY(!values.ReportBusy);
    }

    void otherOrderTypes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("expectedRows");
        QTest::newRow("typed type") << QStringLiteral("Orçam") << 1;
        QTest::newRow("no such type") << QStringLiteral("Nada") << 0;
        QTest::newRow("injection attempt") << QStringLiteral("x') or (1=1") << 0;
        QTest::newRow("25 characters") << QString(25, QLatin1Char('T')) << 0;
    }

    void otherOrderTypes()
    {
        QFETCH(QString, type);
        QFETCH(int, expectedRows);
        compute(type, QDate(2008, 3, 1), QDate(2008, 3, 31));
        QCOMPARE(rows(StoreA, QStringLiteral("01")).size(), expectedRows);
        QCOMPARE(rows(StoreA, QStringLiteral("02")).size(), 1);
        QVERIFY(messages.isEmpty());
        QCOMPARE(suite->query(QStringLiteral("select count(*) from PEDIDOS")).rows[0][0], Value { qint64(7) });
    }

    void titleIsCutToItsColumn()
    {
        addOrder(*suite, QStringLiteral("03"), 1, QDate(2008, 3, 2), QString(10, QLatin1Char('L')), QStringLiteral("X"),
                 QStringLiteral("1"));
        addPayment(*suite, QStringLiteral("03"), 1, QStringLiteral("PIX"), 1, QStringLiteral("1"));
        compute(QString(10, QLatin1Char('L')) + QString(15, QLatin1Char(' ')), QDate(2008, 3, 1), QDate(2008, 3, 31));
        // The comparison is the database's: trailing blanks do not count in it.
        const QList<WorkRow> r = rows(StoreA, QStringLiteral("01"));
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0].title.size(), 60);
    }

    void startAfterEndGivesNoRows()
    {
        compute(QStringLiteral("Pedido"), QDate(2008, 3, 31), QDate(2008, 3, 1));
        QVERIFY(rows(StoreA, QStringLiteral("01")).isEmpty());
        QVERIFY(dm->ValorFP.isEmpty());
    }

    void unregisteredStoreIsRefusedEveryTime()
    {
        values.StoreCnpj = QStringLiteral("00000000000000");
        compute(QStringLiteral("Pedido"), QDate(2008, 3, 1), QDate(2008, 3, 31));
        QCOMPARE(
            messages,
            QStringList { QStringLiteral("(5) Não foi encontrado o registro da loja \"00.000.000/0000-00\" no sistema. "
                                         "Entre em contato com o suporte da MIRAL SISTEMAS e solicite a inclusão do "
                                         "registro na tabela \"DADOS GERAIS\" antes de continuar.") });
        QVERIFY(values.StoreMissing);
        QVERIFY(!values.ReportBusy);
        QCOMPARE(suite->query(QStringLiteral("select count(*) from VALORPORFP")).rows[0][0], Value { qint64(3) });
        // A registered store computes at once: the store is checked on every run.
        values.StoreCnpj = StoreA;
        compute(QStringLiteral("Pedido"), QDate(2008, 3, 1), QDate(2008, 3, 31));
        QVERIFY(!values.StoreMissing);
        QCOMPARE(rows(StoreA, QStringLiteral("01")).size(), 4);
    }

    void emptyPeriodIsRefused()
    {
        compute(QStringLiteral("Pedido"), QDate(2008, 3, 1), QDate());
        QCOMPARE(messages, QStringList { PaymentTotals::emptyPeriodMessage() });
        QCOMPARE(rows(StoreA, QStringLiteral("01")).size(), 1); // untouched
    }

    void failureKeepsTheOldRowsAndReleasesTheBusyMarker()
    {
        // An order type longer than the statement takes makes the totals statement fail after the delete.
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 compute(QString(30, QLatin1Char('Z')), QDate(2008, 3, 1), QDate(2008, 3, 31)));
        QVERIFY(!values.ReportBusy);
        const QList<WorkRow> r = rows(StoreA, QStringLiteral("01"));
        QCOMPARE(r.size(), 1);
        QCOMPARE(r[0].method, QStringLiteral("ANTIGO"));
        compute(QStringLiteral("Pedido"), QDate(2008, 3, 1), QDate(2008, 3, 31));
        QCOMPARE(rows(StoreA, QStringLiteral("01")).size(), 4);
    }

    void busyComputationIsNotEnteredTwice()
    {
        values.ReportBusy = true;
        compute(QStringLiteral("Pedido"), QDate(2008, 3, 1), QDate(2008, 3, 31));
        QCOMPARE(rows(StoreA, QStringLiteral("01"))[0].method, QStringLiteral("ANTIGO"));
    }
};

QTEST_MAIN(TestPaymentTotals)
#include "tst_paymenttotals.moc"
