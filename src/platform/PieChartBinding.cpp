#include "platform/PieChartBinding.h"

#include "data/ClientDataSet.h"
#include "data/ValueText.h"

#include <QColor>
#include <QPieSeries>
#include <QPieSlice>

#include <algorithm>

namespace valorama {

PieChartBinding::PieChartBinding(ClientDataSet *dataSet, QPieSeries *series, const QString &labelField,
                                 const QString &valueField, QObject *parent)
    : QObject(parent), m_ds(dataSet), m_series(series), m_labelField(labelField), m_valueField(valueField)
{
    connect(dataSet, &ClientDataSet::dataReset, this, &PieChartBinding::rebuild);
    connect(dataSet, &ClientDataSet::rowChanged, this, &PieChartBinding::rebuild);
    rebuild();
}

void PieChartBinding::rebuild()
{
    m_series->clear();
    if (!m_ds->active())
        return;
    const int label = m_ds->fieldIndex(m_labelField);
    const int value = m_ds->fieldIndex(m_valueField);
    if (label < 0 || value < 0)
        return;
    struct Slice
    {
        QString label;
        double value;
    };
    QList<Slice> slices;
    for (int row = 0; row < m_ds->recordCount(); ++row) {
        const Value v = m_ds->value(row, value);
        const QString text = valueToText(v);
        slices.append({ valueToText(m_ds->value(row, label)), text.isEmpty() ? 0.0 : text.toDouble() });
    }
    std::stable_sort(slices.begin(), slices.end(), [](const Slice &a, const Slice &b) { return a.value < b.value; });
    // Distinct colours, as a chart of a few payment methods reads best.
    static const QList<QColor> palette
        = { QColor(255, 0, 0),     QColor(0, 160, 0),     QColor(255, 255, 0), QColor(0, 0, 255),
            QColor(255, 255, 255), QColor(128, 128, 128), QColor(255, 0, 255), QColor(0, 128, 128),
            QColor(0, 0, 128),     QColor(128, 0, 0),     QColor(0, 255, 0) };
    int i = 0;
    for (const Slice &s : std::as_const(slices)) {
        auto *slice = m_series->append(s.label + QLatin1Char(' ') + QString::number(qint64(s.value)), s.value);
        slice->setLabelVisible(true);
        slice->setBrush(palette[i++ % palette.size()]);
        slice->setBorderColor(Qt::black);
        slice->setLabelColor(Qt::black);
        slice->setLabelArmLengthFactor(0.08);
    }
}

} // namespace valorama
