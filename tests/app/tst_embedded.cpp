#include "AppFixture.h"
#include "SuiteSeed.h"
#include "TestSuite.h"

#include "app/StartUp.h"
#include "app/TFormSNGPC.h"
#include "auth/CredentialEncoding.h"
#include "auth/LoginPanel.h"
#include "data/FbClientLibrary.h"
#include "data/TDM.h"
#include "data/TDM2.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace valorama;
using namespace valorama::test;

// With an empty server address the program opens the suite in-process, through the
// ":C:\..." aliases of a private Firebird root: no server process takes part.
class TestEmbedded : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir { TestSuite::fixtureDir() + QStringLiteral("/embedded-XXXXXX") };

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString d = m_dir.path();
        QVERIFY(QFile::copy(TestSuite::fixtureDir() + QStringLiteral("/templates/main.fdb"),
                            d + QStringLiteral("/main.fdb")));
        QVERIFY(QFile::copy(TestSuite::fixtureDir() + QStringLiteral("/templates/interface.fdb"),
                            d + QStringLiteral("/interface.fdb")));
        QProcess root;
        root.start(QStringLiteral("bash"),
                   { QStringLiteral("-c"),
                     QStringLiteral(". '%1/scripts/firebird-root.sh' && fb_make_root '%2/root' && "
                                    "fb_write_aliases '%2/root' ':' '%2/main.fdb' '%2/interface.fdb'")
                         .arg(QStringLiteral(VALORAMA_SOURCE_DIR), d) });
        QVERIFY(root.waitForFinished(60000));
        QCOMPARE(root.exitCode(), 0);
        QDir().mkpath(d + QStringLiteral("/lock"));
        // Read by the client library when it loads, which happens at the first attachment.
        qputenv("FIREBIRD", (d + QStringLiteral("/root")).toLocal8Bit());
        qputenv("FIREBIRD_LOCK", (d + QStringLiteral("/lock")).toLocal8Bit());
        qputenv("FIREBIRD_TMP", (d + QStringLiteral("/lock")).toLocal8Bit());
    }

    void loginAndReportWithoutAServer()
    {
        const QString d = m_dir.path();
        {
            // Seed through the embedded engine too.
            AttachmentParams p;
            p.database = QStringLiteral(":C:\\quintora\\dados\\quintora.bd");
            p.user = QStringLiteral("SYSDBA");
            p.charset = QStringLiteral("WIN1252");
            FbAttachment att(FbClientLibrary::master(SuiteLocations::defaultClientLibraryName()), p);
            auto tx = att.begin();
            for (const QString &sql :
                 { QStringLiteral("insert into DADOSGER (CGC) values ('12345678000190')"),
                   QStringLiteral("insert into ESTACOES (ESTACAO, DATBASNAM, USUARIO, CNPJ) values "
                                  "('01', 'C:\\Quintora\\Interfac01\\quintora.bd', 'admin', '12345678000190')") })
                att.run(*tx, sql);
            QByteArray access(100, 'N');
            access[23] = char('A' + 25);
            att.run(*tx, QStringLiteral("insert into USUARIOS (USUARIO, SENHA, ACESSO) values (?, ?, ?)"),
                    { QString::fromLatin1(EncodeCredential("ADMIN")), QString::fromLatin1(EncodeCredential("1234")),
                      QString::fromLatin1(access) });
            tx->commit();
        }
        QFile ini(d + QStringLiteral("/QUINTORA.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("IP DO SERVIDOR CENTRAL.........................:\r\n");
        ini.close();
        MessageRecorder messages;
        TFormSNGPC form(d);
        QVERIFY(form.values().CentralServerAddress.isEmpty());
        createDataModules(form.values(), SuiteLocations {});
        form.bindDataModules();
        QCOMPARE(DM->sqlcon1.param(QStringLiteral("Database")), QStringLiteral(":C:\\quintora\\dados\\quintora.bd"));
        QCOMPARE(DM2->SQLConnection1.param(QStringLiteral("Database")),
                 QStringLiteral(":C:\\quintora\\Interfac\\quintora.bd"));
        form.show();
        form.activateWindow();
        QTRY_VERIFY(form.PainelLogin->isVisible());
        form.PainelLogin->EditNome->setText(QStringLiteral("admin"));
        form.PainelLogin->EditSenhaU->setText(QStringLiteral("1234"));
        form.PainelLogin->BotOkSenha->click();
        QVERIFY2(form.Arquivos1->isEnabled(), qPrintable(messages.texts.join(QLatin1Char('|'))));
        form.Resumido1->trigger();
        QVERIFY(DM->Periodo.active());
        QCOMPARE(messages.texts, QStringList { QStringLiteral("USUÁRIO: ADMIN") });
        delete DM;
        DM = nullptr;
        delete DM2;
        DM2 = nullptr;
    }
};

QTEST_MAIN(TestEmbedded)
#include "tst_embedded.moc"
