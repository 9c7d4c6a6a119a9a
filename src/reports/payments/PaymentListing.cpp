#include "reports/payments/PaymentListing.h"

#include "app/TFormSNGPC.h"
#include "core/Formats.h"
#include "data/ClientDataSet.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "data/ValueText.h"
#include "platform/DBGrid.h"
#include "platform/printing/GridExport.h"
#include "platform/printing/PrintJob.h"
#include "reports/payments/ChartPanel.h"
#include "reports/payments/ParameterPanel.h"

#include <QComboBox>

namespace valorama {

namespace {

QString fieldText(ClientDataSet &ds, const DataSetTableModel::Column &column)
{
    const Field f = ds.fieldByName(column.field);
    return displayText(f.value(), ds.displayFormat(column.field));
}

QString padded(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), false);
}

// The issue line of a page, at the body's top, in the body font.
void PrintPageHeading(ReportCanvas &canvas, const ListingSettings &s,
                      const std::function<std::optional<ListingPeriod>()> &storedPeriod, const QDate &today)
{
    const std::optional<ListingPeriod> period = s.periodLine && storedPeriod ? storedPeriod() : std::nullopt;
    canvas.gotoXY(s.titleLeft, s.bodyTop);
    canvas.setFont(s.bodyFont, s.bodySize);
    canvas.setUnderline(false);
    canvas.setBold(false);
    canvas.printLeft(PaymentListing::issueLine(period, today), s.titleLeft);
}

} // namespace

QString PaymentListing::issueLine(const std::optional<ListingPeriod> &period, const QDate &today)
{
    if (!period)
        return (QStringLiteral("Data Emissão: ") + Formats::date(today)).left(150);
    return (QStringLiteral("Periodo: ") + Formats::date(period->start) + QStringLiteral(" a ")
            + Formats::date(period->end) + QStringLiteral("    Data Emissão: ") + Formats::date(today))
        .left(150);
}

void PaymentListing::PrintGridListing(ReportCanvas &canvas, const GridListingSource &grid,
                                      const ListingSettingsTexts &texts, const QString &reportTitle,
                                      const std::function<std::optional<ListingPeriod>()> &storedPeriod,
                                      const QDate &today)
{
    const ListingSettings s = ListingSettings::read(texts);
    ClientDataSet &ds = *grid.dataSet;
    const auto &columns = grid.columns;

    auto cellText = [&](int c) {
        QString text = fieldText(ds, columns[c]);
        const QString format = grid.numberFormats.value(c);
        if (!format.isEmpty()) {
            if (auto d = Decimal::parse(text, 8))
                text = d->format(format);
            text = text.rightJustified(int(columns[c].title.size()), QLatin1Char(' '));
        }
        return text;
    };

    // Column widths, once: the title as the grid shows it, or the longest field text.
    QList<int> widths;
    for (int c = 0; c < columns.size(); ++c) {
        int width = int(columns[c].title.size());
        for (ds.first(); !ds.eof(); ds.next())
            width = qMax(width, int(cellText(c).size()));
        widths << width;
    }
    // The heading takes one line of the count; a page always holds at least one row.
    const int rowsPerPage = qMax(1, s.linesPerPage - 1);

    auto heading = [&] {
        canvas.setFont(s.titleFont, s.titleSize);
        canvas.setUnderline(false);
        canvas.setBold(false);
        canvas.setUnderline(s.titleUnderline);
        canvas.setBold(s.titleBold);
        canvas.home();
        canvas.printLeft(reportTitle, s.titleLeft);
        PrintPageHeading(canvas, s, storedPeriod, today);
        canvas.gotoXY(s.titleLeft, s.bodyTop + 0.35);
        canvas.setFont(s.bodyFont, s.bodySize);
        canvas.setUnderline(false);
        canvas.setBold(false);
        canvas.setUnderline(s.columnsUnderline);
        canvas.setBold(s.columnsBold);
        for (int c = 0; c < columns.size(); ++c) {
            QString title = columns[c].title;
            while (title.startsWith(QLatin1Char(' ')))
                title.remove(0, 1);
            title = title.leftJustified(widths[c], QLatin1Char(' '), true);
            canvas.print(c == 0 ? title : QStringLiteral("   ") + title);
        }
        canvas.setUnderline(false);
        canvas.setBold(false);
    };

    heading();
    canvas.newLine();
    int lineCounter = 0;
    for (ds.first(); !ds.eof();) {
        for (int c = 0; c < columns.size(); ++c) {
            const QString text = padded(cellText(c), widths[c]);
            if (c == 0)
                canvas.printLeft(text, s.bodyLeft);
            else
                canvas.print(QStringLiteral("   ") + text);
        }
        ++lineCounter;
        ds.next();
        // A full page breaks only when rows remain: no trailing page of headings alone.
        if (lineCounter >= rowsPerPage && !ds.eof()) {
            canvas.newPage();
            heading();
            lineCounter = 0;
        }
        canvas.newLine();
        canvas.adjustLine();
    }
}

void PaymentListing::PrintPaymentListing(TFormSNGPC &form)
{
    ParameterPanel &panel = *form.PainelConfig;
    PrintJob RvSystem1;
    RvSystem1.layout.bottomMargin = 0.25;
    RvSystem1.layout.leftMargin = 0.5;
    RvSystem1.layout.topMargin = 0.5;
    RvSystem1.layout.unitsPerInch = 1.77;
    RvSystem1.copies = 1;
    RvSystem1.previewMaximized = true;
    RvSystem1.selectPaper(panel.ComboBox7->currentText());

    DBGrid *grid = form.Painel_Grafico1->DBGrid1;
    GridListingSource source { &DM->ValorFP, grid->dataModel()->columns(), panel.StringGrid1.mid(0, 2) };
    const ListingSettingsTexts texts = panel.listingTexts();
    const QString title = panel.ReportTitle;
    // The stored period is read on its own, so that a period being typed in the parameter
    // panel is neither closed nor dropped by printing.
    auto storedPeriod = []() -> std::optional<ListingPeriod> {
        const ResultTable r = DM2->SQLConnection1.query(QStringLiteral("select DATAINICIAL, DATAFINAL from PERIODO"));
        if (r.rows.isEmpty())
            return ListingPeriod {};
        const auto *start = std::get_if<QDate>(&r.rows[0][0]);
        const auto *end = std::get_if<QDate>(&r.rows[0][1]);
        return ListingPeriod { start ? *start : QDate(), end ? *end : QDate() };
    };
    // RvSystem1Print: the print event draws every page of the grid's listing.
    RvSystem1.onPrint = [&](ReportCanvas &canvas) {
        PrintGridListing(canvas, source, texts, title, storedPeriod, QDate::currentDate());
    };
    RvSystem1.exportRows = [grid](const QString &fileName, OutputChoice::FileFormat format) {
        if (format == OutputChoice::FileFormat::Xlsx)
            GridExport::writeXlsx(*grid->dataModel(), fileName);
        else
            GridExport::writeCsv(*grid->dataModel(), fileName);
    };
    RvSystem1.execute(&form);
}

} // namespace valorama
