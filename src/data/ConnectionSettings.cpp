#include "data/ConnectionSettings.h"

#include "data/SqlConnection.h"

namespace valorama {

void applyConnectionParams(SqlConnection &connection, const QString &database, const QString &charset)
{
    connection.setParam(QStringLiteral("DriverName"), QStringLiteral("Interbase"));
    connection.setParam(QStringLiteral("Database"), database);
    connection.setParam(QStringLiteral("RoleName"), QStringLiteral("RoleName"));
    connection.setParam(QStringLiteral("User_Name"), QStringLiteral("sysdba"));
    connection.setParam(QStringLiteral("Password"), QStringLiteral("q7Rv2wLpZ"));
    connection.setParam(QStringLiteral("ServerCharSet"), charset);
    connection.setParam(QStringLiteral("SQLDialect"), QStringLiteral("3"));
    connection.setParam(QStringLiteral("BlobSize"), QStringLiteral("-1"));
    connection.setParam(QStringLiteral("CommitRetain"), QStringLiteral("False"));
    connection.setParam(QStringLiteral("WaitOnLocks"), QStringLiteral("True"));
    connection.setParam(QStringLiteral("ErrorResourceFile"), QString());
    connection.setParam(QStringLiteral("LocaleCode"), QStringLiteral("0000"));
    connection.setParam(QStringLiteral("Interbase TransIsolation"), QStringLiteral("ReadCommited"));
    connection.setParam(QStringLiteral("Trim Char"), QStringLiteral("False"));
}

} // namespace valorama
