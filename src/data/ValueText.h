#pragma once

#include "data/Value.h"

namespace valorama {

// A value's text form with the program's formats: numbers with ".", dates "dd/mm/yy",
// times "hh:mm:ss"; null is the empty text.
QString valueToText(const Value &v);
// The text a grid shows: a display format ("0.00", "#,##0.00") applied to numbers.
QString displayText(const Value &v, const QString &format);

} // namespace valorama
