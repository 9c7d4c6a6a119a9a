#pragma once

#include <QDate>
#include <QString>

namespace valorama::test {

class TestSuite;

inline const QString StoreA = QStringLiteral("12345678000190");
inline const QString StoreB = QStringLiteral("98765432000110");

// A user of USUARIOS stored as the suite stores it; right says whether ACESSO grants this
// program. With a station, an ESTACOES row for the user is added too.
void addUser(TestSuite &suite, const QString &name, const QString &password, bool right = true);
void addStation(TestSuite &suite, const QString &station, const QString &user, const QString &cnpj,
                const QString &workspace = QStringLiteral("C:\\Quintora\\Interfac01\\quintora.bd"));
void addStore(TestSuite &suite, const QString &cnpj);
void addOrder(TestSuite &suite, const QString &station, int number, const QDate &date, const QString &type,
              const QString &attendant, const QString &price, const QString &customer = QStringLiteral("Cliente"));
void addPayment(TestSuite &suite, const QString &station, int number, const QString &method, int code,
                const QString &value);
void setMainPeriod(TestSuite &suite, const QDate &start, const QDate &end);
void setRate(TestSuite &suite, const QString &group, double rate);

// The standard suite of the window tests: store A registered, user ADMIN / 1234 at station 01.
void seedStandardSuite(TestSuite &suite);

} // namespace valorama::test
