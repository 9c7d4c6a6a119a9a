#pragma once

#include <QByteArray>

namespace valorama {

// The right to this program: the 24th character of the user's access text has the code of the
// first letter of the name plus 25, modulo 256. An access text shorter than 24 characters
// grants nothing.
inline bool hasProgramRight(const QByteArray &access, char firstLetter)
{
    if (access.size() < 24)
        return false;
    const auto code = static_cast<unsigned char>(access[23]);
    return static_cast<unsigned char>(code - 25) == static_cast<unsigned char>(firstLetter);
}

} // namespace valorama
