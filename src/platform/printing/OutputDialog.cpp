#include "platform/printing/OutputDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace valorama {

QString OutputChoice::extension(FileFormat f)
{
    switch (f) {
    case FileFormat::Pdf:
        return QStringLiteral("pdf");
    case FileFormat::Text:
        return QStringLiteral("txt");
    case FileFormat::Html:
        return QStringLiteral("html");
    case FileFormat::Csv:
        return QStringLiteral("csv");
    case FileFormat::Xlsx:
        return QStringLiteral("xlsx");
    }
    return {};
}

OutputDialog::OutputDialog(const OutputChoice &initial, bool rowsExport, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Output Options"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *group = new QGroupBox(QStringLiteral("Destino"), this);
    auto *form = new QFormLayout(group);
    m_preview = new QRadioButton(QStringLiteral("Visualizar na tela"), group);
    m_printer = new QRadioButton(QStringLiteral("Impressora"), group);
    m_file = new QRadioButton(QStringLiteral("Arquivo"), group);
    m_printers = new QComboBox(group);
    m_printers->addItems(QPrinterInfo::availablePrinterNames());
    auto *setup = new QPushButton(QStringLiteral("Configurar..."), group);
    connect(setup, &QPushButton::clicked, this, [this] {
        QPrinter printer(QPrinterInfo::printerInfo(m_printers->currentText()));
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted)
            m_printers->setCurrentText(printer.printerName());
    });
    auto *printerRow = new QHBoxLayout;
    printerRow->addWidget(m_printers, 1);
    printerRow->addWidget(setup);
    m_formats = new QComboBox(group);
    m_formats->addItem(QStringLiteral("PDF"), int(OutputChoice::FileFormat::Pdf));
    m_formats->addItem(QStringLiteral("Texto"), int(OutputChoice::FileFormat::Text));
    m_formats->addItem(QStringLiteral("HTML"), int(OutputChoice::FileFormat::Html));
    if (rowsExport) {
        m_formats->addItem(QStringLiteral("Planilha CSV (linhas da tabela)"), int(OutputChoice::FileFormat::Csv));
        m_formats->addItem(QStringLiteral("Planilha XLSX (linhas da tabela)"), int(OutputChoice::FileFormat::Xlsx));
    }
    m_fileName = new QLineEdit(group);
    auto *browse = new QPushButton(QStringLiteral("..."), group);
    connect(browse, &QPushButton::clicked, this, &OutputDialog::browse);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileName, 1);
    fileRow->addWidget(browse);
    m_copies = new QSpinBox(this);
    m_copies->setRange(1, 99);
    form->addRow(m_preview);
    form->addRow(m_printer, printerRow);
    form->addRow(m_file, m_formats);
    form->addRow(QString(), fileRow);
    layout->addWidget(group);
    auto *copies = new QFormLayout;
    copies->addRow(QStringLiteral("Cópias"), m_copies);
    layout->addLayout(copies);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_preview->setChecked(initial.destination == OutputChoice::Destination::Preview);
    m_printer->setChecked(initial.destination == OutputChoice::Destination::Printer);
    m_file->setChecked(initial.destination == OutputChoice::Destination::File);
    m_printer->setEnabled(m_printers->count() > 0);
    m_formats->setCurrentIndex(qMax(0, m_formats->findData(int(initial.format))));
    m_fileName->setText(initial.fileName.isEmpty() ? QDir::home().filePath(QStringLiteral("relatorio.pdf"))
                                                   : initial.fileName);
    m_copies->setValue(initial.copies);
    for (auto *b : { m_preview, m_printer, m_file })
        connect(b, &QRadioButton::toggled, this, &OutputDialog::updateState);
    connect(m_formats, &QComboBox::currentIndexChanged, this, [this] {
        const QString ext = OutputChoice::extension(choice().format);
        QString name = m_fileName->text();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot > name.lastIndexOf(QLatin1Char('/')))
            name.truncate(dot);
        m_fileName->setText(name + QLatin1Char('.') + ext);
    });
    updateState();
}

void OutputDialog::updateState()
{
    m_printers->setEnabled(m_printer->isChecked());
    m_formats->setEnabled(m_file->isChecked());
    m_fileName->setEnabled(m_file->isChecked());
    m_copies->setEnabled(!m_file->isChecked());
}

void OutputDialog::browse()
{
    const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Salvar relatório"), m_fileName->text());
    if (!name.isEmpty())
        m_fileName->setText(name);
}

OutputChoice OutputDialog::choice() const
{
    OutputChoice c;
    c.destination = m_printer->isChecked() ? OutputChoice::Destination::Printer
        : m_file->isChecked()              ? OutputChoice::Destination::File
                                           : OutputChoice::Destination::Preview;
    c.printerName = m_printers->currentText();
    c.format = OutputChoice::FileFormat(m_formats->currentData().toInt());
    c.fileName = m_fileName->text();
    c.copies = m_copies->value();
    return c;
}

std::optional<OutputChoice> OutputDialog::ask(const OutputChoice &initial, bool rowsExport, QWidget *parent)
{
    OutputDialog dialog(initial, rowsExport, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace valorama
