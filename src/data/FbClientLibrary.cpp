#include "data/FbClientLibrary.h"

#include "data/DatabaseError.h"

#include <QLibrary>

#include <map>
#include <memory>

#include <firebird/Interface.h>

namespace valorama {

Firebird::IMaster *FbClientLibrary::master(const QString &libraryPath)
{
    struct Loaded
    {
        std::unique_ptr<QLibrary> library; // destroying a QLibrary does not unload it
        Firebird::IMaster *master = nullptr;
    };
    static std::map<QString, Loaded> loaded;
    if (const auto it = loaded.find(libraryPath); it != loaded.end())
        return it->second.master;
    auto lib = std::make_unique<QLibrary>(libraryPath);
    lib->setLoadHints(QLibrary::ExportExternalSymbolsHint);
    using Entry = Firebird::IMaster *(*)();
    auto entry = reinterpret_cast<Entry>(lib->resolve("fb_get_master_interface"));
    if (!entry) {
        const QString why = lib->errorString();
        throw DatabaseError(QStringLiteral("Não foi possível carregar a biblioteca cliente do banco de dados %1: %2")
                                .arg(libraryPath, why),
                            {}, QStringLiteral("FbClientLibrary"));
    }
    Firebird::IMaster *m = entry();
    loaded.emplace(libraryPath, Loaded { std::move(lib), m });
    return m;
}

} // namespace valorama
