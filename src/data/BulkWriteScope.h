#pragma once

#include "data/FbAttachment.h"
#include "data/InsertBatch.h"

#include <QList>

#include <memory>

namespace valorama {

class ClientDataSet;
class SqlConnection;

// Many writes on one connection as one transaction: every statement and every dataset apply
// on that connection runs inside it, and the datasets re-read once when the scope ends rather
// than after each post. Inserted rows travel in batches, sent before any other statement of
// the connection and at commit. commit() makes the work durable; a scope left without commit()
// (an exception) rolls everything back and re-reads the datasets so they show what is stored.
class BulkWriteScope
{
public:
    explicit BulkWriteScope(SqlConnection &connection, const TransactionOptions &options = {});
    ~BulkWriteScope();
    BulkWriteScope(const BulkWriteScope &) = delete;
    BulkWriteScope &operator=(const BulkWriteScope &) = delete;

    // Throws DatabaseError when the commit or the re-read fails.
    void commit();

    FbTransaction &transaction() { return *m_tx; }
    void deferRefresh(ClientDataSet *dataset);

    // A row the database refuses is left out and counted (skip), or stops the work with
    // WriteRefusedError when its batch is sent (the default).
    void setSkipRefusedRows(bool skip) { m_skipRefused = skip; }
    int refusedRows() const { return m_refused; }

    void queueInsert(const QString &table, const QList<ColumnInfo> &columns, const Row &row);
    // Sends the queued rows; called before every other statement of the connection.
    void flushInserts();

private:
    void refreshDeferred(bool throwing);

    SqlConnection &m_connection;
    std::unique_ptr<FbTransaction> m_tx;
    QList<ClientDataSet *> m_deferred;
    InsertBatch m_batch;
    bool m_skipRefused = false;
    bool m_flushing = false;
    int m_refused = 0;
};

} // namespace valorama
