#include "app/TFormSNGPC.h"

#include "app/ActivationRefresh.h"
#include "app/ActivationTracker.h"
#include "app/StartUp.h"
#include "auth/LoginPanel.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/ErrorReporting.h"
#include "platform/Messages.h"
#include "reports/commissions/CommissionPanel.h"
#include "reports/payments/ChartPanel.h"
#include "reports/payments/ParameterPanel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace valorama {

TFormSNGPC::TFormSNGPC(const QString &configFolder, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormSNGPC"));
    setWindowTitle(QStringLiteral(" QUINTORA - Relatórios Financeiros"));
    setWindowIcon(QIcon(QStringLiteral(":/valorama.png")));
    // The suite's windows are laid out in pixels for an 8-point sans-serif font.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Arial") });
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);
    Image1 = new QLabel(m_client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QStringLiteral(":/background.jpg"))); // natural size, never stretched
    Image1->setGeometry(0, 0, 1080, 675);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    buildMenu();
    // Each later panel lies above the earlier ones.
    PainelConfig = new ParameterPanel(this);
    Painel_Grafico1 = new ChartPanel(this);
    PainelComissoes = new CommissionPanel(this);
    PainelLogin = new LoginPanel(this);
    m_tracker = new ActivationTracker(this, guarded([this] { FormActivate(); }), this);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        // The cancel button is clicked while it can take the focus.
        if (m_cancel && m_cancel->isVisibleTo(this) && m_cancel->isEnabled())
            m_cancel->click();
    });
    FormCreate(configFolder);
}

TFormSNGPC::~TFormSNGPC() = default;

void TFormSNGPC::FormCreate(const QString &configFolder)
{
    resize(958, 618);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(958 / 2, 618 / 2));
    m_configMissing = !ReadSuiteConfiguration(configFolder, m_values);
}

void TFormSNGPC::bindDataModules()
{
    PainelConfig->bindData();
    Painel_Grafico1->bindData();
    PainelComissoes->bindData();
    FormResize();
}

void TFormSNGPC::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto *reports = new QMenu(QStringLiteral("Montar Relatório"), this);
    Arquivos1 = reports->menuAction();
    Arquivos1->setObjectName(QStringLiteral("Arquivos1"));
    Arquivos1->setEnabled(false);
    bar->addMenu(reports);
    auto item = [this](QMenu *menu, const QString &name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    auto *valores = reports->addMenu(QStringLiteral("Valores"));
    Insumos1 = valores->menuAction();
    Insumos1->setObjectName(QStringLiteral("Insumos1"));
    Sada2 = item(valores, QStringLiteral("Sada2"), QStringLiteral("Valor Total por Forma de Pagamento"));
    Aquisio2 = item(valores, QStringLiteral("Aquisio2"), QStringLiteral("Valor Total Pago por Forma de Pagamento"));
    Perda2 = item(valores, QStringLiteral("Perda2"), QStringLiteral("Valor Total em Aberto por Forma de Pagamento"));
    auto *quantidades = reports->addMenu(QStringLiteral("Quantidades"));
    ProdutosIndustrializados1 = quantidades->menuAction();
    ProdutosIndustrializados1->setObjectName(QStringLiteral("ProdutosIndustrializados1"));
    Aquisio1 = item(quantidades, QStringLiteral("Aquisio1"), QStringLiteral("Qde de Pedid"));
    Sada1 = item(quantidades, QStringLiteral("Sada1"), QStringLiteral("Vendas - Detalhado"));
    VendasResumido1 = item(quantidades, QStringLiteral("VendasResumido1"), QStringLiteral("Vendas - Resumido"));
    Perda1 = item(quantidades, QStringLiteral("Perda1"), QStringLiteral("Perdas"));
    auto *comissoes = reports->addMenu(QStringLiteral("Comissões"));
    Comisses1 = comissoes->menuAction();
    Comisses1->setObjectName(QStringLiteral("Comisses1"));
    Resumido1 = item(comissoes, QStringLiteral("Resumido1"), QStringLiteral("Resumido"));
    Detalhado1 = item(comissoes, QStringLiteral("Detalhado1"), QStringLiteral("Detalhado")); // no action
    Sair2 = bar->addAction(QStringLiteral("Sair"));
    Sair2->setObjectName(QStringLiteral("Sair2"));

    for (QAction *a : { Aquisio2, Perda2, Aquisio1, Sada1, VendasResumido1, Perda1 })
        connect(a, &QAction::triggered, this, guarded([this] { NotAvailableClick(); }));
    connect(Sada2, &QAction::triggered, this, guarded([this] { PainelConfig->Sada2Click(); }));
    connect(Resumido1, &QAction::triggered, this, guarded([this] { PainelComissoes->Resumido1Click(); }));
    connect(Sair2, &QAction::triggered, this, guarded([this] { Sair2Click(); }));
}

void TFormSNGPC::NotAvailableClick()
{
    Messages::show(QStringLiteral("EM DESENVOLVIMENTO"));
}

void TFormSNGPC::Sair2Click()
{
    close();
}

void TFormSNGPC::FormActivate()
{
    m_values.ReportBusy = false;
    // The program's formats are fixed in the Formats module; nothing follows the system's.
    ActivationRefresh refresh(*DM, *DM2, m_values);
    if (!refresh.checkStore())
        return;
    refresh.refillInsumos();
    int selected = -1;
    const QStringList stores = refresh.storeList(&selected);
    PainelConfig->ComboBox2->clear();
    PainelConfig->ComboBox2->addItems(stores);
    PainelConfig->ComboBox2->setCurrentIndex(selected);
    PainelConfig->ComboBox1->setCurrentIndex(0);

    m_values.CurrentUser.clear();
    PainelLogin->EditNome->clear();
    PainelLogin->setGeometry(260, 150, 331, 130);
    PainelLogin->show();
    PainelLogin->raise();
    if (PainelLogin->EditNome->isEnabled() && PainelLogin->EditNome->isVisible())
        PainelLogin->EditNome->setFocus();
    setCancelButton(PainelLogin->BotCancSenha);
}

void TFormSNGPC::FormResize()
{
    // The chart panel follows the window, shown or not.
    Painel_Grafico1->resize(frameGeometry().width() - 12, frameGeometry().height() - 50);
}

void TFormSNGPC::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TFormSNGPC::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // Without a window manager no focus may come: the first display activates all the same.
    QTimer::singleShot(0, this, [this] { m_tracker->firstShown(); });
}

} // namespace valorama
