#include "platform/printing/ReportDocument.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QMap>

#include <algorithm>

namespace valorama {

namespace {

// Font metrics measured on a device of 72 dots per inch, so that one dot is one point.
const QImage &pointDevice()
{
    static const QImage device = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(int(72 / 0.0254 + 0.5));
        img.setDotsPerMeterY(int(72 / 0.0254 + 0.5));
        return img;
    }();
    return device;
}

// The suite's fixed-width fonts, and the misspelt names its settings offer, become the
// fixed-width fonts this system has; the columns line up only with such fonts.
void installFontSubstitutions()
{
    static const bool done = [] {
        const QStringList mono = { QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                                   QStringLiteral("Courier New"), QStringLiteral("monospace") };
        for (const char *name : { "Lucida Console", "Courrier New", "Courrier", "Courier New", "Courier" })
            QFont::insertSubstitutions(QString::fromLatin1(name), mono);
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   { QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif") });
        return true;
    }();
    Q_UNUSED(done);
}

} // namespace

QFont ReportDocument::qfont(const ReportFont &f)
{
    installFontSubstitutions();
    QFont font(f.name);
    font.setPointSizeF(f.points);
    font.setBold(f.bold);
    font.setUnderline(f.underline);
    font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    return font;
}

ReportDocument::ReportDocument(const ReportLayout &layout) : m_layout(layout)
{
    m_pages.append(ReportPage {});
    m_font.name = QStringLiteral("Lucida Console");
    m_x = m_layout.leftMargin * m_layout.unitsPerInch;
    m_y = m_layout.topMargin * m_layout.unitsPerInch + lineHeight();
}

double ReportDocument::lineHeightOf(const ReportFont &font, double unitsPerInch)
{
    const QFontMetricsF fm(qfont(font), &pointDevice());
    return fm.lineSpacing() / 72.0 * unitsPerInch;
}

double ReportDocument::lineHeight() const
{
    return lineHeightOf(m_font, m_layout.unitsPerInch);
}

double ReportDocument::textWidth(const QString &text) const
{
    const QFontMetricsF fm(qfont(m_font), &pointDevice());
    return fm.horizontalAdvance(text) / 72.0 * m_layout.unitsPerInch;
}

void ReportDocument::setFont(const QString &name, double points)
{
    m_font.name = name;
    m_font.points = points;
}

void ReportDocument::setUnderline(bool on)
{
    m_font.underline = on;
}

void ReportDocument::setBold(bool on)
{
    m_font.bold = on;
}

void ReportDocument::gotoXY(double x, double y)
{
    m_x = x;
    m_y = y;
}

void ReportDocument::add(double x, const QString &text)
{
    m_pages.last().ops.append({ x, m_y, text, m_font });
    m_x = x + textWidth(text);
}

void ReportDocument::print(const QString &text)
{
    add(m_x, text);
}

void ReportDocument::printLeft(const QString &text, double x)
{
    add(x, text);
}

void ReportDocument::newLine()
{
    m_y += lineHeight();
    m_x = m_layout.leftMargin * m_layout.unitsPerInch;
}

void ReportDocument::newPage()
{
    m_pages.append(ReportPage {});
    home();
}

void ReportDocument::home()
{
    m_x = m_layout.leftMargin * m_layout.unitsPerInch;
    m_y = m_layout.topMargin * m_layout.unitsPerInch + lineHeight();
}

QStringList ReportDocument::pageLines(int page) const
{
    QMap<qint64, QList<const ReportTextOp *>> lines; // keyed by baseline in micro-units
    for (const ReportTextOp &op : m_pages[page].ops)
        lines[qint64(op.y * 1e6 + 0.5)].append(&op);
    QStringList out;
    for (auto it = lines.cbegin(); it != lines.cend(); ++it) {
        QList<const ReportTextOp *> ops = it.value();
        std::stable_sort(ops.begin(), ops.end(), [](auto *a, auto *b) { return a->x < b->x; });
        QString line;
        for (const ReportTextOp *op : ops)
            line += op->text;
        out << line;
    }
    return out;
}

} // namespace valorama
