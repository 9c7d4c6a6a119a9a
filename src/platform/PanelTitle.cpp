#include "platform/PanelTitle.h"

#include <QLabel>

namespace valorama {

QLabel *makePanelTitle(QWidget *panel, const QString &text, const QRect &geometry)
{
    auto *title = new QLabel(text, panel);
    title->setGeometry(geometry);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("background: navy; color: white; font-weight: bold;"));
    return title;
}

} // namespace valorama
