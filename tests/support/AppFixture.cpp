#include "AppFixture.h"

#include "SuiteSeed.h"
#include "app/StartUp.h"
#include "app/TFormSNGPC.h"
#include "auth/LoginPanel.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/Messages.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

static void initValoramaResources()
{
    Q_INIT_RESOURCE(valorama);
}

namespace valorama::test {

MessageRecorder::MessageRecorder(bool confirmAnswer) : answer(confirmAnswer)
{
    Messages::setSink([this](Messages::Kind kind, const QString &text) {
        texts << text;
        return kind == Messages::Kind::Confirmation ? answer : true;
    });
}

MessageRecorder::~MessageRecorder()
{
    Messages::setSink({});
}

AppFixture::AppFixture(bool seedStandard, bool createWindow)
{
    initValoramaResources();
    if (!suite.ok())
        return;
    if (seedStandard)
        seedStandardSuite(suite);
    QFile ini(suite.folder() + QStringLiteral("/QUINTORA.INI"));
    if (ini.open(QIODevice::WriteOnly)) {
        ini.write("IP DO SERVIDOR CENTRAL.........................: " + suite.serverAddress().toLatin1() + "\r\n");
        ini.close();
    }
    if (createWindow)
        start();
}

void AppFixture::start()
{
    form = std::make_unique<TFormSNGPC>(suite.folder());
    createDataModules(form->values(), suite.locations());
    form->bindDataModules();
}

AppFixture::~AppFixture()
{
    form.reset();
    delete DM;
    DM = nullptr;
    delete DM2;
    DM2 = nullptr;
}

bool AppFixture::showAndActivate()
{
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        return false;
    return QTest::qWaitFor([this] { return form->PainelLogin->isVisible(); }, 3000);
}

bool AppFixture::login(const QString &name, const QString &password)
{
    form->PainelLogin->EditNome->setText(name);
    form->PainelLogin->EditSenhaU->setText(password);
    form->PainelLogin->BotOkSenha->click();
    return form->Arquivos1->isEnabled() && !form->PainelLogin->isVisible();
}

} // namespace valorama::test
