#pragma once

#include <QString>

namespace valorama {

class TDM;

// Reads the store's DADOSGER row by its CGC through DadosGer and tells whether its CGC is the
// store's text, exactly. An empty store text finds no row and compares equal.
bool storeIsRegistered(TDM &dm, const QString &storeCnpj);
// The store-missing message; number is "(2)" at activation and "(5)" at the payment report.
QString storeMissingMessage(const QString &number, const QString &storeCnpj);

} // namespace valorama
