#pragma once

#include "data/DataSetProvider.h"
#include "data/FbAttachment.h"
#include "data/SqlDataSet.h"
#include "data/Value.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>

namespace valorama {

class ClientDataSet;
class SqlConnection;

// One field of the current row of a client dataset (the row being edited, when there is one).
class Field
{
public:
    Field(ClientDataSet *dataset, int index) : m_ds(dataset), m_index(index) { }

    QString fieldName() const;
    const ColumnInfo &info() const;
    Value value() const;
    bool isNull() const;
    QString asString() const;
    // The value as the grid shows it: the field's display format applied.
    QString displayText() const;
    qint64 asInteger() const;
    Decimal asDecimal() const;
    double asFloat() const;
    QDate asDate() const;

    // Conversions follow the field's type: text is cut to its width, numbers and dates are
    // read from text with the program's formats; unconvertible text throws DatabaseError
    // with the conversion message.
    void setValue(const Value &v);
    void setAsString(const QString &text);

private:
    ClientDataSet *m_ds;
    int m_index;
};

// A cached dataset with its command and provider: fetches every row of its command when it
// opens, keeps edits as pending changes and applies them as INSERT, UPDATE and DELETE
// statements with bound parameters on the table the command selects from.
class ClientDataSet : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };

    // Reads through the provider's command; without a provider the dataset only reads
    // (a query over its own command).
    ClientDataSet(const QString &name, DataSetProvider *provider, QObject *parent = nullptr);
    ClientDataSet(const QString &name, SqlDataSet *command, QObject *parent = nullptr);

    QString name() const { return objectName(); }
    SqlConnection *connection() const { return source()->connection; }
    SqlDataSet &command() const { return *source(); }
    QString commandText() const { return source()->commandText; }
    // The table the command selects from, where the provider writes.
    QString tableName() const;
    void setDisplayFormat(const QString &field, const QString &format);
    QString displayFormat(const QString &field) const;
    void setEditMask(const QString &field, const QString &mask);
    QString editMask(const QString &field) const;

    bool active() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    // Fetches every row; a no-op when already open.
    void open();
    void close();
    // Re-reads the rows with the current command. Inside a BulkWriteScope the re-read waits
    // for the end of the scope.
    void refresh();

    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int recNo() const { return m_current; }
    bool eof() const { return m_eof; }
    void first();
    void next();
    void moveTo(int row);

    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();

    const QList<ColumnInfo> &fields() const { return m_columns; }
    int fieldIndex(const QString &name) const;
    Field fieldByName(const QString &name);
    Value value(int row, int column) const;
    // Rows as shown: the stored ones, plus the row being inserted.
    int visibleRowCount() const;
    bool isInsertRow(int row) const;

    // Applies the pending changes; returns how many the server or the provider refused.
    // Refused changes are dropped (they never stay pending); see lastApplyErrors().
    int applyUpdates(int maxErrors = -1);
    int changeCount() const { return int(m_changes.size()); }
    QStringList lastApplyErrors() const { return m_applyErrors; }

    void clearRows();

    std::function<void(ClientDataSet &)> afterPost;
    std::function<void(ClientDataSet &)> afterDelete;

signals:
    void dataReset();
    void rowChanged(int row);
    void currentChanged(int row);

private:
    friend class Field;
    struct Change
    {
        enum Kind { Insert, Update, Delete } kind;
        Row oldRow;
        Row newRow;
    };

    SqlDataSet *source() const { return m_provider ? m_provider->dataSet : m_source; }
    void checkActive() const;
    void checkBrowseMode();
    void checkWritable() const;
    void fetch();
    Row &currentRow();
    const Row &currentRow() const;
    void applyChange(const Change &c);
    QString whereClause(const Row &oldRow, QList<Value> &params) const;

    DataSetProvider *m_provider = nullptr;
    SqlDataSet *m_source = nullptr;
    QHash<QString, QString> m_displayFormats;
    QHash<QString, QString> m_editMasks;

    State m_state = State::Inactive;
    QList<ColumnInfo> m_columns;
    QList<Row> m_rows;
    int m_current = -1;
    bool m_eof = true;
    Row m_editRow;
    Row m_editOriginal;
    QList<Change> m_changes;
    QStringList m_applyErrors;
};

} // namespace valorama
