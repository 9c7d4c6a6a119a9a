#pragma once

#include "app/SharedValues.h"

#include <QMainWindow>

QT_BEGIN_NAMESPACE
class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
QT_END_NAMESPACE

namespace valorama {

class ActivationTracker;
class ChartPanel;
class CommissionPanel;
class LoginPanel;
class ParameterPanel;

// The main window: its menu, the four panels stacked over the background picture, and the
// activation sequence. Closing it ends the program; nothing is asked and nothing is written.
class TFormSNGPC : public QMainWindow
{
    Q_OBJECT

public:
    // configFolder holds QUINTORA.INI (the executable's folder).
    explicit TFormSNGPC(const QString &configFolder, QWidget *parent = nullptr);
    ~TFormSNGPC() override;

    // True when QUINTORA.INI was missing: its message has been shown and the program ends.
    bool configurationMissing() const { return m_configMissing; }

    SharedValues &values() { return m_values; }
    QWidget *clientArea() const { return m_client; }

    // Binds the data-aware controls once DM and DM2 exist.
    void bindDataModules();
    void FormActivate();
    void setCancelButton(QAbstractButton *button) { m_cancel = button; }
    QAbstractButton *cancelButton() const { return m_cancel; }
    ActivationTracker *activationTracker() const { return m_tracker; }

    QLabel *Image1 = nullptr;
    QAction *Arquivos1 = nullptr;
    QAction *Insumos1 = nullptr;
    QAction *Sada2 = nullptr;
    QAction *Aquisio2 = nullptr;
    QAction *Perda2 = nullptr;
    QAction *ProdutosIndustrializados1 = nullptr;
    QAction *Aquisio1 = nullptr;
    QAction *Sada1 = nullptr;
    QAction *VendasResumido1 = nullptr;
    QAction *Perda1 = nullptr;
    QAction *Comisses1 = nullptr;
    QAction *Resumido1 = nullptr;
    QAction *Detalhado1 = nullptr;
    QAction *Sair2 = nullptr;

    ParameterPanel *PainelConfig = nullptr;
    ChartPanel *Painel_Grafico1 = nullptr;
    CommissionPanel *PainelComissoes = nullptr;
    LoginPanel *PainelLogin = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(const QString &configFolder);
    void FormResize();
    void buildMenu();
    void NotAvailableClick();
    void Sair2Click();

    SharedValues m_values;
    QWidget *m_client = nullptr;
    QAbstractButton *m_cancel = nullptr;
    ActivationTracker *m_tracker = nullptr;
    bool m_configMissing = false;
    bool m_shown = false;
};

} // namespace valorama
