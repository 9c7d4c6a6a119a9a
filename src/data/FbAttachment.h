#pragma once

#include "data/Value.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace Firebird {
class IMaster;
class IAttachment;
class ITransaction;
class IStatement;
} // namespace Firebird

namespace valorama {

// What the server says of one column of a result.
struct ColumnInfo
{
    enum class Kind { Text, Integer, Numeric, Float, Date, Time, Timestamp, Blob };
    QString name; // the alias, as the select list names it
    QString relation; // table of the column, empty for expressions
    Kind kind = Kind::Text;
    int length = 0; // characters for text
    int places = 0; // decimals for Numeric
    bool fixedLength = false; // CHAR: padding is kept as the server sends it
};

using Row = QList<Value>;

struct ResultTable
{
    QList<ColumnInfo> columns;
    QList<Row> rows;
    qint64 affected = 0;
};

struct AttachmentParams
{
    QString database; // connection string, e.g. 127.0.0.1/3057:C:\quintora\dados\quintora.bd
    QString user;
    QString password;
    QString role;
    QString charset; // empty: NONE
    int dialect = 3;
};

struct TransactionOptions
{
    bool readOnly = false;
    QStringList protectedWrites; // tables reserved for protected write
};

class FbTransaction;

// An attachment to one database through Firebird's own API. Text travels as the
// workstation's single-byte code page. Every failure throws DatabaseError.
class FbAttachment
{
public:
    FbAttachment(Firebird::IMaster *master, const AttachmentParams &params);
    ~FbAttachment();
    FbAttachment(const FbAttachment &) = delete;
    FbAttachment &operator=(const FbAttachment &) = delete;

    std::unique_ptr<FbTransaction> begin(const TransactionOptions &options = {});
    // Runs one statement with bound parameters; a select fetches every row. Statements are
    // prepared once per text and kept while the attachment lives.
    ResultTable run(FbTransaction &tx, const QString &sql, const QList<Value> &params = {}, bool wantAffected = false);

    Firebird::IMaster *master() const { return m_master; }

    // Sees the text of every statement before it runs (tests check what reaches the server).
    using StatementObserver = std::function<void(const QString &sql)>;
    static StatementObserver setStatementObserver(StatementObserver observer);

private:
    Firebird::IMaster *m_master = nullptr;
    Firebird::IAttachment *m_attachment = nullptr;
    static constexpr int MaxCachedStatements = 64;
    QHash<QString, Firebird::IStatement *> m_statements;
};

// Rolls back unless committed.
class FbTransaction
{
public:
    FbTransaction(Firebird::IMaster *master, Firebird::ITransaction *tx);
    ~FbTransaction();
    FbTransaction(const FbTransaction &) = delete;
    FbTransaction &operator=(const FbTransaction &) = delete;

    void commit();
    void rollback();
    bool isActive() const { return m_tx != nullptr; }
    Firebird::ITransaction *handle() const { return m_tx; }

private:
    Firebird::IMaster *m_master = nullptr;
    Firebird::ITransaction *m_tx = nullptr;
};

} // namespace valorama
