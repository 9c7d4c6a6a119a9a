#include "platform/printing/StatusWindow.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace valorama {

StatusWindow::StatusWindow(QWidget *parent) : QDialog(parent), m_label(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Report Status"));
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    m_label->setMinimumWidth(240);
    layout->addWidget(m_label);
}

void StatusWindow::showStatus(const QString &pattern, int page)
{
    QString text = pattern;
    m_label->setText(text.replace(QStringLiteral("%p"), QString::number(page)));
    if (!isVisible())
        show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString StatusWindow::statusText() const
{
    return m_label->text();
}

} // namespace valorama
