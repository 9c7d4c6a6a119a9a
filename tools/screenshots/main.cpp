// Drives the real window over a suite and saves what it shows, for the README:
// valorama-screenshots <folder of QUINTORA.INI> <output folder> [user] [password]
#include "app/StartUp.h"
#include "app/TFormSNGPC.h"
#include "auth/LoginPanel.h"
#include "data/SuiteLocations.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/Application.h"
#include "platform/DBEdit.h"
#include "platform/DBGrid.h"
#include "platform/Messages.h"
#include "platform/printing/PrintJob.h"
#include "reports/commissions/CommissionPanel.h"
#include "reports/payments/ChartPanel.h"
#include "reports/payments/ParameterPanel.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

using namespace valorama;

namespace {

void settle(int ms = 300)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void typeInto(DBEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->setText(text);
    Q_EMIT edit->textEdited(text);
    edit->commit();
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(valorama);
    Application app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: valorama-screenshots <suite folder> <output folder> [user] [password]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    QStringList messages;
    Messages::setSink([&](Messages::Kind, const QString &text) {
        messages << text;
        return true;
    });
    TFormSNGPC form(QString::fromLocal8Bit(argv[1]));
    if (form.configurationMissing())
        return 1;
    createDataModules(form.values(), SuiteLocations {});
    form.bindDataModules();
    form.show();
    form.activateWindow();
    settle(800);
    auto save
        = [&](QWidget *w, const char *name) { w->grab().save(out + QLatin1Char('/') + QString::fromLatin1(name)); };
    save(&form, "login.png");
    form.PainelLogin->EditNome->setText(argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("ADMIN"));
    form.PainelLogin->EditSenhaU->setText(argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("1234"));
    form.PainelLogin->BotOkSenha->click();
    settle();
    save(&form, "apos-login.png");

    const QDate today = QDate::currentDate();
    const QDate first(today.year(), today.month(), 1);
    form.Sada2->trigger();
    form.PainelConfig->ComboBox2->setCurrentText(form.values().StoreCnpj); // the user's store
    typeInto(form.PainelConfig->DBEdit9, first.toString(QStringLiteral("dd/MM/yy")));
    typeInto(form.PainelConfig->DBEdit10, first.addMonths(1).addDays(-1).toString(QStringLiteral("dd/MM/yy")));
    settle();
    save(&form, "parametros.png");
    form.PainelConfig->BitBtn1->click();
    settle(600);
    save(&form, "resultado.png");

    // The listing preview, as "Imprimir relatório" shows it: grabbed, then closed.
    PrintJob::setChooser([&](const PrintJob &) -> std::optional<OutputChoice> {
        OutputChoice c;
        c.destination = OutputChoice::Destination::Preview;
        return c;
    });
    std::function<void()> grabPreview = [&] {
        QWidget *preview = QApplication::activeModalWidget();
        if (!preview || preview->windowTitle() != QLatin1String("Report Preview")) {
            QTimer::singleShot(200, grabPreview);
            return;
        }
        preview->resize(1100, 800);
        settle(800);
        save(preview, "listagem.png");
        preview->close();
    };
    QTimer::singleShot(300, grabPreview);
    form.Painel_Grafico1->BitBtn4->click();
    settle();

    form.Painel_Grafico1->BitBtn3->click();
    form.Resumido1->trigger();
    typeInto(form.PainelComissoes->DBEdit1, first.toString(QStringLiteral("dd/MM/yy")));
    typeInto(form.PainelComissoes->DBEdit2, first.addMonths(1).addDays(-1).toString(QStringLiteral("dd/MM/yy")));
    form.PainelComissoes->BitBtn7->click();
    settle(600);
    save(&form, "comissoes.png");
    form.PainelComissoes->DBGrid2->setCurrentIndex(form.PainelComissoes->DBGrid2->dataModel()->index(0, 0));
    form.PainelComissoes->Detalharcomisso1->trigger();
    settle(600);
    save(&form, "detalhe.png");
    for (const QString &m : std::as_const(messages))
        std::printf("mensagem: %s\n", qPrintable(m));
    return 0;
}
