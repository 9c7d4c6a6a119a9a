#pragma once

#include "data/FbAttachment.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

namespace valorama {

class BulkWriteScope;

// A database connection as the data modules hold it: a name, the driver's name=value
// parameters in order, and the client library. Closed until first used; once open it stays
// open. Each statement commits on its own unless a BulkWriteScope is active on it.
class SqlConnection
{
public:
    explicit SqlConnection(const QString &connectionName);
    ~SqlConnection();

    QString connectionName() const { return m_name; }
    QString vendorLib() const { return m_vendorLib; }
    void setVendorLib(const QString &path) { m_vendorLib = path; }

    // Parameters match their names without regard to case.
    QString param(const QString &name) const;
    void setParam(const QString &name, const QString &value);
    const QList<QPair<QString, QString>> &params() const { return m_params; }

    bool connected() const { return m_attachment != nullptr; }
    // Throws DatabaseError when the server cannot be reached or refuses the login.
    void open();
    void close();

    // Runs one statement (no result rows); returns the rows affected.
    qint64 executeDirect(const QString &sql, const QList<Value> &params = {});
    // Runs a select and fetches all its rows.
    ResultTable query(const QString &sql, const QList<Value> &params = {});
    // Runs a statement on behalf of a dataset's write-back.
    qint64 execute(const QString &sql, const QList<Value> &params, bool wantAffected);

    BulkWriteScope *bulkScope() const { return m_scope; }

private:
    friend class BulkWriteScope;
    template<class F> auto withTransaction(bool readOnly, F &&work);
    void dropIfLost(const class DatabaseError &e);
    std::unique_ptr<FbTransaction> beginFresh(const TransactionOptions &options);

    QString m_name;
    QString m_vendorLib;
    QList<QPair<QString, QString>> m_params;
    std::unique_ptr<FbAttachment> m_attachment;
    BulkWriteScope *m_scope = nullptr;
    bool m_lost = false;
};

} // namespace valorama
