#include "config/SuiteConfiguration.h"
#include "config/SuiteConfigurationLabels.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace valorama;

namespace {

const QByteArray Server = CentralServerAddressLabel;
const QByteArray Log = "LOG DE ATIVIDADES..............................:";
const QByteArray Wide30 = "MODELO DA REQUISICAO...........................:";
const QByteArray Backup = "CAMINHO DO BACKUP MANUAL DO BD DO SISTEMA......:";

QByteArray line(const QByteArray &label, const QByteArray &value, char separator = ' ')
{
    return label + separator + value;
}

} // namespace

class TestSuiteConfiguration : public QObject
{
    Q_OBJECT

private:
    SuiteConfiguration readBytes(const QByteArray &bytes)
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("QUINTORA.INI")));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.close();
        SuiteConfiguration c;
        const auto result = c.read(dir.path());
        if (result != SuiteConfiguration::ReadResult::Read)
            qWarning("read failed");
        return c;
    }

private slots:
    void labelTableIsComplete()
    {
        QCOMPARE(suiteSettingLabels().size(), size_t(134));
        for (const auto &l : suiteSettingLabels()) {
            QCOMPARE(qstrlen(l.label), 48u);
            QCOMPARE(l.label[47], ':');
        }
    }

    void values_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("label");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("plain") << line(Server, "192.168.0.10\r\n") << Server << QByteArray("192.168.0.10");
        QTest::newRow("later line wins") << line(Server, "a\r\n") + line(Server, "b\r\n") << Server << QByteArray("b");
        QTest::newRow("lone LF") << line(Server, "x\n") + line(Log, "SIM\n") << Log << QByteArray("SIM");
        QTest::newRow("lower-case label skipped") << line(Server.toLower(), "x\r\n") << Server << QByteArray();
        QTest::newRow("one dot less skipped")
            << line("IP DO SERVIDOR CENTRAL........................:", "x") << Server << QByteArray();
        QTest::newRow("exactly 48 characters") << line(Server, "old\r\n") + Server + "\r\n" << Server << QByteArray("");
        QTest::newRow("column 49 never read") << line(Server, "value", 'Z') << Server << QByteArray("value");
        QTest::newRow("spaces trimmed, tabs kept") << line(Server, "   \thost\t  ") << Server << QByteArray("\thost\t");
        QTest::newRow("width 3") << line(Log, "ABCDEF") << Log << QByteArray("ABC");
        QTest::newRow("width 30") << line(Wide30, QByteArray(45, 'x')) << Wide30 << QByteArray(30, 'x');
        QTest::newRow("width 60") << line(Server, QByteArray(60, 'y') + "zzz") << Server << QByteArray(60, 'y');
        QTest::newRow("beyond column 109 ignored")
            << line(Backup, QByteArray(59, 'b') + " tail") << Backup << QByteArray(59, 'b');
        QTest::newRow("no final newline") << line(Server, "last") << Server << QByteArray("last");
        QTest::newRow("empty file") << QByteArray() << Server << QByteArray();
        QTest::newRow("NUL bytes in value") << line(Server, QByteArray("a\0b", 3)) << Server << QByteArray("a\0b", 3);
        QTest::newRow("binary noise") << QByteArray("\xff\xfe\x00\x01\r\r\n\x80\n", 9) + line(Server, "ok") << Server
                                      << QByteArray("ok");
    }

    void values()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, label);
        QFETCH(QByteArray, expected);
        QCOMPARE(readBytes(file).value(label), expected);
    }

    void longLinesDoNotHurt()
    {
        const QByteArray huge = QByteArray(100000, 'q') + "\r\n" + line(Server, "h");
        QCOMPARE(readBytes(huge).value(Server), QByteArray("h"));
    }

    void accentedAddressDecodesFromTheCodePage()
    {
        QCOMPARE(readBytes(line(Server, "s\xe3o")).centralServerAddress(), QStringLiteral("são"));
    }

    void missingFile()
    {
        QTemporaryDir dir;
        SuiteConfiguration c;
        QCOMPARE(c.read(dir.path()), SuiteConfiguration::ReadResult::Missing);
    }

    void directoryIsUnreadable()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("QUINTORA.INI"));
        SuiteConfiguration c;
        QCOMPARE(c.read(dir.path()), SuiteConfiguration::ReadResult::Unreadable);
        QVERIFY(c.errorString().contains(QStringLiteral("QUINTORA.INI")));
        QVERIFY(c.centralServerAddress().isEmpty());
    }

    void unreadableFile()
    {
        if (geteuid() == 0)
            QSKIP("root reads files regardless of permissions");
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("QUINTORA.INI")));
        f.open(QIODevice::WriteOnly);
        f.write(line(Server, "x"));
        f.close();
        f.setPermissions({});
        SuiteConfiguration c;
        QCOMPARE(c.read(dir.path()), SuiteConfiguration::ReadResult::Unreadable);
    }
};

QTEST_GUILESS_MAIN(TestSuiteConfiguration)
#include "tst_suiteconfiguration.moc"
