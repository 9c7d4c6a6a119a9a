#pragma once

#include <QString>

namespace valorama {

struct SharedValues;
struct SuiteLocations;

// Reads QUINTORA.INI from the folder into the shared values. Returns false when the file is
// missing, after its message; a file that cannot be read is reported and start-up goes on.
bool ReadSuiteConfiguration(const QString &folder, SharedValues &values);

// Creates DM and DM2 and points their connections at the central server; a client-library
// location file that cannot be read is reported and the modules keep their design databases.
void createDataModules(SharedValues &values, const SuiteLocations &locations);

} // namespace valorama
