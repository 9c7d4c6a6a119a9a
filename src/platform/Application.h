#pragma once

#include <QApplication>

namespace valorama {

// The application object: an error that escapes an event handler is reported and the
// program goes on.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace valorama
