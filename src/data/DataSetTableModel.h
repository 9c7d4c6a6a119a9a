#pragma once

#include "data/ClientDataSet.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

#include <exception>
#include <functional>

namespace valorama {

// A grid's view of a client dataset: one column per field given, the display format applied
// for DisplayRole, the field's text for EditRole. Editing a cell edits the dataset's row;
// the row is posted when the grid leaves it (postPendingRow).
class DataSetTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    struct Column
    {
        QString field;
        QString title;
    };

    DataSetTableModel(ClientDataSet *dataSet, const QList<Column> &columns, QObject *parent = nullptr);

    ClientDataSet *dataSet() const { return m_ds; }
    const QList<Column> &columns() const { return m_columns; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Errors raised by the dataset while the grid edits go here (the general error reporting).
    std::function<void(const std::exception &)> onError;

private:
    int fieldIndex(int column) const;

    QPointer<ClientDataSet> m_ds;
    QList<Column> m_columns;
};

} // namespace valorama
