#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

namespace valorama {

// The program's one set of conversions between numbers, dates and text: "." decimal, ","
// thousands, "dd/mm/yy", "hh:mm", "hh:mm:ss". Never taken from the system's locale.
namespace Formats {

QString date(const QDate &d); // dd/mm/yy
QString time(const QTime &t); // hh:mm:ss
QString shortTime(const QTime &t); // hh:mm
QString timestamp(const QDateTime &dt); // dd/mm/yy hh:mm:ss

// Day/month/two-digit (or four-digit) year; a two-digit year falls within
// [current year - 50, current year + 49]. nullopt for anything that is not a valid date.
std::optional<QDate> parseDate(const QString &text, int currentYear = QDate::currentDate().year());
std::optional<QTime> parseTime(const QString &text);

// General floating-point text: the shortest form with up to 15 significant digits
// (2.5 -> "2.5", 3 -> "3").
QString generalFloat(double value);
// Strict readings of typed text; the error text is the run-time library's conversion message.
std::optional<double> parseFloat(const QString &text);
std::optional<qint64> parseInteger(const QString &text);
QString floatConversionMessage(const QString &text);
QString integerConversionMessage(const QString &text);
QString dateConversionMessage(const QString &text);

} // namespace Formats

// Upper-cases only "a" to "z"; accented letters stay as they are.
QString asciiUpper(const QString &text);
// Display form of a CNPJ: AB.CDE.FGH/IJKL-MN, unchanged when its third character is ".".
QString FormatCnpj(const QString &text);

} // namespace valorama
