#pragma once

#include <QByteArray>

namespace valorama {

// The suite's fixed encoding of user names and passwords: the bit string of the text rotated
// left by three places, its bytes taken from the end, each written as two letters "A" to "P".
// Defined for texts of up to 31 bytes; longer ones are refused by the login before encoding
// (MaxCredentialLength), and encoded here by the same rule.
inline constexpr int MaxCredentialLength = 31;
QByteArray EncodeCredential(QByteArrayView text);

} // namespace valorama
