#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace valorama {

// Moves the focus to the control after w in tab order, as the Tab key would.
void focusNextInTabOrder(QWidget *w);

} // namespace valorama
