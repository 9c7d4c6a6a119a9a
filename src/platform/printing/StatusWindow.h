#pragma once

#include <QDialog>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace valorama {

// "Report Status": tells which page is being generated or printed. Modal, so that closing it
// hands the focus back without a new activation of the main window.
class StatusWindow : public QDialog
{
    Q_OBJECT

public:
    explicit StatusWindow(QWidget *parent = nullptr);
    // Shows "Generating page %p" or "Printing page %p" with the page number.
    void showStatus(const QString &pattern, int page);
    QString statusText() const;

private:
    QLabel *m_label;
};

} // namespace valorama
