#pragma once

#include <QString>

namespace valorama {

class SqlConnection;

// The driver parameters every connection of the program carries, in the driver's order.
// charset is empty for the main-database connections.
void applyConnectionParams(SqlConnection &connection, const QString &database, const QString &charset);

} // namespace valorama
