#include "platform/DBGrid.h"

#include "data/ClientDataSet.h"
#include "data/DataSource.h"
#include "platform/ErrorReporting.h"
#include "platform/Messages.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>

namespace valorama {

DBGrid::DBGrid(const QString &name, DataSource *source, const QList<DataSetTableModel::Column> &columns,
               QWidget *parent)
    : QTableView(parent), m_source(source), m_model(new DataSetTableModel(source->dataSet(), columns, this))
{
    setObjectName(name);
    m_model->onError = [](const std::exception &e) { reportError(e); };
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setFixedWidth(12);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            guarded([this](const QModelIndex &current, const QModelIndex &) { rowLeft(current.row()); }));
    connect(m_model, &QAbstractItemModel::modelReset, this, &DBGrid::syncCurrentRow);
    connect(source->dataSet(), &ClientDataSet::currentChanged, this, &DBGrid::syncCurrentRow);
}

QMenu *DBGrid::createPopupMenu(const QString &name)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(name);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, menu,
            [this, menu](const QPoint &pos) { menu->popup(viewport()->mapToGlobal(pos)); });
    return menu;
}

void DBGrid::rowLeft(int newRow)
{
    ClientDataSet *ds = m_source->dataSet();
    if (!ds->active() || newRow < 0)
        return;
    if (ds->state() == ClientDataSet::State::Edit || ds->state() == ClientDataSet::State::Insert) {
        if (newRow == ds->recNo() && ds->state() == ClientDataSet::State::Edit)
            return;
        ds->post(); // writes the row back at once
    }
    ds->moveTo(newRow);
}

void DBGrid::syncCurrentRow()
{
    ClientDataSet *ds = m_source->dataSet();
    if (!ds->active() || ds->recNo() < 0 || ds->recNo() >= m_model->rowCount())
        return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex target = m_model->index(ds->recNo(), column);
    if (currentIndex() != target) {
        const QSignalBlocker block(selectionModel());
        setCurrentIndex(target);
    }
}

void DBGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && (event->modifiers() & Qt::ControlModifier)) {
        guarded([this] {
            ClientDataSet *ds = m_source->dataSet();
            if (!ds->active() || ds->visibleRowCount() == 0)
                return;
            if (!Messages::confirm(QStringLiteral("Delete record?")))
                return;
            if (currentIndex().isValid() && !ds->isInsertRow(currentIndex().row()))
                ds->moveTo(currentIndex().row());
            ds->deleteRecord();
        })();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace valorama
