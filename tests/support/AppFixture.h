#pragma once

#include "TestSuite.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace valorama {
class TFormSNGPC;
}

namespace valorama::test {

// Reads every message the program shows; confirmations get the given answer.
class MessageRecorder
{
public:
    explicit MessageRecorder(bool confirmAnswer = true);
    ~MessageRecorder();
    QStringList texts;
    bool answer;
    QString last() const { return texts.isEmpty() ? QString() : texts.last(); }
    void clear() { texts.clear(); }
};

// The program as it starts: QUINTORA.INI in a folder of its own pointing at the fixture's
// server, the main window, DM and DM2 over a fresh copy of the databases.
class AppFixture
{
public:
    explicit AppFixture(bool seedStandard = true, bool createWindow = true);
    ~AppFixture();

    TestSuite suite;
    MessageRecorder messages;
    std::unique_ptr<TFormSNGPC> form;

    // Creates the window and the data modules (when not done by the constructor).
    void start();
    // Shows the window and waits for its first activation.
    bool showAndActivate();
    // Logs in through the login panel; true when the menu is enabled afterwards.
    bool login(const QString &name, const QString &password);
};

} // namespace valorama::test
