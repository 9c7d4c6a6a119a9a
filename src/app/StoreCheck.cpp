#include "app/StoreCheck.h"

#include "core/Formats.h"
#include "data/SuiteColumns.h"
#include "data/TDM.h"

namespace valorama {

bool storeIsRegistered(TDM &dm, const QString &storeCnpj)
{
    dm.DadosGer.close();
    dm.SQLDS_DadosGer.setCommandText(QStringLiteral("Select ") + DadosGerColumns()
                                         + QStringLiteral(" from DADOSGER where CGC = CAST(? AS VARCHAR(20))"),
                                     { storeCnpj });
    dm.DadosGer.open();
    return dm.DadosGer.fieldByName(QStringLiteral("CGC")).asString() == storeCnpj;
}

QString storeMissingMessage(const QString &number, const QString &storeCnpj)
{
    const QChar q = QLatin1Char('"');
    return number + QStringLiteral(" Não foi encontrado o registro da loja ") + q + FormatCnpj(storeCnpj) + q
        + QStringLiteral(" no sistema. Entre em contato com o suporte da MIRAL SISTEMAS e solicite a inclusão do "
                         "registro na tabela ")
        + q + QStringLiteral("DADOS GERAIS") + q + QStringLiteral(" antes de continuar.");
}

} // namespace valorama
