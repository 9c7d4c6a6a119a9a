#pragma once

#include <QString>

QT_BEGIN_NAMESPACE
class QLabel;
class QRect;
class QWidget;
QT_END_NAMESPACE

namespace valorama {

// The title bar of a panel: bold white text on navy across its top.
QLabel *makePanelTitle(QWidget *panel, const QString &text, const QRect &geometry);

} // namespace valorama
