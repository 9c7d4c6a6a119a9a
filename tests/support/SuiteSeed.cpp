#include "SuiteSeed.h"

#include "TestSuite.h"
#include "auth/CredentialEncoding.h"
#include "core/Cp1252.h"

namespace valorama::test {

void addUser(TestSuite &suite, const QString &name, const QString &password, bool right)
{
    QByteArray access(100, 'N');
    const auto first = static_cast<unsigned char>(encodeCp1252(name.toUpper().left(1)).at(0));
    access[23] = char(static_cast<unsigned char>(first + (right ? 25 : 24)));
    suite.exec(QStringLiteral("insert into USUARIOS (USUARIO, SENHA, ACESSO) values (?, ?, ?)"),
               { QString::fromLatin1(EncodeCredential(encodeCp1252(name.toUpper()))),
                 QString::fromLatin1(EncodeCredential(encodeCp1252(password.toUpper()))), decodeCp1252(access) });
}

void addStation(TestSuite &suite, const QString &station, const QString &user, const QString &cnpj,
                const QString &workspace)
{
    suite.exec(QStringLiteral("insert into ESTACOES (ESTACAO, DATBASNAM, USUARIO, CNPJ) values (?, ?, ?, ?)"),
               { station, workspace, user, cnpj });
}

void addStore(TestSuite &suite, const QString &cnpj)
{
    suite.exec(QStringLiteral("insert into DADOSGER (CGC, CNPJ, FARMACIA) values (?, ?, 'Farmácia Teste')"),
               { cnpj, cnpj });
}

void addOrder(TestSuite &suite, const QString &station, int number, const QDate &date, const QString &type,
              const QString &attendant, const QString &price, const QString &customer)
{
    suite.exec(
        QStringLiteral("insert into PEDIDOS (ESTACAO, NPEDIDO, DATAPEDIDO, TIPOPEDIDO, RECEBIDOPOR, PRECOFINAL, NOME) "
                       "values (?, ?, ?, ?, ?, ?, ?)"),
        { station, qint64(number), date, type, attendant.isNull() ? Value {} : Value { attendant },
          *Decimal::parse(price, 2), customer });
}

void addPayment(TestSuite &suite, const QString &station, int number, const QString &method, int code,
                const QString &value)
{
    suite.exec(
        QStringLiteral("insert into PAGPEDID (ESTACAO, NPEDIDO, FORMAPAG, CODPAGPED, VALOR) values (?, ?, ?, ?, ?)"),
        { station, qint64(number), method, qint64(code), *Decimal::parse(value, 2) });
}

void setMainPeriod(TestSuite &suite, const QDate &start, const QDate &end)
{
    suite.exec(QStringLiteral("delete from PERIODO"));
    suite.exec(QStringLiteral("insert into PERIODO (DATAINICIAL, DATAFINAL) values (?, ?)"), { start, end });
}

void setRate(TestSuite &suite, const QString &group, double rate)
{
    suite.exec(QStringLiteral("insert into COMISSAO (GRUPO, COMISSAO) values (?, ?)"), { group, rate });
}

void seedStandardSuite(TestSuite &suite)
{
    addStore(suite, StoreA);
    addUser(suite, QStringLiteral("ADMIN"), QStringLiteral("1234"));
    addStation(suite, QStringLiteral("01"), QStringLiteral("admin"), StoreA);
}

} // namespace valorama::test
