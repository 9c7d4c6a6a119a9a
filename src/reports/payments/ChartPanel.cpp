#include "reports/payments/ChartPanel.h"

#include "app/TFormSNGPC.h"
#include "data/TDM.h"
#include "platform/DBGrid.h"
#include "platform/DBText.h"
#include "platform/ErrorReporting.h"
#include "platform/PieChartBinding.h"
#include "reports/payments/PaymentListing.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QPieSeries>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <stdexcept>

namespace valorama {

ChartPanel::ChartPanel(TFormSNGPC *form) : QFrame(form->clientArea()), m_form(form)
{
    setObjectName(QStringLiteral("Painel_Grafico1"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Valores por Forma de Pagamento (R$)"));
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    chart->setTitleFont(titleFont);
    chart->setTitleBrush(Qt::white);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, QColor(145, 211, 251));
    gradient.setColorAt(1, QColor(0, 123, 183));
    chart->setBackgroundBrush(gradient);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 2, 0, 0));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    PieSeries4 = new QPieSeries(chart);
    PieSeries4->setObjectName(QStringLiteral("PieSeries4"));
    PieSeries4->setPieSize(0.75);
    chart->addSeries(PieSeries4);
    DBChart5 = new QChartView(chart, this);
    DBChart5->setObjectName(QStringLiteral("DBChart5"));
    DBChart5->setRenderHint(QPainter::Antialiasing);
    DBChart5->setRubberBand(QChartView::NoRubberBand); // no panning, no zoom
    DBChart5->setGeometry(309, 47, 614, 433);

    BitBtn3 = new QPushButton(QStringLiteral("Sair"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setGeometry(795, 13, 126, 29);
    BitBtn3->setStyleSheet(QStringLiteral("font-weight: bold; color: red; font-size: 13px;"));
    BitBtn4 = new QPushButton(QStringLiteral("Imprimir relatório"), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setGeometry(6, 460, 297, 25);
    BitBtn4->setStyleSheet(QStringLiteral("font-weight: bold; color: maroon;"));
    BitBtn4->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    BitBtn4->setLayoutDirection(Qt::RightToLeft); // picture at the right of the caption
    BitBtn5 = new QPushButton(QStringLiteral("Imprimir gráfico"), this);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setGeometry(6, 489, 297, 25);
    BitBtn5->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    BitBtn5->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BitBtn5->setLayoutDirection(Qt::RightToLeft);
    connect(BitBtn3, &QPushButton::clicked, this, guarded([this] { BitBtn3Click(); }));
    connect(BitBtn4, &QPushButton::clicked, this, guarded([this] { BitBtn4Click(); }));
    connect(BitBtn5, &QPushButton::clicked, this, guarded([this] { BitBtn5Click(); }));
    hide();
}

void ChartPanel::bindData()
{
    DBText1 = new DBText(QStringLiteral("DBText1"), &DM->DS_ValorFP, QStringLiteral("TITULO"), this);
    DBText1->setGeometry(16, 7, 707, 17);
    DBText1->setStyleSheet(QStringLiteral("font-family: Arial; font-size: 15px; font-weight: bold; color: navy;"));
    DBText2 = new DBText(QStringLiteral("DBText2"), &DM->DS_ValorFP, QStringLiteral("PERIODO"), this);
    DBText2->setGeometry(16, 26, 417, 17);
    DBText2->setStyleSheet(QStringLiteral("font-family: Arial; font-size: 13px; color: navy;"));
    DBGrid1 = new DBGrid(QStringLiteral("DBGrid1"), &DM->DS_ValorFP,
                         { { QStringLiteral("FORMAPAG"), QStringLiteral(" Forma de Pagamento") },
                           { QStringLiteral("VALOR"), QStringLiteral(" Valor R$") } },
                         this);
    DBGrid1->setGeometry(5, 47, 298, 410);
    DBGrid1->setColumnWidth(0, 190);
    DBGrid1->setColumnWidth(1, 77);
    PopupMenu1 = DBGrid1->createPopupMenu(QStringLiteral("PopupMenu1"));
    Fechartabela1 = PopupMenu1->addAction(QStringLiteral("Fechar tabela"));
    Fechartabela1->setObjectName(QStringLiteral("Fechartabela1"));
    connect(Fechartabela1, &QAction::triggered, this, guarded([this] { Fechartabela1Click(); }));
    // The pie follows ValorFP for the panel's whole life.
    new PieChartBinding(&DM->ValorFP, PieSeries4, QStringLiteral("FORMAPAG"), QStringLiteral("VALORI"), this);
    Painel_Grafico1Resize();
}

void ChartPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    Painel_Grafico1Resize();
}

void ChartPanel::Painel_Grafico1Resize()
{
    const int w = width();
    const int h = height();
    DBChart5->resize(w - 325, h - 59);
    BitBtn3->move(w - 134, BitBtn3->y());
    if (DBGrid1)
        DBGrid1->resize(DBGrid1->width(), h - 122);
    BitBtn4->move(BitBtn4->x(), h - 67);
    BitBtn5->move(BitBtn5->x(), h - 37);
}

void ChartPanel::BitBtn3Click()
{
    DM->ValorFP.close();
    hide();
}

void ChartPanel::BitBtn4Click()
{
    PaymentListing::PrintPaymentListing(*m_form);
}

void ChartPanel::printChart(QChartView *view, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(
            QStringLiteral("A impressora %1 não aceitou o gráfico.").arg(printer.printerName()).toStdString());
    // A share of the page on each side; the chart keeps its proportions.
    const QRectF page = painter.viewport();
    const QRectF area
        = page.adjusted(page.width() * 0.1, page.height() * 0.1, -page.width() * 0.1, -page.height() * 0.1);
    QSizeF size = QSizeF(view->size()).scaled(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.topLeft() + QPointF((area.width() - size.width()) / 2, 0), size);
    view->render(&painter, target);
    painter.end();
}

void ChartPanel::BitBtn5Click()
{
    const QPrinterInfo current = QPrinterInfo::defaultPrinter();
    if (current.isNull())
        throw std::runtime_error(
            QStringLiteral("Nenhuma impressora está instalada. Instale uma impressora para imprimir o gráfico.")
                .toStdString());
    QPrinter printer(current, QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printChart(DBChart5, printer);
}

void ChartPanel::Fechartabela1Click()
{
    DBGrid1->hide();
}

} // namespace valorama
