#include "data/FbClientLibrary.h"

#include "data/DatabaseError.h"

#include <QHash>
#include <QLibrary>

#include <firebird/Interface.h>

namespace valorama {

Firebird::IMaster *FbClientLibrary::master(const QString &libraryPath)
{
    static QHash<QString, Firebird::IMaster *> loaded;
    if (auto *m = loaded.value(libraryPath))
        return m;
    auto *lib = new QLibrary(libraryPath); // kept for the whole run
    lib->setLoadHints(QLibrary::ExportExternalSymbolsHint);
    using Entry = Firebird::IMaster *(*)();
    auto entry = reinterpret_cast<Entry>(lib->resolve("fb_get_master_interface"));
    if (!entry) {
        const QString why = lib->errorString();
        delete lib;
        throw DatabaseError(QStringLiteral("Não foi possível carregar a biblioteca cliente do banco de dados %1: %2")
                                .arg(libraryPath, why),
                            {}, QStringLiteral("FbClientLibrary"));
    }
    Firebird::IMaster *m = entry();
    loaded.insert(libraryPath, m);
    return m;
}

} // namespace valorama
