#include "data/BulkWriteScope.h"

#include "data/ClientDataSet.h"
#include "data/DatabaseError.h"
#include "data/SqlConnection.h"

#include <QScopeGuard>

namespace valorama {

BulkWriteScope::BulkWriteScope(SqlConnection &connection, const TransactionOptions &options) : m_connection(connection)
{
    if (connection.m_scope)
        throw DatabaseError(QStringLiteral("Já existe uma gravação em andamento nesta conexão."), {},
                            connection.connectionName());
    connection.open();
    try {
        m_tx = connection.beginFresh(options);
    } catch (const DatabaseError &e) {
        connection.dropIfLost(e);
        throw;
    }
    connection.m_scope = this;
}

BulkWriteScope::~BulkWriteScope()
{
    if (m_connection.m_scope != this)
        return;
    m_connection.m_scope = nullptr;
    m_tx.reset(); // rolls back
    if (m_connection.m_lost)
        m_connection.m_attachment.reset();
    refreshDeferred(false);
}

void BulkWriteScope::deferRefresh(ClientDataSet *dataset)
{
    if (!m_deferred.contains(dataset))
        m_deferred.append(dataset);
}

void BulkWriteScope::queueInsert(const QString &table, const QList<ColumnInfo> &columns, const Row &row)
{
    if (!m_batch.matches(table, columns))
        flushInserts();
    m_batch.add(table, columns, row);
    if (m_batch.isFull())
        flushInserts();
}

void BulkWriteScope::flushInserts()
{
    if (m_batch.isEmpty() || m_flushing)
        return;
    m_flushing = true;
    const auto done = qScopeGuard([this] { m_flushing = false; });
    QList<InsertBatch::Refusal> refused;
    try {
        refused = m_batch.send(*m_connection.m_attachment, *m_tx);
    } catch (const DatabaseError &e) {
        m_connection.dropIfLost(e);
        throw;
    }
    m_refused += int(refused.size());
    if (!refused.isEmpty() && !m_skipRefused)
        throw WriteRefusedError(QStringLiteral("A alteração não foi gravada no banco de dados e foi descartada: %1.")
                                    .arg(InsertBatch::describe(refused.first().code)),
                                {}, m_connection.connectionName(), refused.first().code);
}

void BulkWriteScope::commit()
{
    flushInserts();
    try {
        m_tx->commit();
    } catch (const DatabaseError &e) {
        m_connection.dropIfLost(e);
        throw;
    }
    m_connection.m_scope = nullptr;
    m_tx.reset();
    refreshDeferred(true);
}

void BulkWriteScope::refreshDeferred(bool throwing)
{
    const auto datasets = std::exchange(m_deferred, {});
    for (ClientDataSet *ds : datasets) {
        try {
            if (ds->active())
                ds->refresh();
        } catch (const DatabaseError &) {
            if (throwing)
                throw;
            ds->clearRows(); // nothing can be shown as stored; show nothing rather than unsaved rows
        }
    }
}

} // namespace valorama
