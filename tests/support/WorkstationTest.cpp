#include "WorkstationTest.h"

#include "platform/Messages.h"

namespace valorama::test {

void WorkstationTest::startWorkstation()
{
    suite = std::make_unique<TestSuite>();
    values = SharedValues {};
    messages.clear();
    if (!suite->ok())
        return;
    modules = std::make_unique<SuiteModules>(*suite);
    dm = &modules->dm;
    dm2 = &modules->dm2;
    Messages::setSink([this](Messages::Kind, const QString &text) {
        messages << text;
        return true;
    });
}

void WorkstationTest::stopWorkstation()
{
    Messages::setSink({});
    dm = nullptr;
    dm2 = nullptr;
    modules.reset();
    suite.reset();
}

} // namespace valorama::test
