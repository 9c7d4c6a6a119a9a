#include "core/Formats.h"

#include <QDateTime>
#include <QRegularExpression>

#include <charconv>
#include <cmath>

namespace valorama {

namespace {

QString two(int v)
{
    return QString::number(v).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString Formats::date(const QDate &d)
{
    if (!d.isValid())
        return {};
    return two(d.day()) + QLatin1Char('/') + two(d.month()) + QLatin1Char('/') + two(d.year() % 100);
}

QString Formats::time(const QTime &t)
{
    if (!t.isValid())
        return {};
    return two(t.hour()) + QLatin1Char(':') + two(t.minute()) + QLatin1Char(':') + two(t.second());
}

QString Formats::shortTime(const QTime &t)
{
    if (!t.isValid())
        return {};
    return two(t.hour()) + QLatin1Char(':') + two(t.minute());
}

QString Formats::timestamp(const QDateTime &dt)
{
    return date(dt.date()) + QLatin1Char(' ') + time(dt.time());
}

std::optional<QDate> Formats::parseDate(const QString &text, int currentYear)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int day = m.captured(1).toInt();
    const int month = m.captured(2).toInt();
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2) {
        const int low = currentYear - 50;
        year += (low / 100) * 100;
        if (year < low)
            year += 100;
    }
    const QDate d(year, month, day);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::optional<QTime> Formats::parseTime(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QTime t(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!t.isValid())
        return std::nullopt;
    return t;
}

QString Formats::generalFloat(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    char buf[64];
    // Shortest of the forms with up to 15 significant digits that reads back the same as %.15g.
    for (int digits = 1; digits <= 15; ++digits) {
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
        const std::string s(buf, res.ptr);
        const auto ref = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
        const double a = std::strtod(s.c_str(), nullptr);
        const double b = std::strtod(std::string(buf, ref.ptr).c_str(), nullptr);
        if (a == b)
            return QString::fromLatin1(s.data(), qsizetype(s.size())).toUpper();
    }
    return QString::number(value, 'g', 15);
}

std::optional<double> Formats::parseFloat(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (!re.match(text).hasMatch())
        return std::nullopt;
    const QByteArray latin = text.trimmed().toLatin1();
    double v = 0;
    const auto res
        = std::from_chars(latin.constData() + (latin.startsWith('+') ? 1 : 0), latin.constData() + latin.size(), v);
    if (res.ec != std::errc() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<qint64> Formats::parseInteger(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    if (!re.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok || v < INT_MIN || v > INT_MAX)
        return std::nullopt;
    return v;
}

QString Formats::floatConversionMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString Formats::integerConversionMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString Formats::dateConversionMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid date").arg(text);
}

QString asciiUpper(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return out;
}

QString FormatCnpj(const QString &text)
{
    if (text.size() >= 3 && text[2] == QLatin1Char('.'))
        return text;
    return text.mid(0, 2) + QLatin1Char('.') + text.mid(2, 3) + QLatin1Char('.') + text.mid(5, 3) + QLatin1Char('/')
        + text.mid(8, 4) + QLatin1Char('-') + text.mid(12, 2);
}

} // namespace valorama
