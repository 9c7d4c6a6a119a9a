#pragma once

#include <QLabel>

namespace valorama {

class DataSource;

// A label showing one field of a data source's current row.
class DBText : public QLabel
{
    Q_OBJECT

public:
    DBText(const QString &name, DataSource *source, const QString &field, QWidget *parent = nullptr);
    void showField();

private:
    DataSource *m_source;
    QString m_field;
};

} // namespace valorama
