#include "AppFixture.h"
#include "SuiteSeed.h"
#include "TestSuite.h"
#include "WorkstationTest.h"

#include "app/TFormSNGPC.h"
#include "data/BulkWriteScope.h"
#include "data/TDM.h"
#include "platform/DBEdit.h"
#include "platform/DBGrid.h"
#include "reports/commissions/CommissionCalculation.h"
#include "reports/commissions/CommissionPanel.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <atomic>
#include <thread>

using namespace valorama;
using namespace valorama::test;

namespace {

void seedOrders(TestSuite &suite)
{
    addOrder(suite, QStringLiteral("01"), 1234, QDate(2008, 3, 1), QStringLiteral("Pedido"), QStringLiteral("ANA"),
             QStringLiteral("100.00"), QStringLiteral("José"));
    addOrder(suite, QStringLiteral("02"), 7, QDate(2008, 3, 31), QStringLiteral("Pedido"), QStringLiteral("ANA"),
             QStringLiteral("50.00"), QStringLiteral("Maria"));
    addOrder(suite, QStringLiteral("01"), 2, QDate(2008, 3, 10), QStringLiteral("Orçam"), QStringLiteral("BIA"),
             QStringLiteral("100"));
    addOrder(suite, QStringLiteral("01"), 3, QDate(2008, 3, 10), QStringLiteral("Pedido"), QString(),
             QStringLiteral("100"));
    addOrder(suite, QStringLiteral("01"), 4, QDate(2008, 3, 10), QStringLiteral("Pedido"), QStringLiteral(""),
             QStringLiteral("100"));
    addOrder(suite, QStringLiteral("01"), 5, QDate(2008, 4, 1), QStringLiteral("Pedido"), QStringLiteral("CARLOS"),
             QStringLiteral("100"));
    addOrder(suite, QStringLiteral("01"), 6, QDate(2008, 3, 15), QStringLiteral("Pedido"), QStringLiteral("D'ÁVILA"),
             QStringLiteral("10.00"));
}

} // namespace

class TestCommissions : public WorkstationTest
{
    Q_OBJECT

    QStringList summary()
    {
        CommissionCalculation(*dm).calculateSummary();
        return suite->textRows(QStringLiteral("select ATENDENTE, COMISSAO from REL_COMISSOES order by ATENDENTE"));
    }

private slots:
    void init()
    {
        startWorkstation();
        VALORAMA_REQUIRE_SUITE(*suite);
        seedOrders(*suite);
        setMainPeriod(*suite, QDate(2008, 3, 1), QDate(2008, 3, 31));
    }

    void cleanup() { stopWorkstation(); }

    void knownAnswers()
    {
        setRate(*suite, QStringLiteral("MP"), 2.5);
        setRate(*suite, QStringLiteral("REV"), 9);
        QCOMPARE(summary(), (QStringList { QStringLiteral("ANA|3.75"), QStringLiteral("D'ÁVILA|0.25") }));
        QCOMPARE(summary(),
                 (QStringList { QStringLiteral("ANA|3.75"), QStringLiteral("D'ÁVILA|0.25") })); // again, the same rows
        QCOMPARE(dm->Comiss.recordCount(), 2);
        QVERIFY(CommissionCalculation::summaryStatement(2.5).contains(QStringLiteral("precofinal*2.5/100")));
        QVERIFY(CommissionCalculation::summaryStatement(3).contains(QStringLiteral("precofinal*3/100")));
    }

    void rateOfThreeAndMissingRate()
    {
        setRate(*suite, QStringLiteral("MP"), 3);
        QCOMPARE(summary(), (QStringList { QStringLiteral("ANA|4.50"), QStringLiteral("D'ÁVILA|0.30") }));
        suite->exec(QStringLiteral("delete from COMISSAO"));
        QCOMPARE(summary(), (QStringList { QStringLiteral("ANA|0.00"), QStringLiteral("D'ÁVILA|0.00") }));
    }

    void periodRows()
    {
        setRate(*suite, QStringLiteral("MP"), 2.5);
        suite->exec(QStringLiteral("insert into PERIODO (DATAINICIAL, DATAFINAL) values (?, ?)"),
                    { QDate(2008, 3, 1), QDate(2008, 3, 31) });
        QCOMPARE(summary(),
                 (QStringList { QStringLiteral("ANA|7.50"), QStringLiteral("D'ÁVILA|0.50") })); // each order twice
        suite->exec(QStringLiteral("delete from PERIODO"));
        QVERIFY(summary().isEmpty());
        setMainPeriod(*suite, QDate(2008, 3, 31), QDate(2008, 3, 1));
        QVERIFY(summary().isEmpty());
    }

    void detailByDate()
    {
        setRate(*suite, QStringLiteral("MP"), 2.5);
        CommissionCalculation(*dm).calculateDetail(QStringLiteral("ANA"));
        QCOMPARE(suite->textRows(QStringLiteral(
                     "select ATENDENTE, DATA, PEDIDO, CLIENTE, VALOR, COMISSAO from REL_COMISSDET order by DATA")),
                 (QStringList { QStringLiteral("ANA|01/03/08|01.1234|José|100.00|2.50"),
                                QStringLiteral("ANA|31/03/08|02.7|Maria|50.00|1.25") }));
        dm->ComissDet.first(); // by date
        QCOMPARE(dm->ComissDet.fieldByName(QStringLiteral("PEDIDO")).asString(), QStringLiteral("01.1234"));
        QCOMPARE(dm->ComissDet.fieldByName(QStringLiteral("VALOR")).displayText(), QStringLiteral("100.00"));
        // A name with a quote is detailed like any other.
        CommissionCalculation(*dm).calculateDetail(QStringLiteral("D'ÁVILA"));
        QCOMPARE(suite->textRows(QStringLiteral("select PEDIDO, COMISSAO from REL_COMISSDET")),
                 QStringList { QStringLiteral("01.6|0.25") });
        CommissionCalculation(*dm).calculateDetail(QStringLiteral("x' or '1'='1"));
        QVERIFY(suite->textRows(QStringLiteral("select PEDIDO from REL_COMISSDET")).isEmpty());
    }

    void twoWorkstationsDoNotInterleave()
    {
        setRate(*suite, QStringLiteral("MP"), 2.5);
        // Workstation 1 holds the table mid-calculation; workstation 2 waits for it, then
        // replaces the table whole.
        std::atomic<bool> done { false };
        std::string failure;
        {
            BulkWriteScope first(dm->sqlcon1, TransactionOptions { false, { QStringLiteral("REL_COMISSOES") } });
            dm->ExecuteDirect(QStringLiteral("delete from REL_COMISSOES"));
            dm->ExecuteDirect(QStringLiteral("insert into REL_COMISSOES values ('PARCIAL', 1)"));
            std::thread second([&] {
                try {
                    TDM other;
                    other.DataModuleCreate(suite->serverAddress(), suite->locations());
                    CommissionCalculation(other).calculateSummary();
                } catch (const std::exception &e) {
                    failure = e.what();
                }
                done = true;
            });
            QTest::qWait(700);
            const bool waited = !done;
            dm->ExecuteDirect(QStringLiteral("insert into REL_COMISSOES values ('PARCIAL 2', 2)"));
            first.commit();
            second.join();
            QVERIFY(waited);
        }
        QVERIFY2(failure.empty(), failure.c_str());
        QCOMPARE(suite->textRows(QStringLiteral("select ATENDENTE, COMISSAO from REL_COMISSOES order by ATENDENTE")),
                 (QStringList { QStringLiteral("ANA|3.75"), QStringLiteral("D'ÁVILA|0.25") }));
    }

    void windowFlow()
    {
        modules.reset();
        setRate(*suite, QStringLiteral("MP"), 2.5);
        suite->closeAttachments();
        AppFixture app(true, false);
        VALORAMA_REQUIRE_SUITE(app.suite);
        seedOrders(app.suite);
        setRate(app.suite, QStringLiteral("MP"), 2.5);
        app.start();
        QVERIFY(app.showAndActivate());
        QVERIFY(app.login(QStringLiteral("ADMIN"), QStringLiteral("1234")));
        app.messages.clear();
        TFormSNGPC &form = *app.form;
        form.Resumido1->trigger();
        CommissionPanel &panel = *form.PainelComissoes;
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.geometry(), QRect(8, 8, 929, 543));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(panel.DBEdit1));
        QTest::qWait(10);
        QTest::keyClicks(panel.DBEdit1, QStringLiteral("010308"));
        panel.DBEdit2->setFocus();
        QTest::qWait(10);
        QTest::keyClicks(panel.DBEdit2, QStringLiteral("310308"));
        panel.BitBtn7->click();
        QVERIFY2(app.messages.texts.isEmpty(), qPrintable(app.messages.texts.join(QLatin1Char('|'))));
        const DataSetTableModel &model = *panel.DBGrid2->dataModel();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("COMISSÃO (R$)"));
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("ANA"));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("3.75"));
        QCOMPARE(app.suite.query(QStringLiteral("select count(*) from PERIODO")).rows[0][0], Value { qint64(1) });

        panel.DBGrid2->setCurrentIndex(model.index(0, 1)); // the user picks ANA's row
        panel.Detalharcomisso1->trigger();
        QVERIFY(panel.PainelDetalhaComissao->isVisible());
        QCOMPARE(panel.Panel2->text(), QStringLiteral("Detalhamento da comissão de ANA"));
        const DataSetTableModel &detail = *panel.DBGrid3->dataModel();
        QCOMPARE(detail.rowCount(), 2);
        QCOMPARE(detail.index(0, 2).data().toString(), QStringLiteral("01.1234"));
        QCOMPARE(detail.index(0, 1).data().toString(), QStringLiteral("01/03/08"));
        QCOMPARE(detail.headerData(4, Qt::Horizontal).toString(), QStringLiteral("Valor Pedido (R$)"));
        panel.BitBtn8->click();
        QVERIFY(!panel.PainelDetalhaComissao->isVisible());

        // Ctrl+Delete, confirmed, deletes the summary row at once.
        panel.DBGrid2->setFocus();
        panel.DBGrid2->setCurrentIndex(model.index(1, 0));
        QTest::keyClick(panel.DBGrid2, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(app.messages.texts, QStringList { QStringLiteral("Delete record?") });
        QCOMPARE(app.suite.textRows(QStringLiteral("select ATENDENTE from REL_COMISSOES")),
                 QStringList { QStringLiteral("ANA") });
        panel.BitBtn6->click();
        QVERIFY(!panel.isVisible());
    }
};

QTEST_MAIN(TestCommissions)
#include "tst_commissions.moc"
