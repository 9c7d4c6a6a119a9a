#pragma once

#include <QByteArray>
#include <QString>

namespace valorama {

// The workstation's single-byte code page (Windows-1252), in which the suite stores its text.
QString decodeCp1252(QByteArrayView bytes);
// Characters outside the code page become '?'.
QByteArray encodeCp1252(const QString &text);

} // namespace valorama
