#include "reports/payments/ListingSettings.h"

#include "core/Formats.h"

#include <stdexcept>

namespace valorama {

namespace {

double real(const QString &text)
{
    if (auto v = Formats::parseFloat(text))
        return *v;
    throw std::runtime_error(Formats::floatConversionMessage(text).toStdString());
}

int whole(const QString &text)
{
    if (auto v = Formats::parseInteger(text))
        return int(*v);
    throw std::runtime_error(Formats::integerConversionMessage(text).toStdString());
}

// Title and column-title switches: on when the text begins with a capital S.
bool startsWithS(const QString &text)
{
    return text.startsWith(QLatin1Char('S'));
}

} // namespace

ListingSettings ListingSettings::read(const ListingSettingsTexts &t)
{
    ListingSettings s;
    s.titleLeft = real(t.titleLeft);
    s.titleFont = t.titleFont.left(60);
    s.titleSize = real(t.titleSize);
    s.linesPerPage = whole(t.linesPerPage);
    s.titleUnderline = startsWithS(t.titleUnderline);
    s.titleBold = startsWithS(t.titleBold);
    s.columnsUnderline = startsWithS(t.columnsUnderline);
    s.columnsBold = startsWithS(t.columnsBold);
    s.bodyLeft = real(t.bodyLeft);
    s.bodyTop = real(t.bodyTop);
    s.bodyFont = t.bodyFont.left(60);
    s.bodySize = real(t.bodySize);
    s.periodLine = asciiUpper(t.periodLine) == QStringLiteral("S"); // "S" or "s" exactly
    return s;
}

} // namespace valorama
