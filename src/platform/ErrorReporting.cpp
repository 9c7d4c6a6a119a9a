#include "platform/ErrorReporting.h"

#include "platform/Messages.h"

#include <QString>

namespace valorama {

void reportError(const std::exception &e)
{
    Messages::show(QString::fromUtf8(e.what()));
}

void reportUnknownError()
{
    Messages::show(QStringLiteral("Ocorreu um erro inesperado. A operação foi interrompida."));
}

} // namespace valorama
