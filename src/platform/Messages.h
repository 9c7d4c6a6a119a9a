#pragma once

#include <QString>

#include <functional>

namespace valorama {

// Every message box of the program goes through here: modal, caption "VALORAMA", one OK
// button. Tests replace the sink to read the exact texts.
class Messages
{
public:
    enum class Kind { Information, Confirmation };
    // Returns true for OK. An information message always returns true.
    using Sink = std::function<bool(Kind kind, const QString &text)>;

    static void show(const QString &text);
    // OK/Cancel question; true when OK is chosen.
    static bool confirm(const QString &text);

    // Installs a sink and returns the previous one.
    static Sink setSink(Sink sink);

    static QString caption() { return QStringLiteral("VALORAMA"); }
};

} // namespace valorama
