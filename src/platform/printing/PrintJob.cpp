#include "platform/printing/PrintJob.h"

#include "platform/printing/OutputDialog.h"
#include "platform/printing/ReportRenderer.h"
#include "platform/printing/StatusWindow.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <stdexcept>

namespace valorama {

namespace {

PrintJob::Chooser &chooser()
{
    static PrintJob::Chooser c;
    return c;
}

QList<QPageSize> availablePapers()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && !printer.supportedPageSizes().isEmpty())
        return printer.supportedPageSizes();
    // Without a printer, the papers a usual printer driver offers.
    return { QPageSize(QPageSize::A4),       QPageSize(QPageSize::A5), QPageSize(QPageSize::Letter),
             QPageSize(QPageSize::Legal),    QPageSize(QPageSize::A3), QPageSize(QPageSize::B5),
             QPageSize(QPageSize::Executive) };
}

void writeText(const QString &fileName, const QString &text)
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error(
            QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(fileName, f.errorString()).toStdString());
    f.write(text.toUtf8());
}

} // namespace

PrintJob::Chooser PrintJob::setChooser(Chooser c)
{
    return std::exchange(chooser(), std::move(c));
}

void PrintJob::selectPaper(const QString &name)
{
    for (const QPageSize &paper : availablePapers()) {
        if (paper.name().contains(name, Qt::CaseInsensitive)) {
            layout.pageSize = paper;
            return;
        }
    }
}

ReportDocument PrintJob::generate(QWidget *statusParent)
{
    ReportDocument doc(layout);
    StatusWindow status(statusParent);
    status.showStatus(generatingText, 1);
    if (onPrint)
        onPrint(doc);
    for (int page = 1; page <= doc.pages().size(); ++page)
        status.showStatus(generatingText, page);
    return doc;
}

void PrintJob::execute(QWidget *parent)
{
    OutputChoice initial;
    initial.copies = copies;
    const std::optional<OutputChoice> choice
        = chooser() ? chooser()(*this) : OutputDialog::ask(initial, bool(exportRows), parent);
    if (!choice)
        return;
    const bool rows
        = choice->format == OutputChoice::FileFormat::Csv || choice->format == OutputChoice::FileFormat::Xlsx;
    if (choice->destination == OutputChoice::Destination::File && rows && exportRows) {
        exportRows(choice->fileName, choice->format); // the grid's rows, no pages
        return;
    }
    output(generate(parent), *choice, parent);
}

void PrintJob::output(const ReportDocument &doc, const OutputChoice &choice, QWidget *parent)
{
    switch (choice.destination) {
    case OutputChoice::Destination::Preview: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(doc.layout().pageSize);
        printer.setFullPage(true);
        printer.setCopyCount(choice.copies);
        printer.setDocName(title);
        QPrintPreviewDialog preview(&printer, parent);
        preview.setWindowTitle(QStringLiteral("Report Preview"));
        if (previewMaximized)
            preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&doc](QPrinter *p) { ReportRenderer::paintAll(doc, *p); });
        preview.exec();
        return;
    }
    case OutputChoice::Destination::Printer: {
        const QPrinterInfo info = QPrinterInfo::printerInfo(choice.printerName);
        if (info.isNull())
            throw std::runtime_error(QStringLiteral("Nenhuma impressora está instalada. Escolha outro destino para "
                                                    "o relatório.")
                                         .toStdString());
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setPageSize(doc.layout().pageSize);
        printer.setFullPage(true);
        printer.setCopyCount(choice.copies);
        printer.setDocName(title);
        StatusWindow status(parent);
        if (!ReportRenderer::paintAll(doc, printer, [&](int page) { status.showStatus(printingText, page); }))
            throw std::runtime_error(
                QStringLiteral("A impressora %1 não aceitou o relatório.").arg(choice.printerName).toStdString());
        return;
    }
    case OutputChoice::Destination::File:
        break;
    }
    QString error;
    switch (choice.format) {
    case OutputChoice::FileFormat::Pdf:
        if (!ReportRenderer::writePdf(doc, choice.fileName, &error))
            throw std::runtime_error(
                QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(choice.fileName, error).toStdString());
        break;
    case OutputChoice::FileFormat::Text:
        writeText(choice.fileName, ReportRenderer::toPlainText(doc));
        break;
    case OutputChoice::FileFormat::Html:
        writeText(choice.fileName, ReportRenderer::toHtml(doc, title));
        break;
    case OutputChoice::FileFormat::Csv:
    case OutputChoice::FileFormat::Xlsx:
        if (exportRows)
            exportRows(choice.fileName, choice.format);
        break;
    }
}

} // namespace valorama
