#pragma once

#include <QFrame>

QT_BEGIN_NAMESPACE
class QAction;
class QChart;
class QChartView;
class QMenu;
class QPieSeries;
class QPrinter;
class QPushButton;
QT_END_NAMESPACE

namespace valorama {

class DBGrid;
class DBText;
class TFormSNGPC;

// The result of the payment totals: title and period, the grid of payment methods and a pie.
class ChartPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ChartPanel(TFormSNGPC *form);
    void bindData();

    DBText *DBText1 = nullptr;
    DBText *DBText2 = nullptr;
    DBGrid *DBGrid1 = nullptr;
    QChartView *DBChart5 = nullptr;
    QPieSeries *PieSeries4 = nullptr;
    QPushButton *BitBtn3 = nullptr; // Sair
    QPushButton *BitBtn4 = nullptr; // Imprimir relatório
    QPushButton *BitBtn5 = nullptr; // Imprimir gráfico
    QMenu *PopupMenu1 = nullptr;
    QAction *Fechartabela1 = nullptr;

    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void Fechartabela1Click();
    // Renders the chart on a printer, keeping its proportions within a margin of the page.
    static void printChart(QChartView *view, QPrinter &printer);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Painel_Grafico1Resize();

    TFormSNGPC *m_form;
};

} // namespace valorama
