#include "AppFixture.h"
#include "SuiteSeed.h"

#include "app/ActivationTracker.h"
#include "app/TFormSNGPC.h"
#include "auth/LoginPanel.h"
#include "auth/WorkspaceResolver.h"
#include "reports/payments/ChartPanel.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace valorama;
using namespace valorama::test;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void missingConfigurationEndsTheProgram()
    {
        MessageRecorder messages;
        QTemporaryDir empty;
        TFormSNGPC form(empty.path());
        QVERIFY(form.configurationMissing());
        QCOMPARE(messages.texts,
                 QStringList { QStringLiteral(
                     "Arquivo QUINTORA.INI não encontrado. Execute o programa Preparo.exe para criá-lo.") });
    }

    void windowAsDesigned()
    {
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        TFormSNGPC &form = *app.form;
        QCOMPARE(form.windowTitle(), QStringLiteral(" QUINTORA - Relatórios Financeiros"));
        QCOMPARE(form.size(), QSize(958, 618));
        QCOMPARE(form.Image1->pixmap().size(), QSize(1080, 675));
        QVERIFY(!form.Arquivos1->isEnabled());
        QVERIFY(form.Sair2->isEnabled());
        // The chart panel follows the window even while the panel is hidden.
        QVERIFY(app.showAndActivate());
        app.messages.clear();
        form.resize(1000, 700);
        QVERIFY(!form.Painel_Grafico1->isVisible());
        QTRY_COMPARE(form.Painel_Grafico1->size(),
                     QSize(form.frameGeometry().width() - 12, form.frameGeometry().height() - 50));
        QVERIFY(app.messages.texts.isEmpty());
    }

    void loginWithStoredCredentials()
    {
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        QVERIFY(app.showAndActivate());
        TFormSNGPC &form = *app.form;
        QCOMPARE(form.cancelButton(), form.PainelLogin->BotCancSenha);
        QVERIFY(app.login(QStringLiteral("admin"), QStringLiteral("1234")));
        QCOMPARE(app.messages.texts, QStringList { QStringLiteral("USUÁRIO: ADMIN") });
        QCOMPARE(form.windowTitle(),
                 QStringLiteral(" MIRAL SISTEMAS - RELATÓRIOS     Usuário: \"ADMIN\"     Estação: 01     "
                                "Loja: 12.345.678/0001-90"));
        QCOMPARE(form.values().StationCode, QStringLiteral("01"));
        QCOMPARE(form.values().StoreCnpj, StoreA);
        QVERIFY(form.PainelLogin->EditNome->text().isEmpty());
        QVERIFY(form.PainelLogin->EditSenhaU->text().isEmpty());
        // Escape now belongs to "Imprimir gráfico", which sits on a hidden panel: nothing happens.
        QCOMPARE(form.cancelButton(), form.Painel_Grafico1->BitBtn5);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        // Another activation puts the login panel up again; the menu stays enabled.
        form.FormActivate();
        QVERIFY(form.PainelLogin->isVisible());
        QVERIFY(form.PainelLogin->EditNome->text().isEmpty());
        QVERIFY(form.Arquivos1->isEnabled());
        QVERIFY(form.values().CurrentUser.isEmpty());
        QTest::keyClick(&form, Qt::Key_Escape); // "Cancela" again
        QVERIFY(!form.isVisible());
    }

    void refusedLogins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("focusOnPassword");
        QTest::newRow("empty name") << QString() << QStringLiteral("x")
                                    << QStringLiteral("Não foi informado o Nome do Usuário.") << false;
        QTest::newRow("unknown user") << QStringLiteral("fulano") << QStringLiteral("1")
                                      << QStringLiteral("Usuário fulano não autorizado") << false;
        QTest::newRow("spaces are a name")
            << QStringLiteral("   ") << QStringLiteral("1") << QStringLiteral("Usuário     não autorizado") << false;
        QTest::newRow("wrong password") << QStringLiteral("ADMIN") << QStringLiteral("4321")
                                        << QStringLiteral("Senha incorreta. Tente novamente.") << true;
        QTest::newRow("no right") << QStringLiteral("semdireito") << QStringLiteral("1")
                                  << QStringLiteral("Usuário semdireito não autorizado") << false;
        QTest::newRow("quote and metacharacters") << QStringLiteral("x' or '1'='1") << QStringLiteral("' or 1=1 --")
                                                  << QStringLiteral("Usuário x' or '1'='1 não autorizado") << false;
        QTest::newRow("name over 31 characters")
            << QString(40, QLatin1Char('A')) << QStringLiteral("1")
            << QStringLiteral("O nome do usuário pode ter no máximo 31 caracteres.") << false;
        QTest::newRow("password over 31 characters")
            << QStringLiteral("ADMIN") << QString(32, QLatin1Char('9'))
            << QStringLiteral("A senha pode ter no máximo 31 caracteres.") << true;
    }

    void refusedLogins()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(bool, focusOnPassword);
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        addUser(app.suite, QStringLiteral("SEMDIREITO"), QStringLiteral("1"), false);
        QVERIFY(app.showAndActivate());
        QVERIFY(!app.login(name, password));
        QCOMPARE(app.messages.texts, QStringList { message });
        LoginPanel &login = *app.form->PainelLogin;
        QVERIFY(login.isVisible());
        QCOMPARE(login.EditNome->text(), name);
        QCOMPARE(login.EditSenhaU->text(), password);
        QTRY_COMPARE(QApplication::focusWidget(), focusOnPassword ? login.EditSenhaU : login.EditNome);
        QVERIFY(!app.form->Arquivos1->isEnabled());
    }

    void userWithoutStationEndsTheProgram()
    {
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        addUser(app.suite, QStringLiteral("PEDRO"), QStringLiteral("p"));
        QVERIFY(app.showAndActivate());
        QVERIFY(!app.login(QStringLiteral("pedro"), QStringLiteral("P")));
        QCOMPARE(app.messages.texts,
                 (QStringList { QStringLiteral("USUÁRIO: PEDRO"),
                                WorkspaceResolver::noStationMessage(QStringLiteral("PEDRO")),
                                QStringLiteral("Não foi identificada uma área de trabalho para o usuáro PEDRO") }));
        QVERIFY(app.messages.texts[1].startsWith(
            QStringLiteral("Não foi possível selecionar uma área de trabalho para o usuário \"PEDRO\". \r\r")));
        QVERIFY(!app.form->isVisible());
    }

    void stationWithoutStoreIsReported()
    {
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        addUser(app.suite, QStringLiteral("ANA"), QStringLiteral("a"));
        addStation(app.suite, QStringLiteral("001"), QStringLiteral("Ana"), QString());
        QVERIFY(app.showAndActivate());
        QVERIFY(app.login(QStringLiteral("ana"), QStringLiteral("a")));
        QCOMPARE(app.messages.texts.value(1),
                 QStringLiteral("Erro na configuração da tabela ESTACOES:\rO campo CNPJ tabela "
                                "ESTACOES não foi preenchido para o a estação 00"));
        QVERIFY(app.form->windowTitle().endsWith(QStringLiteral("Estação: 00     Loja: ../-")));
    }

    void enterKeysWalkTheLoginPanel()
    {
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        QVERIFY(app.showAndActivate());
        LoginPanel &login = *app.form->PainelLogin;
        login.EditNome->setFocus();
        QTest::keyClicks(login.EditNome, QStringLiteral("admin"));
        QTest::keyClick(login.EditNome, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), login.EditSenhaU);
        QCOMPARE(login.EditNome->text(), QStringLiteral("ADMIN")); // upper-cased on leaving
        QVERIFY(app.messages.texts.isEmpty());
        QTest::keyClicks(login.EditSenhaU, QStringLiteral("1234"));
        QTest::keyClick(login.EditSenhaU, Qt::Key_Return);
        QVERIFY(app.form->Arquivos1->isEnabled());
    }

    void notAvailableItems()
    {
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        TFormSNGPC &form = *app.form;
        for (QAction *a : { form.Aquisio2, form.Perda2, form.Aquisio1, form.Sada1, form.VendasResumido1, form.Perda1 })
            a->trigger();
        QCOMPARE(app.messages.texts, QStringList(6, QStringLiteral("EM DESENVOLVIMENTO")));
        app.messages.clear();
        form.Detalhado1->trigger();
        QVERIFY(app.messages.texts.isEmpty());
    }

    void activationRule()
    {
        AppFixture app;
        VALORAMA_REQUIRE_SUITE(app.suite);
        QVERIFY(app.showAndActivate()); // the first display activates
        TFormSNGPC &form = *app.form;
        QVERIFY(app.login(QStringLiteral("ADMIN"), QStringLiteral("1234")));
        QVERIFY(!form.PainelLogin->isVisible());

        // A modal dialog that closes hands the focus back without an activation.
        QDialog modal(&form);
        modal.setModal(true);
        modal.show();
        QVERIFY(QTest::qWaitForWindowActive(&modal));
        modal.close();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::qWait(50);
        QVERIFY(!form.PainelLogin->isVisible());

        // Coming back from another application is no activation either.
        form.activationTracker()->focusWindowChanged(nullptr);
        form.activateWindow();
        QTest::qWait(50);
        QVERIFY(!form.PainelLogin->isVisible());

        // A non-modal window of the program that hands the focus back activates.
        QWidget other;
        other.setWindowTitle(QStringLiteral("outra janela"));
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_VERIFY(form.PainelLogin->isVisible());
        QVERIFY(form.values().CurrentUser.isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
