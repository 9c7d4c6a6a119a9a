#include "reports/commissions/CommissionPanel.h"

#include "app/TFormSNGPC.h"
#include "data/TDM.h"
#include "platform/DBEdit.h"
#include "platform/DBGrid.h"
#include "platform/ErrorReporting.h"
#include "platform/PanelTitle.h"
#include "reports/commissions/CommissionCalculation.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace valorama {

CommissionPanel::CommissionPanel(TFormSNGPC *form) : QFrame(form->clientArea()), m_form(form)
{
    setObjectName(QStringLiteral("PainelComissoes"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    makePanelTitle(this, QStringLiteral("Comissões de venda"), QRect(2, 2, 925, 24));
    auto *periodLabel = new QLabel(QStringLiteral("Período:"), this);
    periodLabel->setGeometry(16, 42, 52, 17);
    DBEdit1 = new DBEdit(QStringLiteral("DBEdit1"), this);
    DBEdit1->setGeometry(70, 40, 73, 21);
    auto *a = new QLabel(QStringLiteral("a"), this);
    a->setGeometry(150, 42, 10, 17);
    DBEdit2 = new DBEdit(QStringLiteral("DBEdit2"), this);
    DBEdit2->setGeometry(164, 40, 73, 21);
    BitBtn7 = new QPushButton(QStringLiteral("Calcular comissões"), this);
    BitBtn7->setObjectName(QStringLiteral("BitBtn7"));
    BitBtn7->setGeometry(252, 36, 180, 29);
    BitBtn7->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    BitBtn6 = new QPushButton(QStringLiteral("Sair"), this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn6->setGeometry(795, 36, 126, 29);
    BitBtn6->setStyleSheet(QStringLiteral("font-weight: bold; color: red;"));
    setTabOrder(DBEdit1, DBEdit2);
    setTabOrder(DBEdit2, BitBtn7);
    setTabOrder(BitBtn7, BitBtn6);
    connect(BitBtn7, &QPushButton::clicked, this, guarded([this] { BitBtn7Click(); }));
    connect(BitBtn6, &QPushButton::clicked, this, guarded([this] { BitBtn6Click(); }));
    hide();
}

void CommissionPanel::bindData()
{
    DBEdit1->bind(&DM->DS_Periodo, QStringLiteral("DATAINICIAL"));
    DBEdit2->bind(&DM->DS_Periodo, QStringLiteral("DATAFINAL"));

    DBGrid2 = new DBGrid(QStringLiteral("DBGrid2"), &DM->DS_RelComiss,
                         { { QStringLiteral("ATENDENTE"), QStringLiteral("ATENDENTE") },
                           { QStringLiteral("COMISSAO"), QStringLiteral("COMISSÃO (R$)") } },
                         this);
    DBGrid2->setGeometry(16, 76, 420, 450);
    DBGrid2->setColumnWidth(0, 250);
    DBGrid2->setColumnWidth(1, 120);
    PopupMenu2 = DBGrid2->createPopupMenu(QStringLiteral("PopupMenu2"));
    Detalharcomisso1 = PopupMenu2->addAction(QStringLiteral("Detalhar comissão "));
    Detalharcomisso1->setObjectName(QStringLiteral("Detalharcomisso1"));
    connect(Detalharcomisso1, &QAction::triggered, this, guarded([this] { Detalharcomisso1Click(); }));

    PainelDetalhaComissao = new QFrame(this);
    PainelDetalhaComissao->setObjectName(QStringLiteral("PainelDetalhaComissao"));
    PainelDetalhaComissao->setFrameShape(QFrame::Panel);
    PainelDetalhaComissao->setAutoFillBackground(true);
    PainelDetalhaComissao->setStyleSheet(QStringLiteral("QFrame#PainelDetalhaComissao { background: white; }"));
    Panel2 = makePanelTitle(PainelDetalhaComissao, QString(), QRect(2, 2, 906, 24));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    DBGrid3 = new DBGrid(QStringLiteral("DBGrid3"), &DM->DS_ComissDet,
                         { { QStringLiteral("ATENDENTE"), QStringLiteral("Atendente") },
                           { QStringLiteral("DATA"), QStringLiteral("Data") },
                           { QStringLiteral("PEDIDO"), QStringLiteral("Pedido") },
                           { QStringLiteral("CLIENTE"), QStringLiteral("Nome do Cliente") },
                           { QStringLiteral("VALOR"), QStringLiteral("Valor Pedido (R$)") },
                           { QStringLiteral("COMISSAO"), QStringLiteral("Comissão (R$)") } },
                         PainelDetalhaComissao);
    DBGrid3->setGeometry(8, 32, 894, 400);
    DBGrid3->setColumnWidth(0, 160);
    DBGrid3->setColumnWidth(3, 260);
    DBGrid3->setColumnWidth(4, 120);
    DBGrid3->setColumnWidth(5, 110);
    BitBtn8 = new QPushButton(QStringLiteral("Fechar"), PainelDetalhaComissao);
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    BitBtn8->setGeometry(776, 440, 126, 29);
    BitBtn8->setStyleSheet(QStringLiteral("font-weight: bold; color: red;"));
    connect(BitBtn8, &QPushButton::clicked, this, guarded([this] { BitBtn8Click(); }));
    PainelDetalhaComissao->hide();
}

void CommissionPanel::Resumido1Click()
{
    setGeometry(8, 8, 929, 543);
    show();
    raise();
    DM->Periodo.open();
    DM->Periodo.edit(); // a new row when PERIODO is empty
    DBEdit1->showField();
    DBEdit2->showField();
    DBEdit1->setFocus();
}

void CommissionPanel::BitBtn7Click()
{
    DM->Comiss.close();
    QApplication::processEvents();
    try {
        DBEdit1->commit();
        DBEdit2->commit();
        DM->Periodo.post();
    } catch (const std::exception &) {
        // Not being edited, or refused: the stored period is the one used.
    }
    CommissionCalculation(*DM, [] { QApplication::processEvents(); }).calculateSummary();
}

void CommissionPanel::BitBtn6Click()
{
    DM->Periodo.close(); // an unsaved change of the period is dropped
    DM->Comiss.close();
    hide();
}

void CommissionPanel::Detalharcomisso1Click()
{
    PainelDetalhaComissao->setGeometry(8, 48, 910, 481);
    PainelDetalhaComissao->show();
    PainelDetalhaComissao->raise();
    CommissionCalculation calculation(*DM);
    ClientDataSet &comiss = DM->Comiss;
    const QString name = comiss.active() && !comiss.isEmpty()
        ? comiss.fieldByName(QStringLiteral("ATENDENTE")).asString().left(60)
        : QString();
    Panel2->setText(QStringLiteral("Detalhamento da comissão de ") + name);
    QApplication::processEvents();
    calculation.calculateDetail(name);
}

void CommissionPanel::BitBtn8Click()
{
    DM->ComissDet.close();
    PainelDetalhaComissao->hide();
}

} // namespace valorama
