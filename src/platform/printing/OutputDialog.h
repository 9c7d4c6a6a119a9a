#pragma once

#include "platform/printing/OutputChoice.h"

#include <QDialog>

#include <optional>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
QT_END_NAMESPACE

namespace valorama {

// "Output Options": preview, printer (with its set-up) or file (PDF, text, HTML, and the
// grid's rows as CSV or XLSX), and the number of copies.
class OutputDialog : public QDialog
{
    Q_OBJECT

public:
    OutputDialog(const OutputChoice &initial, bool rowsExport, QWidget *parent = nullptr);
    OutputChoice choice() const;

    static std::optional<OutputChoice> ask(const OutputChoice &initial, bool rowsExport, QWidget *parent);

private:
    void browse();
    void updateState();

    QRadioButton *m_preview;
    QRadioButton *m_printer;
    QRadioButton *m_file;
    QComboBox *m_printers;
    QComboBox *m_formats;
    QLineEdit *m_fileName;
    QSpinBox *m_copies;
};

} // namespace valorama
