#pragma once

#include "platform/printing/OutputChoice.h"
#include "platform/printing/ReportDocument.h"

#include <functional>
#include <optional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace valorama {

// The print job: its page settings, the print event that draws the pages, and the trip to
// the destination the user picks (preview, printer or file).
class PrintJob
{
public:
    ReportLayout layout;
    int copies = 1;
    bool previewMaximized = true;
    QString title = QStringLiteral("ReportPrinter Report");
    QString generatingText = QStringLiteral("Generating page %p");
    QString printingText = QStringLiteral("Printing page %p");

    // Draws every page; raise to stop the job before anything is output.
    std::function<void(ReportCanvas &)> onPrint;
    // Writes the grid's rows as a spreadsheet (CSV or XLSX); absent when the job has no grid.
    std::function<void(const QString &fileName, OutputChoice::FileFormat format)> exportRows;

    // Among the current printer's papers, in its order, the first whose name contains the
    // text (without regard to case); without a match the paper stays as it was.
    void selectPaper(const QString &name);

    // Asks for the destination, generates the pages and sends them. Throws on failures of
    // the print event or of the output.
    void execute(QWidget *parent);
    ReportDocument generate(QWidget *statusParent = nullptr);
    void output(const ReportDocument &doc, const OutputChoice &choice, QWidget *parent);

    // Tests answer the output dialog here.
    using Chooser = std::function<std::optional<OutputChoice>(const PrintJob &job)>;
    static Chooser setChooser(Chooser chooser);
};

} // namespace valorama
