#include "platform/DBText.h"

#include "data/ClientDataSet.h"
#include "data/DataSource.h"

namespace valorama {

DBText::DBText(const QString &name, DataSource *source, const QString &field, QWidget *parent)
    : QLabel(parent), m_source(source), m_field(field)
{
    setObjectName(name);
    ClientDataSet *ds = source->dataSet();
    connect(ds, &ClientDataSet::dataReset, this, &DBText::showField);
    connect(ds, &ClientDataSet::currentChanged, this, &DBText::showField);
    connect(ds, &ClientDataSet::rowChanged, this, &DBText::showField);
    showField();
}

void DBText::showField()
{
    ClientDataSet *ds = m_source->dataSet();
    if (!ds->active() || ds->isEmpty() || ds->fieldIndex(m_field) < 0) {
        clear();
        return;
    }
    setText(ds->fieldByName(m_field).asString());
}

} // namespace valorama
