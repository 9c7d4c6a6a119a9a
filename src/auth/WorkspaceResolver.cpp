#include "auth/WorkspaceResolver.h"

#include "app/SharedValues.h"
#include "core/Formats.h"
#include "data/TDM.h"
#include "platform/Messages.h"

namespace valorama {

WorkspaceResolver::WorkspaceResolver(TDM &dm, SharedValues &values, std::function<void(const QString &)> setCaption)
    : m_dm(dm), m_values(values), m_setCaption(std::move(setCaption))
{
}

QString WorkspaceResolver::noStationMessage(const QString &user)
{
    const QChar q = QLatin1Char('"');
    const QChar cr = QLatin1Char('\r');
    return QStringLiteral("Não foi possível selecionar uma área de trabalho para o usuário ") + q + user + q
        + QStringLiteral(". ") + cr + cr + QStringLiteral("Causas prováveis: ") + cr + cr
        + QStringLiteral("  1) Na tabela ") + q + QStringLiteral("Estacoes.db") + q
        + QStringLiteral(" não foi incluída uma estação para o usuário ") + q + user + q + QStringLiteral(".") + cr
        + QStringLiteral("     Obs: Criar também a área de trabalho física (pasta C:\\Quintora\\InterfacXX) para "
                         "este usuário.")
        + cr + QStringLiteral("  --> Favor contactar o suporte técnico da MIRAL SISTEMAS <--");
}

QString WorkspaceResolver::ResolveWorkspace()
{
    m_values.StationCode.clear();
    QString result;
    Messages::show(QStringLiteral("USUÁRIO: ") + m_values.CurrentUser);
    ClientDataSet &estacoes = m_dm.Estacoes;
    estacoes.close();
    m_dm.SQLDS_Estacoes.setCommandText(
        QStringLiteral("Select ESTACAO, DATBASNAM, TIPO, ATCAIXA, ESVAZIAR, EMUSO, CAMINHOREQUISICAO, CAMINHOOM, "
                       "CAMINHOECF, CAMINHOSEQUENCIAL1, CAMINHO2, ROTULO1, ROTULO2, ROTULO3, ROTULO4, ROTULO5, "
                       "ROTULO6, USUARIO, CNPJ from ESTACOES where upper(USUARIO) = CAST(? AS VARCHAR(60))"),
        { asciiUpper(m_values.CurrentUser) });
    estacoes.open();
    const QString user = asciiUpper(estacoes.fieldByName(QStringLiteral("USUARIO")).asString());
    if (!estacoes.isEmpty() && user == asciiUpper(m_values.CurrentUser)) {
        m_values.StationCode = estacoes.fieldByName(QStringLiteral("ESTACAO")).asString().left(2);
        result = estacoes.fieldByName(QStringLiteral("DATBASNAM")).asString();
        m_values.StoreCnpj = estacoes.fieldByName(QStringLiteral("CNPJ")).asString().left(20);
        if (m_values.StoreCnpj.isEmpty())
            Messages::show(QStringLiteral("Erro na configuração da tabela ESTACOES:") + QLatin1Char('\r')
                           + QStringLiteral("O campo CNPJ tabela ESTACOES não foi preenchido para o a estação ")
                           + m_values.StationCode);
        const QChar q = QLatin1Char('"');
        m_setCaption(QStringLiteral(" MIRAL SISTEMAS - RELATÓRIOS     Usuário: ") + q + m_values.CurrentUser + q
                     + QStringLiteral("     Estação: ") + m_values.StationCode + QStringLiteral("     Loja: ")
                     + FormatCnpj(m_values.StoreCnpj));
    } else {
        Messages::show(noStationMessage(m_values.CurrentUser));
    }
    estacoes.close();
    return result;
}

} // namespace valorama
