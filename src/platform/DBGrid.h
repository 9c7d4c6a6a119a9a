#pragma once

#include "data/DataSetTableModel.h"

#include <QTableView>

QT_BEGIN_NAMESPACE
class QMenu;
QT_END_NAMESPACE

namespace valorama {

class DataSource;

// A data grid over a data source: typing in a cell edits the row, leaving the row posts it,
// Ctrl+Delete asks "Delete record?" and deletes. Errors go to the general error reporting.
class DBGrid : public QTableView
{
    Q_OBJECT

public:
    DBGrid(const QString &name, DataSource *source, const QList<DataSetTableModel::Column> &columns,
           QWidget *parent = nullptr);

    DataSetTableModel *dataModel() const { return m_model; }
    // The grid's pop-up menu, shown where the grid is right-clicked; the grid owns it.
    QMenu *createPopupMenu(const QString &name);
    DataSource *dataSource() const { return m_source; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void rowLeft(int newRow);
    void syncCurrentRow();

    DataSource *m_source;
    DataSetTableModel *m_model;
};

} // namespace valorama
