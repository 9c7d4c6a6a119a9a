#pragma once

#include <QString>

#include <functional>

QT_BEGIN_NAMESPACE
class QPainter;
class QPagedPaintDevice;
QT_END_NAMESPACE

namespace valorama {

class ReportDocument;

// Draws recorded reports on the real outputs. All share drawPage.
namespace ReportRenderer {

// Draws one page with the painter's origin at the paper's top-left corner.
void drawPage(const ReportDocument &doc, int page, QPainter &painter, double dotsPerInch);
// Paints every page on a paged device (a printer, the preview's printer, a PDF writer),
// calling progress with each page number. Returns false when painting could not start.
bool paintAll(const ReportDocument &doc, QPagedPaintDevice &device, const std::function<void(int)> &progress = {});
// Returns false and sets error when the file cannot be written.
bool writePdf(const ReportDocument &doc, const QString &fileName, QString *error);
QString toPlainText(const ReportDocument &doc);
QString toHtml(const ReportDocument &doc, const QString &title);

} // namespace ReportRenderer

} // namespace valorama
