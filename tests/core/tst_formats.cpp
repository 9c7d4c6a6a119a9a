#include "core/Cp1252.h"
#include "core/Decimal.h"
#include "core/Formats.h"

#include <QLocale>
#include <QTest>

using namespace valorama;

class TestFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Whatever the workstation's regional settings say, the program's formats hold.
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    }

    void dates()
    {
        QCOMPARE(Formats::date(QDate(2008, 3, 31)), QStringLiteral("31/03/08"));
        QCOMPARE(Formats::shortTime(QTime(7, 5)), QStringLiteral("07:05"));
        QCOMPARE(Formats::time(QTime(7, 5, 9)), QStringLiteral("07:05:09"));
        QCOMPARE(Formats::parseDate(QStringLiteral("31/03/08"), 2026), QDate(2008, 3, 31));
        QCOMPARE(*Formats::parseDate(QStringLiteral("01/01/76"), 2026), QDate(1976, 1, 1));
        QCOMPARE(*Formats::parseDate(QStringLiteral("01/01/75"), 2026), QDate(2075, 1, 1));
        QCOMPARE(*Formats::parseDate(QStringLiteral("01/01/77"), 2026), QDate(1977, 1, 1));
        QVERIFY(!Formats::parseDate(QStringLiteral("31/02/08")));
        QVERIFY(!Formats::parseDate(QStringLiteral("  /  /  ")));
        QVERIFY(!Formats::parseDate(QStringLiteral("99/99/99")));
    }

    void numbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.5") << 2.5 << QStringLiteral("2.5");
        QTest::newRow("3") << 3.0 << QStringLiteral("3");
        QTest::newRow("0.1") << 0.1 << QStringLiteral("0.1");
        QTest::newRow("1/3") << 1.0 / 3 << QStringLiteral("0.333333333333333");
        QTest::newRow("negative") << -12.75 << QStringLiteral("-12.75");
    }

    void numbers()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Formats::generalFloat(value), text);
    }

    void strictParsing()
    {
        QCOMPARE(*Formats::parseFloat(QStringLiteral("10.5")), 10.5);
        QVERIFY(!Formats::parseFloat(QStringLiteral("10,5")));
        QVERIFY(!Formats::parseFloat(QStringLiteral("abc")));
        QCOMPARE(*Formats::parseInteger(QStringLiteral("60")), 60);
        QVERIFY(!Formats::parseInteger(QStringLiteral("6O")));
        QCOMPARE(Formats::floatConversionMessage(QStringLiteral("x")),
                 QStringLiteral("'x' is not a valid floating point value"));
    }

    void decimals()
    {
        QCOMPARE(Decimal::parse(QStringLiteral("1234.5"), 2)->toString(), QStringLiteral("1234.50"));
        QCOMPARE(Decimal::parse(QStringLiteral("0.285"), 2)->units, 29); // half away from zero
        QCOMPARE(Decimal::parse(QStringLiteral("-0.285"), 2)->units, -29);
        QVERIFY(!Decimal::parse(QStringLiteral("1,5"), 2));
        QVERIFY(!Decimal::parse(QStringLiteral("abc"), 2));
        QVERIFY(!Decimal::parse(QStringLiteral("99999999999999999999"), 2));
        QCOMPARE((Decimal { 1050, 2 }.roundHalfEven()), 10);
        QCOMPARE((Decimal { 1150, 2 }.roundHalfEven()), 12);
        QCOMPARE((Decimal { 1051, 2 }.roundHalfEven()), 11);
        QCOMPARE((Decimal { -1150, 2 }.roundHalfEven()), -12);
        QCOMPARE((Decimal { 123456789, 2 }.format(QStringLiteral("#,##0.00"))), QStringLiteral("1,234,567.89"));
        QCOMPARE((Decimal { -5, 2 }.format(QStringLiteral("0.00"))), QStringLiteral("-0.05"));
        QCOMPARE((Decimal { 123456789, 8 }.rescaled(2)->toString()), QStringLiteral("1.23"));
    }

    void cnpjAndUpperCase()
    {
        QCOMPARE(FormatCnpj(QStringLiteral("ABCDEFGHIJKLMN")), QStringLiteral("AB.CDE.FGH/IJKL-MN"));
        QCOMPARE(FormatCnpj(QString()), QStringLiteral("../-"));
        QCOMPARE(FormatCnpj(QStringLiteral("12.345")), QStringLiteral("12.345"));
        QCOMPARE(asciiUpper(QStringLiteral("joão")), QStringLiteral("JOãO"));
    }

    void codePage()
    {
        const QString text = QStringLiteral("Ação € ‰ ÿ");
        QCOMPARE(decodeCp1252(encodeCp1252(text)), text);
        QCOMPARE(encodeCp1252(QStringLiteral("€")), QByteArray("\x80"));
    }
};

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
