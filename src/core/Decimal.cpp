#include "core/Decimal.h"

#include <cmath>
#include <limits>

namespace valorama {

namespace {

qint64 pow10(int n)
{
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

bool mulOverflow(qint64 a, qint64 b, qint64 *out)
{
    return __builtin_mul_overflow(a, b, out);
}

} // namespace

QString Decimal::toString() const
{
    const bool negative = units < 0;
    // Work on the magnitude as unsigned so that the minimum value prints too.
    const quint64 mag = negative ? 0 - static_cast<quint64>(units) : static_cast<quint64>(units);
    QString digits = QString::number(mag);
    if (places > 0) {
        if (digits.size() <= places)
            digits.prepend(QString(places - digits.size() + 1, QLatin1Char('0')));
        digits.insert(digits.size() - places, QLatin1Char('.'));
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

std::optional<Decimal> Decimal::parse(const QString &text, int places)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        negative = t[i++] == QLatin1Char('-');
    qint64 value = 0;
    int fraction = -1; // digits seen after the point, -1 before it
    bool anyDigit = false;
    int roundDigit = -1;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char('.') && fraction < 0) {
            fraction = 0;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        anyDigit = true;
        const int d = c.unicode() - '0';
        if (fraction >= places) {
            if (fraction == places && roundDigit < 0)
                roundDigit = d;
            ++fraction;
            continue;
        }
        if (mulOverflow(value, 10, &value) || __builtin_add_overflow(value, d, &value))
            return std::nullopt;
        if (fraction >= 0)
            ++fraction;
    }
    if (!anyDigit)
        return std::nullopt;
    const int have = fraction < 0 ? 0 : qMin(fraction, places);
    if (mulOverflow(value, pow10(places - have), &value))
        return std::nullopt;
    if (roundDigit >= 5 && __builtin_add_overflow(value, 1, &value))
        return std::nullopt;
    return Decimal { negative ? -value : value, places };
}

std::optional<Decimal> Decimal::rescaled(int newPlaces) const
{
    if (newPlaces >= places) {
        qint64 v;
        if (mulOverflow(units, pow10(newPlaces - places), &v))
            return std::nullopt;
        return Decimal { v, newPlaces };
    }
    const qint64 div = pow10(places - newPlaces);
    qint64 q = units / div;
    const qint64 r = units % div;
    if (2 * (r < 0 ? -r : r) >= div)
        q += units < 0 ? -1 : 1;
    return Decimal { q, newPlaces };
}

qint64 Decimal::roundHalfEven() const
{
    if (places <= 0)
        return units * pow10(-places);
    const qint64 div = pow10(places);
    qint64 q = units / div;
    const qint64 r = units % div;
    const qint64 twice = 2 * (r < 0 ? -r : r);
    if (twice > div || (twice == div && (q % 2 != 0)))
        q += units < 0 ? -1 : 1;
    return q;
}

double Decimal::toDouble() const
{
    return static_cast<double>(units) / static_cast<double>(pow10(places));
}

QString Decimal::format(const QString &pattern) const
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const int shown = point < 0 ? 0 : int(pattern.size() - point - 1);
    const bool grouping = pattern.contains(QLatin1Char(','));
    const auto r = rescaled(shown);
    QString text = r ? r->toString() : toString();
    if (!grouping)
        return text;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    qsizetype intEnd = text.indexOf(QLatin1Char('.'));
    if (intEnd < 0)
        intEnd = text.size();
    for (qsizetype pos = intEnd - 3; pos > 0; pos -= 3)
        text.insert(pos, QLatin1Char(','));
    return negative ? QLatin1Char('-') + text : text;
}

} // namespace valorama
