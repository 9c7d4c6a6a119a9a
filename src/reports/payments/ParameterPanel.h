#pragma once

#include "reports/payments/ListingSettings.h"

#include <QFrame>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

namespace valorama {

class DBEdit;
class TFormSNGPC;

// "Parâmetros do relatório": store, period and order type of the payment-method report, and
// the layout of its printed listing.
class ParameterPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ParameterPanel(TFormSNGPC *form);

    QComboBox *ComboBox2; // store (CNPJ)
    DBEdit *DBEdit9; // period start
    DBEdit *DBEdit10; // period end
    QComboBox *ComboBox1; // order type
    QPushButton *BitBtn1; // run
    QPushButton *BitBtn2; // Cancelar
    QComboBox *ComboBox3, *ComboBox15, *ComboBox7, *ComboBox9, *ComboBox10, *ComboBox6, *ComboBox8;
    QLineEdit *Edit2;
    QComboBox *ComboBox13, *ComboBox14, *ComboBox11, *ComboBox12;
    QLineEdit *Edit4, *Edit3;

    // Per-column number formats of the listing.
    QStringList StringGrid1;
    int ParameterPanelMode = 0;
    QString ReportTitle;

    void bindData();
    void Sada2Click();
    void OpenParameterPanel();
    void BitBtn1Click();
    void BitBtn2Click();

    // The listing settings as typed in the right column.
    ListingSettingsTexts listingTexts() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TFormSNGPC *m_form;
};

} // namespace valorama
