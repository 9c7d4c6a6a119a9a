#include "TestSuite.h"
#include "WorkstationTest.h"

#include "core/Formats.h"
#include "data/TDM.h"
#include "platform/printing/ReportDocument.h"
#include "platform/printing/ReportRenderer.h"
#include "reports/payments/PaymentListing.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace valorama;
using namespace valorama::test;

namespace {

const QDate Today(2026, 12, 11);
const QString Title = QStringLiteral("Valor Total por Forma de Pagamento");

} // namespace

class TestPaymentListing : public WorkstationTest
{
    Q_OBJECT

    GridListingSource source;

    void fill(const QList<std::pair<QString, QString>> &rows)
    {
        for (const auto &[method, value] : rows)
            suite->exec(
                QStringLiteral("insert into VALORPORFP (FORMAPAG, VALOR, CNPJ, ESTLOCAL) values (?, ?, 'A', '01')"),
                { method, *Decimal::parse(value, 2) });
        dm->ValorFP.close();
        dm->SQLDS_ValorFP.setCommandText(QStringLiteral("select FORMAPAG, VALOR from VALORPORFP ORDER BY VALOR DESC"));
        dm->ValorFP.open();
    }

    void fillCount(int n)
    {
        QList<std::pair<QString, QString>> rows;
        for (int i = 0; i < n; ++i)
            rows.append({ QStringLiteral("FORMA %1").arg(i, 2, 10, QLatin1Char('0')), QString::number(1000 - i) });
        fill(rows);
    }

    ReportDocument print(const ListingSettingsTexts &texts = {})
    {
        ReportDocument doc;
        PaymentListing::PrintGridListing(
            doc, source, texts, Title,
            [] {
                return std::optional<ListingPeriod>({ QDate(2008, 3, 1), QDate(2008, 3, 31) });
            },
            Today);
        return doc;
    }

private slots:
    void init()
    {
        startWorkstation();
        VALORAMA_REQUIRE_SUITE(*suite);
        source = GridListingSource { &dm->ValorFP,
                                     { { QStringLiteral("FORMAPAG"), QStringLiteral(" Forma de Pagamento") },
                                       { QStringLiteral("VALOR"), QStringLiteral(" Valor R$") } },
                                     { QString(), QString() } };
    }

    void cleanup() { stopWorkstation(); }

    void defaults()
    {
        fill({ { QStringLiteral("DINHEIRO"), QStringLiteral("1234.5") },
               { QStringLiteral("PIX"), QStringLiteral("99.99") },
               { QStringLiteral("CARTÃO DE CRÉDITO"), QStringLiteral("7") } });
        const ReportDocument doc = print();
        QCOMPARE(doc.pages().size(), 1);
        const QStringList expected = {
            Title,
            QStringLiteral("Periodo: 01/03/08 a 31/03/08    Data Emissão: 11/12/26"),
            QStringLiteral("Forma de Pagamento    Valor R$ "),
            QStringLiteral("DINHEIRO              1234.50  "),
            QStringLiteral("PIX                   99.99    "),
            QStringLiteral("CARTÃO DE CRÉDITO     7.00     "),
        };
        QCOMPARE(doc.pageLines(0), expected);
        QCOMPARE(ReportRenderer::toPlainText(doc), expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));

        // Positions and fonts, in report units.
        const QList<ReportTextOp> &ops = doc.pages()[0].ops;
        QCOMPARE(ops[0].text, Title);
        QCOMPARE(ops[0].x, 2.0);
        QCOMPARE(ops[0].font, (ReportFont { QStringLiteral("Lucida Console"), 13, true, true }));
        QCOMPARE(ops[1].x, 2.0);
        QCOMPARE(ops[1].y, 1.5);
        QCOMPARE(ops[1].font, (ReportFont { QStringLiteral("Lucida Console"), 10, false, false }));
        QCOMPARE(ops[2].text, QStringLiteral("Forma de Pagamento "));
        QCOMPARE(ops[2].y, 1.85);
        QCOMPARE(ops[2].font, (ReportFont { QStringLiteral("Lucida Console"), 10, false, true }));
        QVERIFY(ops[3].x > ops[2].x);
        QCOMPARE(ops[3].text, QStringLiteral("   Valor R$ "));
        const double line = ReportDocument::lineHeightOf(ops[1].font, 1.77);
        QCOMPARE(ops[4].text, QStringLiteral("DINHEIRO           "));
        QCOMPARE(ops[4].x, 2.0);
        QVERIFY(qAbs(ops[4].y - (1.85 + line)) < 1e-9);
        QVERIFY(qAbs(ops[6].y - (1.85 + 2 * line)) < 1e-9);
        QCOMPARE(ops[4].font, (ReportFont { QStringLiteral("Lucida Console"), 10, false, false }));
        QCOMPARE(dm->ValorFP.recNo(), 2); // the listing leaves the dataset on its last row
    }

    void noRows()
    {
        fill({});
        const ReportDocument doc = print();
        QCOMPARE(doc.pages().size(), 1);
        QCOMPARE(doc.pageLines(0).value(2), QStringLiteral("Forma de Pagamento    Valor R$ "));
        QCOMPARE(doc.pageLines(0).size(), 3);
    }

    void pagination_data()
    {
        QTest::addColumn<QString>("linesPerPage");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("rowsPerPage");
        QTest::newRow("exactly N-1 rows") << QStringLiteral("10") << 9 << QList<int> { 9 };
        QTest::newRow("twice N-1 rows") << QStringLiteral("10") << 18 << QList<int> { 9, 9 };
        QTest::newRow("one more") << QStringLiteral("10") << 19 << QList<int> { 9, 9, 1 };
        QTest::newRow("one line a page") << QStringLiteral("1") << 3 << QList<int> { 1, 1, 1 };
        QTest::newRow("two lines a page") << QStringLiteral("2") << 3 << QList<int> { 1, 1, 1 };
        QTest::newRow("default 60") << QStringLiteral("60") << 60 << QList<int> { 59, 1 };
    }

    void pagination()
    {
        QFETCH(QString, linesPerPage);
        QFETCH(int, rows);
        QFETCH(QList<int>, rowsPerPage);
        fillCount(rows);
        ListingSettingsTexts texts;
        texts.linesPerPage = linesPerPage;
        const ReportDocument doc = print(texts);
        QList<int> counted;
        for (int p = 0; p < doc.pages().size(); ++p) {
            const QStringList lines = doc.pageLines(p);
            QCOMPARE(lines.value(0), Title); // the heading on every page
            QCOMPARE(lines.value(2), QStringLiteral("Forma de Pagamento    Valor R$ "));
            counted << int(lines.size()) - 3;
        }
        QCOMPARE(counted, rowsPerPage);
    }

    void longMethodsWidenTheColumn()
    {
        fillCount(30); // the column titles stay aligned with the data on every page
        dm->ValorFP.close();
        suite->exec(QStringLiteral("update VALORPORFP set FORMAPAG = ? where VALOR = 1000"),
                    { QString(30, QLatin1Char('M')) });
        dm->ValorFP.open();
        ListingSettingsTexts texts;
        texts.linesPerPage = QStringLiteral("20");
        const ReportDocument doc = print(texts);
        QCOMPARE(doc.pages().size(), 2);
        for (int p = 0; p < 2; ++p)
            QCOMPARE(doc.pageLines(p).value(2),
                     QStringLiteral("Forma de Pagamento") + QString(12, QLatin1Char(' '))
                         + QStringLiteral("   Valor R$ "));
        QCOMPARE(doc.pageLines(0).value(3), QString(30, QLatin1Char('M')) + QStringLiteral("   1000.00  "));
    }

    void switches_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("titleBold");
        QTest::addColumn<QString>("issueLine");
        QTest::addColumn<bool>("bold");
        const QString withPeriod = QStringLiteral("Periodo: 01/03/08 a 31/03/08    Data Emissão: 11/12/26");
        const QString withoutPeriod = QStringLiteral("Data Emissão: 11/12/26");
        QTest::newRow("N") << QStringLiteral("N") << QStringLiteral("S") << withoutPeriod << true;
        QTest::newRow("s counts as on") << QStringLiteral("s") << QStringLiteral("s") << withPeriod << false;
        QTest::newRow("Sim counts as off") << QStringLiteral("Sim") << QStringLiteral("Sim") << withoutPeriod << true;
    }

    void switches()
    {
        QFETCH(QString, period);
        QFETCH(QString, titleBold);
        QFETCH(QString, issueLine);
        QFETCH(bool, bold);
        fill({ { QStringLiteral("PIX"), QStringLiteral("1") } });
        ListingSettingsTexts texts;
        texts.periodLine = period;
        texts.titleBold = titleBold;
        texts.titleSize = QStringLiteral("10.5");
        const ReportDocument doc = print(texts);
        QCOMPARE(doc.pageLines(0).value(1), issueLine);
        QCOMPARE(doc.pages()[0].ops[0].font.bold, bold);
        QCOMPARE(doc.pages()[0].ops[0].font.points, 10.5);
    }

    void settingThatIsNotANumber_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("margin") << QStringLiteral("titleLeft") << QStringLiteral("2,5")
                                << QStringLiteral("'2,5' is not a valid floating point value");
        QTest::newRow("lines") << QStringLiteral("linesPerPage") << QStringLiteral("sessenta")
                               << QStringLiteral("'sessenta' is not a valid integer value");
        QTest::newRow("size") << QStringLiteral("bodySize") << QStringLiteral("'; drop table X")
                              << QStringLiteral("''; drop table X' is not a valid floating point value");
    }

    void settingThatIsNotANumber()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        fill({ { QStringLiteral("PIX"), QStringLiteral("1") } });
        ListingSettingsTexts texts;
        if (field == QLatin1String("titleLeft"))
            texts.titleLeft = text;
        if (field == QLatin1String("linesPerPage"))
            texts.linesPerPage = text;
        if (field == QLatin1String("bodySize"))
            texts.bodySize = text;
        ReportDocument doc;
        try {
            PaymentListing::PrintGridListing(doc, source, texts, Title, {}, Today);
            QFAIL("the listing must stop");
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()), message);
        }
        QVERIFY(doc.pages()[0].ops.isEmpty()); // nothing drawn
    }

    void pdfCarriesTheListing()
    {
        fillCount(70);
        const ReportDocument doc = print();
        const QString pdf = suite->folder() + QStringLiteral("/listagem.pdf");
        QString error;
        QVERIFY2(ReportRenderer::writePdf(doc, pdf, &error), qPrintable(error));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), { pdf });
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
        QVERIFY(text.waitForFinished());
        const QString out = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(out.count(Title), 2);
        QVERIFY2(out.contains(QStringLiteral("Periodo: 01/03/08 a 31/03/08")), qPrintable(out.left(400)));
        QVERIFY(out.contains(QStringLiteral("Data Emissão: 11/12/26")));
        QVERIFY(out.contains(QStringLiteral("FORMA 00")));
        QVERIFY(out.contains(QStringLiteral("FORMA 69")));
    }
};

QTEST_MAIN(TestPaymentListing)
#include "tst_paymentlisting.moc"
