#pragma once

#include <QObject>
#include <QString>

QT_BEGIN_NAMESPACE
class QPieSeries;
QT_END_NAMESPACE

namespace valorama {

class ClientDataSet;

// Feeds a pie series from a client dataset: one slice per row, labelled from one field and
// sized by another, slices sorted by value ascending, each mark reading "label value".
// Follows every change of the dataset.
class PieChartBinding : public QObject
{
    Q_OBJECT

public:
    PieChartBinding(ClientDataSet *dataSet, QPieSeries *series, const QString &labelField, const QString &valueField,
                    QObject *parent = nullptr);
    void rebuild();

private:
    ClientDataSet *m_ds;
    QPieSeries *m_series;
    QString m_labelField;
    QString m_valueField;
};

} // namespace valorama
