#include "auth/CredentialEncoding.h"

namespace valorama {

QByteArray EncodeCredential(QByteArrayView text)
{
    const qsizetype n = text.size();
    QByteArray out(2 * n, Qt::Uninitialized);
    auto byteAt = [&](qsizetype i) { return static_cast<unsigned char>(text[i % n]); };
    for (qsizetype k = 0; k < n; ++k) {
        // The k-th group from the end of the rotated bits is input byte (n-1-k) shifted left
        // by three, taking the top three bits of the byte after it (wrapping to the first).
        const qsizetype i = n - 1 - k;
        const auto value = static_cast<unsigned char>((byteAt(i) << 3) | (byteAt(i + 1) >> 5));
        out[2 * k] = char('A' + (value >> 4));
        out[2 * k + 1] = char('A' + (value & 0x0F));
    }
    return out;
}

} // namespace valorama
