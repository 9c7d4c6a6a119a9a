#include "AppFixture.h"
#include "SuiteSeed.h"
#include "TestSuite.h"
#include "WorkstationTest.h"

#include "app/SharedValues.h"
#include "app/TFormSNGPC.h"
#include "auth/LoginPanel.h"
#include "data/DatabaseError.h"
#include "data/FbClientLibrary.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/Messages.h"
#include "reports/commissions/CommissionCalculation.h"
#include "reports/payments/PaymentTotals.h"

#include <QAction>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <thread>

using namespace valorama;
using namespace valorama::test;

// A Firebird server of this test's own, which it stops, crashes and starts again.
class TestFaults : public WorkstationTest
{
    Q_OBJECT

    QString m_mainFixture;
    QString m_dir;
    int m_faults = 0;

    bool fixture(const QString &command)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VALORAMA_FIXTURE_DIR"), m_dir);
        env.insert(QStringLiteral("VALORAMA_FIXTURE_PORT"), QStringLiteral("3058"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("bash"), { QStringLiteral(VALORAMA_SOURCE_DIR "/scripts/fixture.sh"), command });
        p.waitForFinished(120000);
        if (command == QLatin1String("kill") || command == QLatin1String("stop"))
            ++m_faults;
        return p.exitCode() == 0;
    }

    void seedPayments(TestSuite &suite)
    {
        addStore(suite, StoreA);
        addOrder(suite, QStringLiteral("01"), 1, QDate(2008, 3, 5), QStringLiteral("Pedido"), QStringLiteral("ANA"),
                 QStringLiteral("30"));
        addPayment(suite, QStringLiteral("01"), 1, QStringLiteral("PIX"), 1, QStringLiteral("30"));
        suite.exec(QStringLiteral("insert into PERIODO (DATAINICIAL, DATAFINAL) values (?, ?)"),
                   { QDate(2008, 3, 1), QDate(2008, 3, 31) }, true);
        suite.exec(
            QStringLiteral("insert into VALORPORFP (FORMAPAG, VALOR, CNPJ, ESTLOCAL) values ('ANTIGO', 1, ?, '01')"),
            { StoreA });
        setMainPeriod(suite, QDate(2008, 3, 1), QDate(2008, 3, 31));
        setRate(suite, QStringLiteral("MP"), 2.5);
        suite.exec(QStringLiteral("insert into REL_COMISSOES values ('ANTIGO', 1)"));
    }

    // This workstation at station 01 of store A, over a seeded suite.
    bool startStation01()
    {
        startWorkstation();
        if (!suite->ok())
            return false;
        seedPayments(*suite);
        values.StoreCnpj = StoreA;
        values.StationCode = QStringLiteral("01");
        return true;
    }

    // Another workstation's attachment to the suite's main database.
    static std::unique_ptr<FbAttachment> otherWorkstation(TestSuite &suite)
    {
        AttachmentParams p;
        p.database = suite.serverAddress() + QLatin1Char(':') + suite.mainPath();
        p.user = QStringLiteral("SYSDBA");
        p.password = QStringLiteral("q7Rv2wLpZ");
        return std::make_unique<FbAttachment>(FbClientLibrary::master(SuiteLocations::defaultClientLibraryName()), p);
    }

private slots:
    void initTestCase()
    {
        m_mainFixture = TestSuite::fixtureDir();
        m_dir = m_mainFixture + QStringLiteral("/faults");
        QVERIFY(fixture(QStringLiteral("start")));
        qputenv("VALORAMA_FIXTURE_DIR", m_dir.toLocal8Bit());
        qputenv("VALORAMA_FIXTURE_PORT", "3058");
    }

    void cleanup() { stopWorkstation(); }

    void cleanupTestCase()
    {
        fixture(QStringLiteral("stop"));
        qDebug("faults injected and survived: %d", m_faults);
    }

    void serverUnreachableAtStart()
    {
        AppFixture app(true, false);
        VALORAMA_REQUIRE_SUITE(app.suite);
        app.suite.closeAttachments();
        QVERIFY(fixture(QStringLiteral("stop")));
        app.start();
        app.form->show();
        app.form->activateWindow();
        QTRY_VERIFY(!app.messages.texts.isEmpty());
        QVERIFY(!app.form->PainelLogin->isVisible());
        QVERIFY(!app.form->Arquivos1->isEnabled());
        QVERIFY(app.form->Sair2->isEnabled());
        for (const QString &m : std::as_const(app.messages.texts))
            QVERIFY2(!m.contains(QStringLiteral("q7Rv2wLpZ")), qPrintable(m)); // the password never shows
        // The server comes back; the next activation succeeds.
        QVERIFY(fixture(QStringLiteral("start")));
        app.messages.clear();
        app.form->FormActivate();
        QVERIFY(app.form->PainelLogin->isVisible());
        QVERIFY(app.login(QStringLiteral("ADMIN"), QStringLiteral("1234")));
        app.form->Sair2->trigger();
        QVERIFY(!app.form->isVisible());
    }

    void serverCrashDuringPaymentComputation()
    {
        QVERIFY2(startStation01(), qPrintable(suite->error()));
        PaymentTotals(*dm, *dm2, values, {}).ComputePaymentTotals(QStringLiteral("Pedido")); // attached and warm
        // Another workstation holds the rows; our delete waits on it; then the server dies.
        std::thread crash([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(800));
            fixture(QStringLiteral("kill"));
        });
        {
            auto holder = otherWorkstation(*suite); // holds a lock on this store's rows
            auto tx = holder->begin();
            holder->run(*tx, QStringLiteral("update VALORPORFP set VALOR = VALOR where ESTLOCAL = '01'"));
            bool failed = false;
            try {
                PaymentTotals(*dm, *dm2, values, {}).ComputePaymentTotals(QStringLiteral("Pedido"));
            } catch (const DatabaseError &e) {
                failed = true;
                QVERIFY2(e.isConnectionLost(), qPrintable(e.message()));
                QVERIFY(!e.message().contains(QStringLiteral("q7Rv2wLpZ")));
            }
            crash.join();
            QVERIFY(failed);
            QVERIFY(!values.ReportBusy);
        }
        suite->closeAttachments();
        QVERIFY(fixture(QStringLiteral("start")));
        // Nothing half-written: the rows are those of the last complete run.
        QCOMPARE(suite->textRows(QStringLiteral("select FORMAPAG, VALOR from VALORPORFP where ESTLOCAL = '01'")),
                 QStringList { QStringLiteral("PIX|30.00") });
        // The same data modules attach again by themselves.
        PaymentTotals(*dm, *dm2, values, {}).ComputePaymentTotals(QStringLiteral("Pedido"));
        QCOMPARE(dm->ValorFP.recordCount(), 1);
        QVERIFY(messages.isEmpty());
    }

    void serverCrashDuringCommissionCalculation()
    {
        QVERIFY2(startStation01(), qPrintable(suite->error()));
        std::thread crash([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(800));
            fixture(QStringLiteral("kill"));
        });
        {
            auto holder = otherWorkstation(*suite);
            auto tx = holder->begin();
            holder->run(*tx, QStringLiteral("delete from REL_COMISSOES")); // another workstation mid-calculation
            QVERIFY_THROWS_EXCEPTION(DatabaseError, CommissionCalculation(*dm).calculateSummary());
            crash.join();
        }
        suite->closeAttachments();
        QVERIFY(fixture(QStringLiteral("start")));
        QCOMPARE(suite->textRows(QStringLiteral("select ATENDENTE from REL_COMISSOES")),
                 QStringList { QStringLiteral("ANTIGO") });
        CommissionCalculation(*dm).calculateSummary();
        QCOMPARE(suite->textRows(QStringLiteral("select ATENDENTE, COMISSAO from REL_COMISSOES")),
                 QStringList { QStringLiteral("ANA|0.75") });
    }

    void lockHeldByAnotherWorkstationWaitsThenCompletes()
    {
        QVERIFY2(startStation01(), qPrintable(suite->error()));
        auto holder = otherWorkstation(*suite);
        auto tx = holder->begin();
        holder->run(*tx, QStringLiteral("update VALORPORFP set VALOR = 5 where ESTLOCAL = '01'"));
        std::thread release([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
            tx->commit();
        });
        QElapsedTimer waited;
        waited.start();
        try {
            PaymentTotals(*dm, *dm2, values, {}).ComputePaymentTotals(QStringLiteral("Pedido"));
        } catch (const DatabaseError &e) {
            release.join();
            QFAIL(qPrintable(QStringLiteral("%1 (%2)").arg(e.message()).arg(e.code())));
        }
        release.join();
        QVERIFY(waited.elapsed() >= 600);
        QCOMPARE(suite->textRows(QStringLiteral("select FORMAPAG, VALOR from VALORPORFP where ESTLOCAL = '01'")),
                 QStringList { QStringLiteral("PIX|30.00") });
    }

    void wrongPasswordIsReportedWithoutIt()
    {
        TestSuite suite;
        VALORAMA_REQUIRE_SUITE(suite);
        TDM dm;
        dm.DataModuleCreate(suite.serverAddress(), suite.locations());
        dm.sqlcon1.setParam(QStringLiteral("Password"), QStringLiteral("senha-errada-123"));
        try {
            dm.Usuarios.open();
            QFAIL("the login must be refused");
        } catch (const DatabaseError &e) {
            QVERIFY(!e.message().contains(QStringLiteral("senha-errada-123")));
            QVERIFY(!e.where().contains(QStringLiteral("senha-errada-123")));
            QVERIFY(e.message().contains(QStringLiteral("password"), Qt::CaseInsensitive));
        }
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
