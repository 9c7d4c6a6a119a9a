#include "app/ActivationTracker.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace valorama {

ActivationTracker::ActivationTracker(QWidget *mainWindow, std::function<void()> onActivate, QObject *parent)
    : QObject(parent), m_main(mainWindow), m_onActivate(std::move(onActivate))
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivationTracker::focusWindowChanged);
}

bool ActivationTracker::isMain(QWindow *w) const
{
    return w && m_main->windowHandle() == w;
}

void ActivationTracker::firstShown()
{
    if (!m_first)
        return;
    m_first = false;
    m_previousIsOurNonModal = false;
    m_onActivate();
}

void ActivationTracker::focusWindowChanged(QWindow *now)
{
    if (now && (now->type() == Qt::Popup || now->type() == Qt::ToolTip))
        return; // menus and tips take no part in activation
    if (isMain(now)) {
        const bool run = m_first || m_previousIsOurNonModal;
        m_first = false;
        m_previousIsOurNonModal = false;
        if (run)
            m_onActivate();
        return;
    }
    bool modal = false;
    if (now) {
        modal = now->modality() != Qt::NonModal;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() == now)
                modal = modal || w->isModal() || (qobject_cast<QDialog *>(w) && static_cast<QDialog *>(w)->isModal());
        }
    }
    m_previousIsOurNonModal = now && !modal;
}

} // namespace valorama
