#include "data/DataSetTableModel.h"

#include "data/ClientDataSet.h"
#include "data/ValueText.h"

namespace valorama {

DataSetTableModel::DataSetTableModel(ClientDataSet *dataSet, const QList<Column> &columns, QObject *parent)
    : QAbstractTableModel(parent), m_ds(dataSet), m_columns(columns)
{
    connect(dataSet, &ClientDataSet::dataReset, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(dataSet, &ClientDataSet::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

int DataSetTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_ds || !m_ds->active())
        return 0;
    return m_ds->visibleRowCount();
}

int DataSetTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int DataSetTableModel::fieldIndex(int column) const
{
    return m_ds ? m_ds->fieldIndex(m_columns.value(column).field) : -1;
}

QVariant DataSetTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) || !m_ds || !m_ds->active())
        return {};
    const int f = fieldIndex(index.column());
    if (f < 0)
        return {};
    const Value v = m_ds->value(index.row(), f);
    if (role == Qt::EditRole)
        return valueToText(v);
    return displayText(v, m_ds->displayFormat(m_columns[index.column()].field));
}

QVariant DataSetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_columns.value(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DataSetTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool DataSetTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !m_ds || !m_ds->active())
        return false;
    try {
        if (!m_ds->isInsertRow(index.row()))
            m_ds->moveTo(index.row());
        m_ds->edit();
        m_ds->fieldByName(m_columns[index.column()].field).setAsString(value.toString());
        return true;
    } catch (const std::exception &e) {
        if (onError)
            onError(e);
        return false;
    }
}

} // namespace valorama
