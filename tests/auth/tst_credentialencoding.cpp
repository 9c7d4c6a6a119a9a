#include "auth/CredentialEncoding.h"

#include <QRandomGenerator>
#include <QTest>

using namespace valorama;

namespace {

// The arithmetic statement of the encoding: rotate the whole number left by three bits and
// spell its bytes from the least significant one.
QByteArray reference(QByteArrayView in)
{
    const qsizetype n = in.size();
    if (n == 0)
        return {};
    QByteArray bits;
    for (char c : in)
        for (int b = 7; b >= 0; --b)
            bits.append((static_cast<unsigned char>(c) >> b) & 1 ? '1' : '0');
    bits = bits.mid(3) + bits.left(3);
    QByteArray out;
    for (qsizetype end = bits.size(); end > 0; end -= 8) {
        const int v = bits.mid(end - 8, 8).toInt(nullptr, 2);
        out.append(char('A' + (v >> 4)));
        out.append(char('A' + (v & 15)));
    }
    return out;
}

} // namespace

class TestCredentialEncoding : public QObject
{
    Q_OBJECT

private slots:
    void knownAnswers_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("worked example") << QByteArray("ABC") << QByteArray("BKBCAK");
        QTest::newRow("A") << QByteArray("A") << QByteArray("AK");
        QTest::newRow("code 0") << QByteArray(1, '\0') << QByteArray("AA");
        QTest::newRow("code 255") << QByteArray(1, '\xff') << QByteArray("PP");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("lower case is not upper-cased") << QByteArray("abc") << reference("abc");
    }

    void knownAnswers()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QCOMPARE(EncodeCredential(input), expected);
    }

    void agreesWithTheBitTextDefinition()
    {
        auto *rng = QRandomGenerator::global();
        for (int round = 0; round < 2000; ++round) {
            QByteArray in(rng->bounded(0, MaxCredentialLength + 1), Qt::Uninitialized);
            for (char &c : in)
                c = char(rng->bounded(256)); // bytes 128-255 included
            const QByteArray out = EncodeCredential(in);
            QCOMPARE(out.size(), 2 * in.size());
            for (char c : out)
                QVERIFY(c >= 'A' && c <= 'P');
            QCOMPARE(out, reference(in));
        }
        QVERIFY(EncodeCredential("abc") != EncodeCredential("ABC"));
    }
};

QTEST_GUILESS_MAIN(TestCredentialEncoding)
#include "tst_credentialencoding.moc"
