#pragma once

#include <QString>

namespace valorama {

// The values the window's parts share for the whole run.
struct SharedValues
{
    QString CentralServerAddress; // up to 60 characters, from QUINTORA.INI
    QString CurrentUser; // upper-cased name of the logged-in user, up to 60
    QString StationCode; // 2 characters of the user's station
    QString StoreCnpj; // up to 20 characters
    bool StoreMissing = false;
    bool ReportBusy = false;
};

} // namespace valorama
