#pragma once

#include "data/Value.h"

#include <QList>
#include <QString>

namespace valorama {

class SqlConnection;

// The command of a dataset chain: the select it reads through its connection, with the
// values it binds. Callers replace the text; the client dataset reads it when it opens.
struct SqlDataSet
{
    QString name;
    SqlConnection *connection = nullptr;
    QString commandText;
    QList<Value> params;

    void setCommandText(const QString &sql, const QList<Value> &values = {})
    {
        commandText = sql;
        params = values;
    }
};

} // namespace valorama
