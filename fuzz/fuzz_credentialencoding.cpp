// libFuzzer target: the encoding agrees with its bit-text definition for every input.
#include "auth/CredentialEncoding.h"

#include <cstdlib>
#include <string>

using namespace valorama;

namespace {

std::string reference(const uint8_t *data, size_t n)
{
    std::string bits;
    for (size_t i = 0; i < n; ++i)
        for (int b = 7; b >= 0; --b)
            bits += (data[i] >> b) & 1 ? '1' : '0';
    if (!bits.empty())
        bits = bits.substr(3) + bits.substr(0, 3);
    std::string out;
    for (size_t end = bits.size(); end > 0; end -= 8) {
        const int v = std::stoi(bits.substr(end - 8, 8), nullptr, 2);
        out += char('A' + (v >> 4));
        out += char('A' + (v & 15));
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray out = EncodeCredential(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (out.size() != qsizetype(2 * size))
        std::abort();
    for (char c : out)
        if (c < 'A' || c > 'P')
            std::abort();
    if (size <= size_t(MaxCredentialLength)
        && std::string(out.constData(), size_t(out.size())) != reference(data, size))
        std::abort();
    return 0;
}
