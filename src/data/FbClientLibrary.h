#pragma once

#include <QString>

namespace Firebird {
class IMaster;
}

namespace valorama {

// The database client library, loaded at run time; its one entry point gives the master
// interface. A library is loaded once per path and stays loaded until the program ends.
class FbClientLibrary
{
public:
    // Throws DatabaseError when the library cannot be loaded or lacks the entry point.
    static Firebird::IMaster *master(const QString &libraryPath);
};

} // namespace valorama
