#pragma once

#include "data/FbAttachment.h"

#include <QList>

#include <memory>

namespace valorama {

class ClientDataSet;
class SqlConnection;

// Many writes on one connection as one transaction: every statement and every dataset apply
// on that connection runs inside it, and the datasets re-read once when the scope ends rather
// than after each post. commit() makes the work durable; a scope left without commit()
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

private:
    void refreshDeferred(bool throwing);

    SqlConnection &m_connection;
    std::unique_ptr<FbTransaction> m_tx;
    QList<ClientDataSet *> m_deferred;
};

} // namespace valorama
