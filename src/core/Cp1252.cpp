#include "core/Cp1252.h"

#include <array>

namespace valorama {

namespace {

// 0x80..0x9F; the rest of the code page is Latin-1. 0 marks the five unassigned bytes,
// which decode to the C1 control of the same value as Windows does.
constexpr std::array<char16_t, 32> HighTable
    = { 0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178 };

} // namespace

QString decodeCp1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F && HighTable[b - 0x80] != 0)
            u = HighTable[b - 0x80];
        *dst++ = QChar(u);
    }
    return out;
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        char b = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = static_cast<char>(u);
        } else if (u >= 0x80 && u <= 0x9F) {
            const bool assigned = HighTable[u - 0x80] != 0;
            b = assigned ? '?' : static_cast<char>(u);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (HighTable[i] == u) {
                    b = static_cast<char>(0x80 + i);
                    break;
                }
            }
        }
        *dst++ = b;
    }
    return out;
}

} // namespace valorama
