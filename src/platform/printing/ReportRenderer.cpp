#include "platform/printing/ReportRenderer.h"

#include "platform/printing/ReportDocument.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>

namespace valorama {

void ReportRenderer::drawPage(const ReportDocument &doc, int page, QPainter &painter, double dotsPerInch)
{
    const double scale = dotsPerInch / doc.layout().unitsPerInch;
    for (const ReportTextOp &op : doc.pages()[page].ops) {
        QFont font = ReportDocument::qfont(op.font);
        // Points relate to inches, not to the device: size the font in device pixels.
        font.setPixelSize(qMax(1, int(op.font.points / 72.0 * dotsPerInch + 0.5)));
        painter.setFont(font);
        painter.drawText(QPointF(op.x * scale, op.y * scale), op.text);
    }
}

bool ReportRenderer::paintAll(const ReportDocument &doc, QPagedPaintDevice &device,
                              const std::function<void(int)> &progress)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dpi = device.logicalDpiX();
    for (int page = 0; page < doc.pages().size(); ++page) {
        if (page > 0)
            device.newPage();
        if (progress)
            progress(page + 1);
        drawPage(doc, page, painter, dpi);
    }
    painter.end();
    return true;
}

bool ReportRenderer::writePdf(const ReportDocument &doc, const QString &fileName, QString *error)
{
    QFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly)) {
        if (error)
            *error = probe.errorString();
        return false;
    }
    probe.close();
    QPdfWriter writer(fileName);
    writer.setPageSize(doc.layout().pageSize);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(600);
    writer.setTitle(QStringLiteral("ReportPrinter Report"));
    writer.setCreator(QStringLiteral("VALORAMA"));
    if (!paintAll(doc, writer)) {
        if (error)
            *error = QStringLiteral("não foi possível gerar o PDF");
        return false;
    }
    return true;
}

QString ReportRenderer::toPlainText(const ReportDocument &doc)
{
    QString out;
    for (int page = 0; page < doc.pages().size(); ++page) {
        if (page > 0)
            out += QLatin1Char('\f');
        for (const QString &line : doc.pageLines(page))
            out += line + QLatin1Char('\n');
    }
    return out;
}

QString ReportRenderer::toHtml(const ReportDocument &doc, const QString &title)
{
    QString out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"pt-BR\"><head><meta charset=\"utf-8\"><title>%1</title>"
                                 "<style>pre{font-family:'Lucida Console',monospace;page-break-after:always}</style>"
                                 "</head><body>\n")
                      .arg(title.toHtmlEscaped());
    for (int page = 0; page < doc.pages().size(); ++page) {
        out += QStringLiteral("<pre>");
        for (const QString &line : doc.pageLines(page))
            out += line.toHtmlEscaped() + QLatin1Char('\n');
        out += QStringLiteral("</pre>\n");
    }
    return out + QStringLiteral("</body></html>\n");
}

} // namespace valorama
