#include "app/StartUp.h"
#include "app/TFormSNGPC.h"
#include "data/SuiteLocations.h"
#include "platform/Application.h"

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(valorama);
    valorama::Application app(argc, argv);
    valorama::TFormSNGPC form(QCoreApplication::applicationDirPath());
    if (form.configurationMissing())
        return 0;
    valorama::createDataModules(form.values(), valorama::SuiteLocations {});
    form.bindDataModules();
    form.show();
    form.activateWindow();
    return app.exec();
}
