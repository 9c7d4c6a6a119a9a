#pragma once

#include "data/FbAttachment.h"

#include <QList>
#include <QString>

namespace valorama {

// Rows waiting to be inserted into one table, sent together as one statement: each row's
// insert is a block of its own that catches its error, so a refused row is undone alone and
// named in the answer while the others are written (one round trip for many rows).
class InsertBatch
{
public:
    static constexpr int MaxRows = 200; // a statement may name at most 255 tables

    bool matches(const QString &table, const QList<ColumnInfo> &columns) const;
    bool isEmpty() const { return m_rows.isEmpty(); }
    bool isFull() const { return m_rows.size() >= MaxRows; }
    void add(const QString &table, const QList<ColumnInfo> &columns, const Row &row);

    struct Refusal
    {
        int row; // position in the batch
        long code; // the server's error code
    };
    // Runs the batch in the transaction and empties it; returns the refused rows.
    QList<Refusal> send(FbAttachment &attachment, FbTransaction &tx);

    static QString describe(long code);

private:
    QString m_table;
    QList<ColumnInfo> m_columns;
    QList<Row> m_rows;
};

} // namespace valorama
