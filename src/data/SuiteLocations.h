#pragma once

#include <QString>

namespace valorama {

// Every path outside the program that the data layer uses, in one place. The defaults are the
// suite's; tests put their own.
struct SuiteLocations
{
    // Optional file whose first line names the folder of the database client library.
    QString clientLibraryLocationFile = defaultClientLibraryLocationFile();
    // Library file name, appended to that folder or resolved by the system's search.
    QString clientLibraryName = defaultClientLibraryName();
    // The databases as the suite's server knows them (after the server address and ':').
    QString mainDatabase = QStringLiteral("C:\\quintora\\dados\\quintora.bd");
    QString interfaceFolder = QStringLiteral("C:\\quintora\\Interfac");
    QString interfaceFile = QStringLiteral("\\quintora.bd");
    // What the connections hold before the creation handlers point them at the server.
    QString designMainDatabase = QStringLiteral("c:\\quintora\\dados\\Quintora.bd");
    QString designInterfaceDatabase = QStringLiteral("c:\\quintora\\interfac\\quintora.bd");

    static QString defaultClientLibraryLocationFile();
    static QString defaultClientLibraryName();
};

// The library path of a connection given the location file: the folder it names followed by
// the library name, or the bare library name. Throws std::runtime_error when the file exists
// but cannot be read.
QString resolveClientLibrary(const SuiteLocations &locations);

} // namespace valorama
