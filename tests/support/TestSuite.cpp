#include "TestSuite.h"

#include "data/FbClientLibrary.h"
#include "data/ValueText.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>

namespace valorama::test {

QString TestSuite::fixtureDir()
{
    const QString dir = qEnvironmentVariable("VALORAMA_FIXTURE_DIR");
    return dir.isEmpty() ? QStringLiteral(VALORAMA_SOURCE_DIR "/.fixture") : dir;
}

int TestSuite::fixturePort()
{
    const int port = qEnvironmentVariableIntValue("VALORAMA_FIXTURE_PORT");
    return port ? port : 3057;
}

static QString testsFolder()
{
    const QString folder = TestSuite::fixtureDir() + QStringLiteral("/tests");
    QDir().mkpath(folder);
    return folder;
}

TestSuite::TestSuite() : m_dir(testsFolder() + QStringLiteral("/suite-XXXXXX"))
{
    QTcpSocket probe;
    probe.connectToHost(QStringLiteral("127.0.0.1"), quint16(fixturePort()));
    if (!probe.waitForConnected(2000)) {
        m_error = QStringLiteral("Firebird fixture is not running on 127.0.0.1:%1 (scripts/fixture.sh start)")
                      .arg(fixturePort());
        return;
    }
    probe.close();
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("cannot create %1").arg(m_dir.path());
        return;
    }
    QDir(m_dir.path()).mkpath(QStringLiteral("dados"));
    QDir(m_dir.path()).mkpath(QStringLiteral("Interfac"));
    const QString templates = fixtureDir() + QStringLiteral("/templates/");
    if (!QFile::copy(templates + QStringLiteral("main.fdb"), mainPath())
        || !QFile::copy(templates + QStringLiteral("interface.fdb"), interfacePath())) {
        m_error = QStringLiteral("cannot copy the fixture templates from %1").arg(templates);
        return;
    }
    m_ok = true;
}

TestSuite::~TestSuite()
{
    closeAttachments();
}

void TestSuite::closeAttachments()
{
    m_main.reset();
    m_interface.reset();
}

QString TestSuite::serverAddress() const
{
    return QStringLiteral("127.0.0.1/%1").arg(fixturePort());
}

QString TestSuite::mainPath() const
{
    return m_dir.path() + QStringLiteral("/dados/quintora.bd");
}

QString TestSuite::interfacePath() const
{
    return m_dir.path() + QStringLiteral("/Interfac/quintora.bd");
}

SuiteLocations TestSuite::locations() const
{
    SuiteLocations l;
    l.clientLibraryLocationFile = m_dir.path() + QStringLiteral("/CaminhoGDS.txt"); // absent
    l.mainDatabase = mainPath();
    l.interfaceFolder = m_dir.path() + QStringLiteral("/Interfac");
    l.interfaceFile = QStringLiteral("/quintora.bd");
    return l;
}

FbAttachment &TestSuite::attachment(bool interface)
{
    auto &slot = interface ? m_interface : m_main;
    if (!slot) {
        AttachmentParams p;
        p.database = serverAddress() + QLatin1Char(':') + (interface ? interfacePath() : mainPath());
        p.user = QStringLiteral("SYSDBA");
        p.password = QStringLiteral("q7Rv2wLpZ");
        p.charset = QStringLiteral("WIN1252");
        slot = std::make_unique<FbAttachment>(FbClientLibrary::master(SuiteLocations::defaultClientLibraryName()), p);
    }
    return *slot;
}

qint64 TestSuite::exec(const QString &sql, const QList<Value> &params, bool interface)
{
    auto &att = attachment(interface);
    auto tx = att.begin();
    const qint64 n = att.run(*tx, sql, params, true).affected;
    tx->commit();
    return n;
}

ResultTable TestSuite::query(const QString &sql, const QList<Value> &params, bool interface)
{
    auto &att = attachment(interface);
    auto tx = att.begin();
    ResultTable r = att.run(*tx, sql, params);
    tx->commit();
    return r;
}

QStringList TestSuite::textRows(const QString &sql, const QList<Value> &params, bool interface)
{
    QStringList out;
    for (const Row &row : query(sql, params, interface).rows) {
        QStringList cells;
        for (const Value &v : row)
            cells << valueToText(v);
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

SuiteModules::SuiteModules(TestSuite &suite)
{
    dm.DataModuleCreate(suite.serverAddress(), suite.locations());
    dm2.DataModuleCreate(suite.serverAddress(), QString(), suite.locations());
}

} // namespace valorama::test
