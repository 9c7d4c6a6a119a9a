#pragma once

#include "TestSuite.h"
#include "app/SharedValues.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace valorama::test {

// Base of the tests that work on one workstation's data modules over a fresh copy of the
// suite: DM and DM2, the shared values, and the messages the program shows.
class WorkstationTest : public QObject
{
protected:
    // Call from init(), then VALORAMA_REQUIRE_SUITE(*suite): without the fixture the suite
    // is not usable and the modules are not made.
    void startWorkstation();
    // Call from cleanup().
    void stopWorkstation();

    std::unique_ptr<TestSuite> suite;
    std::unique_ptr<SuiteModules> modules;
    TDM *dm = nullptr;
    TDM2 *dm2 = nullptr;
    SharedValues values;
    QStringList messages;
};

} // namespace valorama::test
