#pragma once

#include "platform/printing/ReportCanvas.h"

#include <QFont>
#include <QList>
#include <QPageSize>
#include <QString>

namespace valorama {

struct ReportFont
{
    QString name;
    double points = 10;
    bool bold = false;
    bool underline = false;
    friend bool operator==(const ReportFont &, const ReportFont &) = default;
};

struct ReportTextOp
{
    double x = 0;
    double y = 0;
    QString text;
    ReportFont font;
};

struct ReportPage
{
    QList<ReportTextOp> ops;
};

// The page settings of a job: margins in inches, positions in report units.
struct ReportLayout
{
    double unitsPerInch = 1.77;
    double leftMargin = 0.5;
    double topMargin = 0.5;
    double bottomMargin = 0.25;
    double rightMargin = 0.25;
    QPageSize pageSize = QPageSize(QPageSize::A4);
};

// A canvas that records the report: pages of positioned texts with their fonts. Every
// output (preview, printer, PDF, text, HTML) is rendered from it. Text widths and line
// heights come from the fonts' metrics.
class ReportDocument : public ReportCanvas
{
public:
    using Layout = ReportLayout;
    explicit ReportDocument(const ReportLayout &layout = ReportLayout());

    void setFont(const QString &name, double points) override;
    void setUnderline(bool on) override;
    void setBold(bool on) override;
    void gotoXY(double x, double y) override;
    void print(const QString &text) override;
    void printLeft(const QString &text, double x) override;
    void newLine() override;
    void newPage() override;
    void home() override;
    double lineHeight() const override;

    const QList<ReportPage> &pages() const { return m_pages; }
    const Layout &layout() const { return m_layout; }
    // Width of a text in the current font, in report units.
    double textWidth(const QString &text) const;

    // The pages as plain text: one line per baseline, texts in their order along the line.
    QStringList pageLines(int page) const;

    static double lineHeightOf(const ReportFont &font, double unitsPerInch);
    // The font a report font stands for on this system (the suite's font names substituted).
    static QFont qfont(const ReportFont &font);

private:
    void add(double x, const QString &text);

    Layout m_layout;
    QList<ReportPage> m_pages;
    ReportFont m_font;
    double m_x = 0;
    double m_y = 0;
};

} // namespace valorama
