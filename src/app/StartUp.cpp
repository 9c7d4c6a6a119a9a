#include "app/StartUp.h"

#include "app/SharedValues.h"
#include "config/SuiteConfiguration.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/ErrorReporting.h"
#include "platform/Messages.h"

namespace valorama {

bool ReadSuiteConfiguration(const QString &folder, SharedValues &values)
{
    SuiteConfiguration config;
    switch (config.read(folder)) {
    case SuiteConfiguration::ReadResult::Missing:
        Messages::show(
            QStringLiteral("Arquivo QUINTORA.INI não encontrado. Execute o programa Preparo.exe para criá-lo."));
        return false;
    case SuiteConfiguration::ReadResult::Unreadable:
        Messages::show(config.errorString());
        break;
    case SuiteConfiguration::ReadResult::Read:
        break;
    }
    values.CentralServerAddress = config.centralServerAddress();
    return true;
}

void createDataModules(SharedValues &values, const SuiteLocations &locations)
{
    DM = new TDM;
    try {
        DM->DataModuleCreate(values.CentralServerAddress, locations);
    } catch (const std::exception &e) {
        reportError(e);
    }
    DM2 = new TDM2;
    try {
        DM2->DataModuleCreate(values.CentralServerAddress, values.StationCode, locations);
    } catch (const std::exception &e) {
        reportError(e);
    }
}

} // namespace valorama
