#pragma once

#include <QFrame>

QT_BEGIN_NAMESPACE
class QAction;
class QLabel;
class QMenu;
class QPushButton;
QT_END_NAMESPACE

namespace valorama {

class DBEdit;
class DBGrid;
class TFormSNGPC;

// "Comissões de venda": the period, the summary per attendant and, over it, the detail of one
// attendant's orders.
class CommissionPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CommissionPanel(TFormSNGPC *form);
    void bindData();

    DBEdit *DBEdit1 = nullptr;
    DBEdit *DBEdit2 = nullptr;
    QPushButton *BitBtn7 = nullptr; // Calcular comissões
    QPushButton *BitBtn6 = nullptr; // Sair
    DBGrid *DBGrid2 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    QAction *Detalharcomisso1 = nullptr;

    QFrame *PainelDetalhaComissao = nullptr;
    QLabel *Panel2 = nullptr;
    DBGrid *DBGrid3 = nullptr;
    QPushButton *BitBtn8 = nullptr; // Fechar

    void Resumido1Click();
    void BitBtn7Click();
    void BitBtn6Click();
    void Detalharcomisso1Click();
    void BitBtn8Click();

private:
    TFormSNGPC *m_form;
};

} // namespace valorama
