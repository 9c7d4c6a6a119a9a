#include "AppFixture.h"
#include "SuiteSeed.h"

#include "app/TFormSNGPC.h"
#include "auth/LoginPanel.h"
#include "data/FbAttachment.h"
#include "data/TDM.h"
#include "platform/DBEdit.h"
#include "platform/DBGrid.h"
#include "reports/commissions/CommissionPanel.h"
#include "reports/payments/ParameterPanel.h"

#include <QAction>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using namespace valorama;
using namespace valorama::test;

// No statement of the program is made by pasting a value into its text: values are bound.
class TestSqlText : public QObject
{
    Q_OBJECT

private slots:
    void sourcesPasteNoValueBetweenQuotes()
    {
        // The suite's old way: "... = '" + value + "'". A literal that opens or closes an SQL
        // string at its edge and is joined to something else is that pattern.
        const QRegularExpression opensQuote(QStringLiteral("'\"\\)?\\s*\\+"));
        const QRegularExpression closesQuote(QStringLiteral("\\+\\s*(QStringLiteral|QLatin1String)?\\(?\"'"));
        const QRegularExpression argInQuotes(QStringLiteral("'%\\d'"));
        QStringList offenders;
        QDirIterator it(QStringLiteral(VALORAMA_SOURCE_DIR "/src"), { QStringLiteral("*.cpp"), QStringLiteral("*.h") },
                        QDir::Files, QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            ++files;
            int number = 0;
            for (const QByteArray &raw : f.readAll().split('\n')) {
                ++number;
                const QString line = QString::fromUtf8(raw);
                if (line.trimmed().startsWith(QLatin1String("//")))
                    continue;
                const bool sql = line.contains(
                    QRegularExpression(QStringLiteral("\\b(select|insert|update|delete|where|from|values)\\b"),
                                       QRegularExpression::CaseInsensitiveOption));
                if (sql
                    && (opensQuote.match(line).hasMatch() || closesQuote.match(line).hasMatch()
                        || argInQuotes.match(line).hasMatch()))
                    offenders << QStringLiteral("%1:%2: %3").arg(it.fileName()).arg(number).arg(line.trimmed());
            }
        }
        QVERIFY(files > 40);
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }

    void typedValuesNeverReachTheStatementText()
    {
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        const QString evil = QStringLiteral("Z'Q\"; --");
        addUser(app.suite, QStringLiteral("ADMIN2"), QStringLiteral("1234"));
        addStation(app.suite, QStringLiteral("02"), QStringLiteral("admin2"), StoreA);
        addOrder(app.suite, QStringLiteral("01"), 1, QDate(2008, 3, 5), QStringLiteral("Pedido"), evil,
                 QStringLiteral("30"));
        addPayment(app.suite, QStringLiteral("01"), 1, evil, 1, QStringLiteral("30"));
        setRate(app.suite, QStringLiteral("MP"), 2.5);
        setMainPeriod(app.suite, QDate(2008, 3, 1), QDate(2008, 3, 31));
        QStringList statements; // from here on, only the program's own
        FbAttachment::setStatementObserver([&](const QString &sql) { statements << sql; });
        const auto restore = qScopeGuard([] { FbAttachment::setStatementObserver({}); });
        QVERIFY(app.showAndActivate());
        // Typed texts: a name, a password, a store, an order type, dates.
        QVERIFY(!app.login(evil, evil));
        QVERIFY(app.login(QStringLiteral("admin"), QStringLiteral("1234")));
        TFormSNGPC &form = *app.form;
        form.Sada2->trigger();
        form.PainelConfig->ComboBox2->setEditText(evil);
        form.PainelConfig->ComboBox1->setEditText(evil);
        for (DBEdit *e : { form.PainelConfig->DBEdit9, form.PainelConfig->DBEdit10 }) {
            e->setFocus();
            e->home(false);
            QTest::keyClicks(e, QStringLiteral("010308"));
        }
        form.PainelConfig->BitBtn1->click();
        form.PainelConfig->ComboBox2->setEditText(StoreA);
        form.Sada2->trigger();
        form.PainelConfig->ComboBox2->setEditText(StoreA);
        form.PainelConfig->ComboBox1->setEditText(evil);
        form.PainelConfig->BitBtn1->click();
        form.Resumido1->trigger();
        form.PainelComissoes->BitBtn7->click();
        form.PainelComissoes->Detalharcomisso1->trigger();
        form.PainelComissoes->BitBtn8->click();
        // A grid cell typed with the same text, and the row left: the update binds it.
        DBGrid &grid = *form.PainelComissoes->DBGrid2;
        QCOMPARE(grid.dataModel()->rowCount(), 1);
        QVERIFY(grid.dataModel()->setData(grid.dataModel()->index(0, 0), evil + QStringLiteral("2")));
        DM->Comiss.post();
        QCOMPARE(app.suite.textRows(QStringLiteral("select ATENDENTE from REL_COMISSOES")),
                 QStringList { evil + QStringLiteral("2") });
        QCOMPARE(app.suite.textRows(QStringLiteral("select ATENDENTE from REL_COMISSDET")), QStringList { evil });

        QVERIFY(statements.size() > 20);
        const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
        const QStringList allowed = { QStringLiteral("REV"), QStringLiteral("HOM"), QStringLiteral("Pedido"),
                                      QStringLiteral("."), QString() };
        for (const QString &sql : std::as_const(statements)) {
            QVERIFY2(!sql.contains(QStringLiteral("Z'Q")), qPrintable(sql));
            for (auto m = quoted.globalMatch(sql); m.hasNext();) {
                const QString literal = m.next().captured(1);
                QVERIFY2(allowed.contains(literal),
                         qPrintable(QStringLiteral("literal '%1' in: %2").arg(literal, sql)));
            }
        }
    }
};

QTEST_MAIN(TestSqlText)
#include "tst_sqltext.moc"
