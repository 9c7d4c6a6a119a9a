#include "reports/payments/ParameterPanel.h"

#include "app/TFormSNGPC.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/DBEdit.h"
#include "platform/ErrorReporting.h"
#include "platform/FocusChain.h"
#include "platform/Messages.h"
#include "platform/PanelTitle.h"
#include "reports/payments/ChartPanel.h"
#include "reports/payments/PaymentTotals.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace valorama {

namespace {

QStringList fontNames()
{
    return { QStringLiteral("Lucida Console"), QStringLiteral("Courrier New"), QStringLiteral("Courrier"),
             QStringLiteral("Arial"), QStringLiteral("Times New Roman") };
}

QStringList fontSizes()
{
    QStringList sizes;
    for (int half = 10; half <= 21; ++half) // 5 to 10.5 in half points
        sizes << (half % 2 ? QString::number(half / 2) + QStringLiteral(".5") : QString::number(half / 2));
    for (int size = 11; size <= 26; ++size)
        sizes << QString::number(size);
    return sizes;
}

QStringList yesNo(bool noFirst = false)
{
    return noFirst ? QStringList { QStringLiteral("N"), QStringLiteral("S") }
                   : QStringList { QStringLiteral("S"), QStringLiteral("N") };
}

} // namespace

ParameterPanel::ParameterPanel(TFormSNGPC *form) : QFrame(form->clientArea()), m_form(form)
{
    setObjectName(QStringLiteral("PainelConfig"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    resize(657, 417);
    QLabel *title = makePanelTitle(this, QStringLiteral("Parâmetros do relatório"), QRect(2, 2, 653, 26));
    title->setObjectName(QStringLiteral("Panel3"));

    auto label = [this](const QString &text, int x, int y, int w, Qt::Alignment align = Qt::AlignLeft) {
        auto *l = new QLabel(text, this);
        l->setGeometry(x, y, w, 17);
        l->setAlignment(align | Qt::AlignVCenter);
        return l;
    };
    auto combo = [this](const QString &name, const QStringList &items, int x, int y, int w) {
        auto *c = new QComboBox(this);
        c->setObjectName(name);
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->addItems(items);
        c->setGeometry(x, y, w, 21);
        return c;
    };

    // Left column: what the report computes.
    label(QStringLiteral("Loja (CNPJ):"), 12, 43, 78);
    ComboBox2 = combo(QStringLiteral("ComboBox2"), {}, 91, 41, 133);
    label(QStringLiteral("Período:"), 12, 77, 60);
    DBEdit9 = new DBEdit(QStringLiteral("DBEdit9"), this);
    DBEdit9->setGeometry(73, 75, 73, 21);
    label(QStringLiteral("a"), 153, 77, 10);
    DBEdit10 = new DBEdit(QStringLiteral("DBEdit10"), this);
    DBEdit10->setGeometry(166, 75, 73, 21);
    label(QStringLiteral("Tipo de Pedido"), 12, 111, 92);
    ComboBox1 = combo(QStringLiteral("ComboBox1"),
                      { QStringLiteral("Pedido"), QStringLiteral("Orçam"), QStringLiteral("Repos"),
                        QStringLiteral("Cancel"), QStringLiteral("Próprio") },
                      106, 109, 86);
    BitBtn1 = new QPushButton(QStringLiteral("Valor Total por Forma de Pagamento"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(24, 190, 313, 39);
    BitBtn1->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    BitBtn2 = new QPushButton(QStringLiteral("Cancelar"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(24, 241, 313, 39);
    BitBtn2->setStyleSheet(QStringLiteral("font-weight: bold; color: red;"));

    // Right column: the printed listing's layout; labels right-aligned against the boxes.
    constexpr int BoxLeft = 532;
    auto setting = [&](const QString &text, int top) { label(text, 340, top + 2, 186, Qt::AlignRight); };
    QStringList lines;
    for (int n = 10; n <= 80; ++n)
        lines << QString::number(n);
    setting(QStringLiteral("Por período"), 38);
    ComboBox3 = combo(QStringLiteral("ComboBox3"), yesNo(), BoxLeft, 38, 39);
    setting(QStringLiteral("Linhas por Pagina"), 64);
    ComboBox15 = combo(QStringLiteral("ComboBox15"), lines, BoxLeft, 64, 39);
    setting(QStringLiteral("Papel"), 88);
    ComboBox7 = combo(QStringLiteral("ComboBox7"),
                      { QStringLiteral("A4"), QStringLiteral("A5"), QStringLiteral("Letter") }, BoxLeft, 88, 67);
    setting(QStringLiteral("Fonte Título"), 113);
    ComboBox9 = combo(QStringLiteral("ComboBox9"), fontNames(), BoxLeft, 113, 109);
    setting(QStringLiteral("Tam. Fonte Título"), 138);
    ComboBox10 = combo(QStringLiteral("ComboBox10"), fontSizes(), BoxLeft, 138, 54);
    setting(QStringLiteral("Sublinhar Título"), 163);
    ComboBox6 = combo(QStringLiteral("ComboBox6"), yesNo(), BoxLeft, 163, 39);
    setting(QStringLiteral("Negritar Título"), 188);
    ComboBox8 = combo(QStringLiteral("ComboBox8"), yesNo(), BoxLeft, 188, 39);
    setting(QStringLiteral("Mag. Esq. Título"), 213);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(BoxLeft, 213, 37, 21);
    setting(QStringLiteral("Sublinhar Títulos Colunas"), 237);
    ComboBox13 = combo(QStringLiteral("ComboBox13"), yesNo(), BoxLeft, 237, 39);
    setting(QStringLiteral("Negritar Títulos Colunas"), 262);
    ComboBox14 = combo(QStringLiteral("ComboBox14"), yesNo(true), BoxLeft, 262, 39);
    setting(QStringLiteral("Fonte Corpo"), 287);
    ComboBox11 = combo(QStringLiteral("ComboBox11"), fontNames(), BoxLeft, 287, 109);
    setting(QStringLiteral("Tam. Fonte Corpo"), 312);
    ComboBox12 = combo(QStringLiteral("ComboBox12"), fontSizes(), BoxLeft, 312, 54);
    setting(QStringLiteral("Mag. Sup. do Corpo"), 337);
    Edit4 = new QLineEdit(this);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setGeometry(BoxLeft, 337, 37, 21);
    setting(QStringLiteral("Mag. Esq. do Corpo"), 362);
    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(BoxLeft, 362, 37, 21);

    const QList<QWidget *> order = { ComboBox2,  DBEdit9,    DBEdit10,  ComboBox1, BitBtn1, ComboBox15, ComboBox7,
                                     ComboBox9,  ComboBox10, ComboBox6, ComboBox8, Edit2,   ComboBox13, ComboBox14,
                                     ComboBox11, ComboBox12, Edit4,     Edit3,     BitBtn2, ComboBox3 };
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    for (QWidget *w : { static_cast<QWidget *>(DBEdit9), static_cast<QWidget *>(DBEdit10),
                        static_cast<QWidget *>(ComboBox1), static_cast<QWidget *>(ComboBox2) }) {
        w->installEventFilter(this);
        if (auto *c = qobject_cast<QComboBox *>(w))
            c->lineEdit()->installEventFilter(this);
    }
    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, guarded([this] { BitBtn2Click(); }));
    hide();
}

void ParameterPanel::bindData()
{
    DBEdit9->bind(&DM2->DS_Periodo, QStringLiteral("DATAINICIAL"));
    DBEdit10->bind(&DM2->DS_Periodo, QStringLiteral("DATAFINAL"));
}

bool ParameterPanel::eventFilter(QObject *watched, QEvent *event)
{
    // DBEdit9KeyPress, DBEdit10KeyPress, ComboBox1KeyPress, ComboBox2KeyPress: Enter walks on.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            auto *w = qobject_cast<QWidget *>(watched);
            if (auto *c = qobject_cast<QComboBox *>(w->parentWidget()))
                w = c;
            focusNextInTabOrder(w);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ParameterPanel::Sada2Click()
{
    Edit2->setText(QStringLiteral("2"));
    Edit4->setText(QStringLiteral("1.5"));
    Edit3->setText(QStringLiteral("2"));
    ComboBox3->setCurrentIndex(0);
    ComboBox15->setCurrentIndex(50);
    ComboBox7->setCurrentIndex(0);
    ComboBox9->setCurrentIndex(0);
    ComboBox10->setCurrentIndex(14);
    ComboBox6->setCurrentIndex(0);
    ComboBox8->setCurrentIndex(0);
    ComboBox13->setCurrentIndex(0);
    ComboBox14->setCurrentIndex(0);
    ComboBox11->setCurrentIndex(0);
    ComboBox12->setCurrentIndex(10);
    StringGrid1 = { QString(), QString(), QStringLiteral("0.00") };
    ReportTitle = QStringLiteral("Valor Total por Forma de Pagamento");
    ParameterPanelMode = 1;
    OpenParameterPanel();
}

void ParameterPanel::OpenParameterPanel()
{
    ClientDataSet &periodo = DM2->Periodo;
    const bool wasOpen = periodo.active();
    periodo.open();
    periodo.edit(); // an empty PERIODO gets a new row, stored by the run button
    setGeometry(8, 8, 657, 417);
    show();
    if (!wasOpen) { // opened again, the boxes keep what is being typed
        DBEdit9->showField();
        DBEdit10->showField();
    }
}

void ParameterPanel::BitBtn2Click()
{
    DM2->Periodo.close(); // a period typed but not stored is dropped
    hide();
}

void ParameterPanel::BitBtn1Click()
{
    SharedValues &values = m_form->values();
    values.StoreCnpj = ComboBox2->currentText().left(20);
    const QString orderType = ComboBox1->currentText().left(25);
    ClientDataSet &periodo = DM2->Periodo;
    DBEdit9->commit();
    DBEdit10->commit();
    if (periodo.fieldByName(QStringLiteral("DATAINICIAL")).isNull()
        || periodo.fieldByName(QStringLiteral("DATAFINAL")).isNull()) {
        Messages::show(PaymentTotals::emptyPeriodMessage());
        (periodo.fieldByName(QStringLiteral("DATAINICIAL")).isNull() ? DBEdit9 : DBEdit10)->setFocus();
        return;
    }
    periodo.post();
    periodo.close();
    hide();
    if (ParameterPanelMode != 1)
        return;
    PaymentTotals totals(*DM, *DM2, values, [] { QApplication::processEvents(); });
    totals.ComputePaymentTotals(orderType);
    DM->ValorFP.open();
    ChartPanel *chart = m_form->Painel_Grafico1;
    chart->setGeometry(1, 0, 929, 551);
    chart->show();
}

ListingSettingsTexts ParameterPanel::listingTexts() const
{
    ListingSettingsTexts t;
    t.periodLine = ComboBox3->currentText();
    t.linesPerPage = ComboBox15->currentText();
    t.paper = ComboBox7->currentText();
    t.titleFont = ComboBox9->currentText();
    t.titleSize = ComboBox10->currentText();
    t.titleUnderline = ComboBox6->currentText();
    t.titleBold = ComboBox8->currentText();
    t.titleLeft = Edit2->text();
    t.columnsUnderline = ComboBox13->currentText();
    t.columnsBold = ComboBox14->currentText();
    t.bodyFont = ComboBox11->currentText();
    t.bodySize = ComboBox12->currentText();
    t.bodyTop = Edit4->text();
    t.bodyLeft = Edit3->text();
    return t;
}

} // namespace valorama
