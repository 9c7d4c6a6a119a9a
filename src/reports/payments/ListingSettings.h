#pragma once

#include <QString>

namespace valorama {

// The listing's layout settings as the parameter panel holds them (texts).
struct ListingSettingsTexts
{
    QString periodLine = QStringLiteral("S");
    QString linesPerPage = QStringLiteral("60");
    QString paper = QStringLiteral("A4");
    QString titleFont = QStringLiteral("Lucida Console");
    QString titleSize = QStringLiteral("13");
    QString titleUnderline = QStringLiteral("S");
    QString titleBold = QStringLiteral("S");
    QString titleLeft = QStringLiteral("2");
    QString columnsUnderline = QStringLiteral("S");
    QString columnsBold = QStringLiteral("N");
    QString bodyFont = QStringLiteral("Lucida Console");
    QString bodySize = QStringLiteral("10");
    QString bodyTop = QStringLiteral("1.5");
    QString bodyLeft = QStringLiteral("2");
};

// The settings read as the listing uses them.
struct ListingSettings
{
    double titleLeft = 2;
    QString titleFont;
    double titleSize = 13;
    int linesPerPage = 60;
    bool titleUnderline = true;
    bool titleBold = true;
    bool columnsUnderline = true;
    bool columnsBold = false;
    double bodyLeft = 2;
    double bodyTop = 1.5;
    QString bodyFont;
    double bodySize = 10;
    bool periodLine = true;

    // Throws std::runtime_error with the conversion message for a setting that is not a number.
    static ListingSettings read(const ListingSettingsTexts &texts);
};

} // namespace valorama
