#pragma once

#include <QObject>

#include <functional>

QT_BEGIN_NAMESPACE
class QWidget;
class QWindow;
QT_END_NAMESPACE

namespace valorama {

// Decides when the main window is activated: at its first display, and when the focus comes
// back to it from another non-modal window of the program. A modal dialog that closes, or a
// return from another application, is no activation.
class ActivationTracker : public QObject
{
    Q_OBJECT

public:
    ActivationTracker(QWidget *mainWindow, std::function<void()> onActivate, QObject *parent = nullptr);

    // The focus moved to this window of the program (null: to another application).
    void focusWindowChanged(QWindow *now);
    // The main window is shown for the first time and no focus came (no window manager).
    void firstShown();

private:
    bool isMain(QWindow *w) const;

    QWidget *m_main;
    std::function<void()> m_onActivate;
    bool m_first = true;
    bool m_previousIsOurNonModal = false;
};

} // namespace valorama
