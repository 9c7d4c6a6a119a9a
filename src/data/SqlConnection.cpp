#include "data/SqlConnection.h"

#include "data/BulkWriteScope.h"
#include "data/DatabaseError.h"
#include "data/FbClientLibrary.h"

namespace valorama {

SqlConnection::SqlConnection(const QString &connectionName) : m_name(connectionName) { }

SqlConnection::~SqlConnection() = default;

QString SqlConnection::param(const QString &name) const
{
    for (const auto &p : m_params) {
        if (p.first.compare(name, Qt::CaseInsensitive) == 0)
            return p.second;
    }
    return {};
}

void SqlConnection::setParam(const QString &name, const QString &value)
{
    for (auto &p : m_params) {
        if (p.first.compare(name, Qt::CaseInsensitive) == 0) {
            p.second = value;
            return;
        }
    }
    m_params.append({ name, value });
}

void SqlConnection::open()
{
    if (m_attachment && !m_lost)
        return;
    if (m_scope)
        throw DatabaseError(QStringLiteral("A conexão com o banco de dados foi perdida durante a operação."), {},
                            m_name);
    m_attachment.reset();
    m_lost = false;
    AttachmentParams p;
    p.database = param(QStringLiteral("Database"));
    p.user = param(QStringLiteral("User_Name"));
    p.password = param(QStringLiteral("Password"));
    p.role = param(QStringLiteral("RoleName"));
    p.charset = param(QStringLiteral("ServerCharSet"));
    p.dialect = param(QStringLiteral("SQLDialect")).toInt();
    if (p.dialect == 0)
        p.dialect = 3;
    m_attachment = std::make_unique<FbAttachment>(FbClientLibrary::master(m_vendorLib), p);
}

void SqlConnection::close()
{
    if (m_scope)
        return; // the scope's transaction needs it; it closes with the program
    m_attachment.reset();
    m_lost = false;
}

void SqlConnection::dropIfLost(const DatabaseError &e)
{
    // A lost attachment is of no further use: the next statement attaches again. Inside a
    // scope the transaction still refers to it, so the scope drops it when it ends.
    if (!e.isConnectionLost())
        return;
    if (m_scope)
        m_lost = true;
    else
        m_attachment.reset();
}

std::unique_ptr<FbTransaction> SqlConnection::beginFresh(const TransactionOptions &options)
{
    try {
        return m_attachment->begin(options);
    } catch (const DatabaseError &e) {
        // An attachment that the server dropped since its last use shows it here, before
        // anything ran: attach again once.
        if (!e.isConnectionLost())
            throw;
        m_attachment.reset();
        m_lost = false;
        open();
        return m_attachment->begin(options);
    }
}

template<class F> auto SqlConnection::withTransaction(bool readOnly, F &&work)
{
    open();
    try {
        if (m_scope) {
            m_scope->flushInserts(); // rows queued before this statement go first
            return work(m_scope->transaction());
        }
        TransactionOptions options;
        options.readOnly = readOnly;
        auto tx = beginFresh(options);
        auto result = work(*tx);
        tx->commit();
        return result;
    } catch (const DatabaseError &e) {
        dropIfLost(e);
        throw;
    }
}

qint64 SqlConnection::executeDirect(const QString &sql, const QList<Value> &params)
{
    return execute(sql, params, true);
}

qint64 SqlConnection::execute(const QString &sql, const QList<Value> &params, bool wantAffected)
{
    // A statement that waited for another workstation's lock meets the rows that workstation
    // committed as an update conflict. At read-committed isolation running it again sees
    // them, and a failed statement undid only itself: run it again.
    constexpr int Attempts = 10;
    for (int attempt = 1;; ++attempt) {
        try {
            return withTransaction(
                false, [&](FbTransaction &tx) { return m_attachment->run(tx, sql, params, wantAffected).affected; });
        } catch (const DatabaseError &e) {
            if (!e.isUpdateConflict() || attempt == Attempts)
                throw;
        }
    }
}

ResultTable SqlConnection::query(const QString &sql, const QList<Value> &params)
{
    return withTransaction(true, [&](FbTransaction &tx) { return m_attachment->run(tx, sql, params); });
}

} // namespace valorama
