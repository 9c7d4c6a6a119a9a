#include "platform/FocusChain.h"

#include <QWidget>

namespace valorama {

void focusNextInTabOrder(QWidget *w)
{
    for (QWidget *next = w->nextInFocusChain(); next && next != w; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && next->isVisible() && next->isEnabled()
            && next->focusProxy() == nullptr) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace valorama
