#include "platform/Application.h"

#include "platform/ErrorReporting.h"

namespace valorama {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("VALORAMA"));
    setApplicationDisplayName(QStringLiteral("VALORAMA"));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        reportError(e);
    } catch (...) {
        reportUnknownError();
    }
    return false;
}

} // namespace valorama
