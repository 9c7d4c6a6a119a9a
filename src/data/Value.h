#pragma once

#include "core/Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <variant>

namespace valorama {

// One column value as it travels to and from the server. Integers of any width are qint64,
// NUMERIC/DECIMAL values exact Decimals, text is decoded from the workstation's code page.
using Value = std::variant<std::monostate, QString, qint64, Decimal, double, QDate, QTime, QDateTime>;

inline bool isNull(const Value &v)
{
    return std::holds_alternative<std::monostate>(v);
}

} // namespace valorama
