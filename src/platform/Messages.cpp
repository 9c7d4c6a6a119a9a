#include "platform/Messages.h"

#include <QApplication>
#include <QMessageBox>

namespace valorama {

namespace {

bool showBox(Messages::Kind kind, const QString &text)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(Messages::caption());
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    if (kind == Messages::Kind::Confirmation) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok;
}

Messages::Sink &sink()
{
    static Messages::Sink s = showBox;
    return s;
}

} // namespace

void Messages::show(const QString &text)
{
    sink()(Kind::Information, text);
}

bool Messages::confirm(const QString &text)
{
    return sink()(Kind::Confirmation, text);
}

Messages::Sink Messages::setSink(Sink s)
{
    return std::exchange(sink(), std::move(s));
}

} // namespace valorama
