#include "data/ValueText.h"

#include "core/Formats.h"

namespace valorama {

QString valueToText(const Value &v)
{
    struct Visitor
    {
        QString operator()(std::monostate) const { return {}; }
        QString operator()(const QString &s) const { return s; }
        QString operator()(qint64 n) const { return QString::number(n); }
        QString operator()(const Decimal &d) const { return d.toString(); }
        QString operator()(double f) const { return Formats::generalFloat(f); }
        QString operator()(const QDate &d) const { return Formats::date(d); }
        QString operator()(const QTime &t) const { return Formats::time(t); }
        QString operator()(const QDateTime &dt) const { return Formats::timestamp(dt); }
    };
    return std::visit(Visitor {}, v);
}

QString displayText(const Value &v, const QString &format)
{
    if (!format.isEmpty()) {
        if (const auto *d = std::get_if<Decimal>(&v))
            return d->format(format);
        if (const auto *f = std::get_if<double>(&v)) {
            if (auto d = Decimal::parse(Formats::generalFloat(*f), 8))
                return d->format(format);
        }
    }
    return valueToText(v);
}

} // namespace valorama
