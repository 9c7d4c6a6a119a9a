#pragma once

#include "data/FbAttachment.h"
#include "data/SuiteLocations.h"
#include "data/TDM.h"
#include "data/TDM2.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace valorama::test {

// A fresh copy of the fixture's template databases, served by the fixture's Firebird server.
// The fixture is started by scripts/fixture.sh; without it the constructor fails the test.
class TestSuite
{
public:
    TestSuite();
    ~TestSuite();

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    // What QUINTORA.INI would hold as "IP DO SERVIDOR CENTRAL".
    QString serverAddress() const;
    SuiteLocations locations() const;
    QString mainPath() const;
    QString interfacePath() const;
    QString folder() const { return m_dir.path(); }

    // Helpers that write and read the copies through their own attachments.
    qint64 exec(const QString &sql, const QList<Value> &params = {}, bool interface = false);
    ResultTable query(const QString &sql, const QList<Value> &params = {}, bool interface = false);
    // The rows of a select, each as its values' texts joined by "|".
    QStringList textRows(const QString &sql, const QList<Value> &params = {}, bool interface = false);
    void closeAttachments();

    static QString fixtureDir();
    static int fixturePort();

private:
    FbAttachment &attachment(bool interface);

    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_error;
    std::unique_ptr<FbAttachment> m_main;
    std::unique_ptr<FbAttachment> m_interface;
};

// DM and DM2 of one workstation over the suite's copies.
struct SuiteModules
{
    explicit SuiteModules(TestSuite &suite);
    TDM dm;
    TDM2 dm2;
};

// Fails the calling test when the fixture copy could not be made.
#define VALORAMA_REQUIRE_SUITE(suite)                                                                                  \
    do {                                                                                                               \
        if (!(suite).ok())                                                                                             \
            QFAIL(qPrintable((suite).error()));                                                                        \
    } while (0)

} // namespace valorama::test
