#pragma once

#include <QString>
#include <QStringList>

namespace valorama {

struct SqlDataSet;

// Turns a client dataset's pending changes into statements on the table its command selects
// from. KeyOnly names a row by its key columns, AllColumns by the old values of every column.
struct DataSetProvider
{
    enum class UpdateMode { KeyOnly, AllColumns };

    QString name;
    SqlDataSet *dataSet = nullptr;
    UpdateMode updateMode = UpdateMode::KeyOnly;
    QStringList keyFields;
};

} // namespace valorama
