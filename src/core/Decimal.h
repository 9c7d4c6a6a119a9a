#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace valorama {

// An exact decimal: units scaled by 10^places, as NUMERIC values travel to and from the server.
struct Decimal
{
    qint64 units = 0;
    int places = 0;

    // Plain text form: "-1234.50", "0.57", "3".
    QString toString() const;
    // Parses "[-]digits[.digits]" with "." as decimal separator, rounding half away from zero
    // to the given places. Returns nullopt for any other text or on overflow.
    static std::optional<Decimal> parse(const QString &text, int places);
    // The same value at another number of places (half away from zero when places drop).
    // Returns nullopt on overflow.
    std::optional<Decimal> rescaled(int newPlaces) const;
    // Nearest whole number, an exact half going to the even neighbour.
    qint64 roundHalfEven() const;
    double toDouble() const;
    // Display formats of the suite: "0.00" and "#,##0.00".
    QString format(const QString &pattern) const;

    friend bool operator==(const Decimal &a, const Decimal &b) = default;
};

} // namespace valorama
