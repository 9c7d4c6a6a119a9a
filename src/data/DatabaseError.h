#pragma once

#include <QString>

#include <stdexcept>

namespace valorama {

// The one error type of the data layer: the server's (or the layer's) message, the SQL it
// concerned and where it happened. what() is the text shown to the user.
class DatabaseError : public std::runtime_error
{
public:
    DatabaseError(const QString &message, const QString &sql = {}, const QString &where = {}, long code = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_sql(sql), m_where(where), m_code(code)
    {
    }

    QString message() const { return m_message; }
    QString sql() const { return m_sql; }
    QString where() const { return m_where; }
    long code() const { return m_code; }
    // The attachment is gone (server stopped, network down): the next use reconnects.
    bool isConnectionLost() const;
    // Another transaction changed the row since this one waited for it.
    bool isUpdateConflict() const;

private:
    QString m_message;
    QString m_sql;
    QString m_where;
    long m_code = 0;
};

// A change that the server or the provider refused; it has been dropped from the dataset.
class WriteRefusedError : public DatabaseError
{
public:
    using DatabaseError::DatabaseError;
};

} // namespace valorama
