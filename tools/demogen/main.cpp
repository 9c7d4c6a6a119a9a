// Fills a suite's main and interface databases (created from sql/*.sql) with a realistic,
// reproducible pharmacy: stores, stations, users, components, a year of orders and payments.
// Usage: valorama-demogen --main DB --interface DB [--seed N] [--orders N] [--components N]
//        [--dcb-components N] [--user NAME --password PWD]
#include "auth/CredentialEncoding.h"
#include "core/Cp1252.h"
#include "core/Decimal.h"
#include "data/FbAttachment.h"
#include "data/FbClientLibrary.h"
#include "data/SuiteLocations.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <random>

using namespace valorama;

namespace {

struct Options
{
    QString main;
    QString interface;
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("q7Rv2wLpZ");
    quint32 seed = 20260101;
    int orders = 6000;
    int components = 3000;
    int dcbComponents = -1; // default: 60 % of the components
    QDate today = QDate::currentDate();
};

QString quoted(const QString &text)
{
    QString t = text;
    return QLatin1Char('\'') + t.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString dateLiteral(const QDate &d)
{
    return QStringLiteral("DATE '") + d.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

// Statements run as EXECUTE BLOCKs of a few hundred at a time: one round trip for many rows.
class Batch
{
public:
    Batch(FbAttachment &att, FbTransaction &tx) : m_att(att), m_tx(tx) { }
    void add(const QString &statement)
    {
        // A block may name at most 255 tables and hold 64 KB of text.
        if (m_count >= 200 || m_size + statement.size() > 60000)
            flush();
        m_body += statement + QStringLiteral(";\n");
        m_size += statement.size() + 2;
        ++m_count;
    }
    void flush()
    {
        if (m_body.isEmpty())
            return;
        m_att.run(m_tx, QStringLiteral("EXECUTE BLOCK AS BEGIN\n") + m_body + QStringLiteral("END"));
        m_body.clear();
        m_size = 0;
        m_count = 0;
    }

private:
    FbAttachment &m_att;
    FbTransaction &m_tx;
    QString m_body;
    qsizetype m_size = 0;
    int m_count = 0;
};

struct DemoUser
{
    QString name;
    QString password;
    QString station; // empty: no station row
    QString cnpj;
    bool right;
    QString note;
};

QString access(const QString &name, bool right)
{
    QByteArray a(100, 'N');
    const auto first = static_cast<unsigned char>(encodeCp1252(name.left(1)).at(0));
    a[23] = char(static_cast<unsigned char>(first + (right ? 25 : 26)));
    return decodeCp1252(a);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Options o;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString &k = args[i];
        const QString &v = args[i + 1];
        if (k == QLatin1String("--main"))
            o.main = v;
        else if (k == QLatin1String("--interface"))
            o.interface = v;
        else if (k == QLatin1String("--seed"))
            o.seed = v.toUInt();
        else if (k == QLatin1String("--orders"))
            o.orders = v.toInt();
        else if (k == QLatin1String("--components"))
            o.components = v.toInt();
        else if (k == QLatin1String("--dcb-components"))
            o.dcbComponents = v.toInt();
        else if (k == QLatin1String("--user"))
            o.user = v;
        else if (k == QLatin1String("--password"))
            o.password = v;
        else if (k == QLatin1String("--today"))
            o.today = QDate::fromString(v, Qt::ISODate);
        else {
            std::fprintf(stderr, "unknown option %s\n", qPrintable(k));
            return 2;
        }
    }
    if (o.main.isEmpty() || o.interface.isEmpty()) {
        std::fprintf(stderr,
                     "usage: valorama-demogen --main DB --interface DB [--seed N] [--orders N] [--components N]\n");
        return 2;
    }
    if (o.dcbComponents < 0)
        o.dcbComponents = o.components * 6 / 10;
    std::mt19937 rng(o.seed);
    auto pick = [&](const QStringList &list) { return list[int(rng() % quint32(list.size()))]; };
    auto between = [&](int lo, int hi) { return lo + int(rng() % quint32(hi - lo + 1)); };

    try {
        Firebird::IMaster *master = FbClientLibrary::master(SuiteLocations::defaultClientLibraryName());
        AttachmentParams p;
        p.user = o.user;
        p.password = o.password;
        p.charset = QStringLiteral("WIN1252");
        p.database = o.main;
        FbAttachment mainDb(master, p);
        p.database = o.interface;
        FbAttachment interfaceDb(master, p);
        auto tx = mainDb.begin();
        {
            Batch batch(mainDb, *tx);
            const QStringList stores = { QStringLiteral("12345678000190"), QStringLiteral("98765432000110"),
                                         QStringLiteral("55666777000199") };
            const QStringList pharmacies = { QStringLiteral("Farmácia Vida & Saúde"), QStringLiteral("Botica São João"),
                                             QStringLiteral("Manipulação Nova Esperança") };
            for (int s = 0; s < 2; ++s) // the third store is not registered: its users see the store message
                batch.add(QStringLiteral("INSERT INTO DADOSGER (CGC, CNPJ, FIRMA, FARMACIA, CIDADE, ESTADO) VALUES "
                                         "(%1, %1, %2, %2, %3, 'SP')")
                              .arg(quoted(stores[s]), quoted(pharmacies[s]), quoted(QStringLiteral("Ribeirão Preto"))));
            const QList<DemoUser> users = {
                { QStringLiteral("ADMIN"), QStringLiteral("1234"), QStringLiteral("01"), stores[0], true,
                  QStringLiteral("estação 01, loja 1") },
                { QStringLiteral("MARIA"), QStringLiteral("abc123"), QStringLiteral("02"), stores[0], true,
                  QStringLiteral("estação 02, loja 1") },
                { QStringLiteral("JOAO"), QStringLiteral("senha"), QStringLiteral("03"), stores[1], true,
                  QStringLiteral("estação 03, loja 2") },
                { QStringLiteral("CARLA"), QStringLiteral("x9"), QStringLiteral("04"), stores[1], false,
                  QStringLiteral("sem direito ao programa") },
                { QStringLiteral("PEDRO"), QStringLiteral("pedro"), QString(), QString(), true,
                  QStringLiteral("sem estação: o programa termina") },
                { QStringLiteral("ANA"), QStringLiteral("ana"), QStringLiteral("05"), QString(), true,
                  QStringLiteral("estação sem CNPJ") },
                { QStringLiteral("LOJANOVA"), QStringLiteral("nova"), QStringLiteral("06"), stores[2], true,
                  QStringLiteral("loja sem DADOS GERAIS") },
            };
            QTextStream out(stdout);
            out << "Usuários do suite de demonstração (nome / senha):\n";
            for (const DemoUser &u : users) {
                batch.add(
                    QStringLiteral(
                        "INSERT INTO USUARIOS (USUARIO, CODIGO, SENHA, ACESSO, ESTACAO) VALUES (%1, %2, %3, %4, %5)")
                        .arg(quoted(QString::fromLatin1(EncodeCredential(encodeCp1252(u.name)))),
                             quoted(u.name.left(10)),
                             quoted(QString::fromLatin1(EncodeCredential(encodeCp1252(u.password.toUpper())))),
                             quoted(access(u.name, u.right)), quoted(u.station)));
                if (!u.station.isEmpty())
                    batch.add(QStringLiteral("INSERT INTO ESTACOES (ESTACAO, DATBASNAM, TIPO, USUARIO, CNPJ) VALUES "
                                             "(%1, %2, 'BALCAO', %3, %4)")
                                  .arg(quoted(u.station),
                                       quoted(QStringLiteral("C:\\Quintora\\Interfac") + u.station
                                              + QStringLiteral("\\quintora.bd")),
                                       quoted(u.name.toLower()),
                                       u.cnpj.isEmpty() ? QStringLiteral("''") : quoted(u.cnpj)));
                out << QStringLiteral("  %1 / %2  (%3)\n")
                           .arg(u.name.leftJustified(9), u.password.leftJustified(7), u.note);
            }
            out.flush();

            const QStringList bases = { QStringLiteral("Ácido Ascórbico"),
                                        QStringLiteral("Cafeína Anidra"),
                                        QStringLiteral("Minoxidil"),
                                        QStringLiteral("Finasterida"),
                                        QStringLiteral("Melatonina"),
                                        QStringLiteral("Sertralina Cloridrato"),
                                        QStringLiteral("Fluoxetina Cloridrato"),
                                        QStringLiteral("Clonazepam"),
                                        QStringLiteral("Ômega 3"),
                                        QStringLiteral("Colágeno Hidrolisado"),
                                        QStringLiteral("Vitamina D3"),
                                        QStringLiteral("Hidroquinona"),
                                        QStringLiteral("Ácido Hialurônico"),
                                        QStringLiteral("Tretinoína"),
                                        QStringLiteral("Cetoconazol"),
                                        QStringLiteral("Metformina Cloridrato"),
                                        QStringLiteral("Bicarbonato de Sódio"),
                                        QStringLiteral("Óleo de Melaleuca") };
            const QStringList qualifiers = { QStringLiteral("pó"),
                                             QStringLiteral("micronizado"),
                                             QStringLiteral("diluído 1:10"),
                                             QStringLiteral("lote importado"),
                                             QStringLiteral("grau farmacêutico"),
                                             QStringLiteral("base galênica") };
            const QStringList groups = { QStringLiteral("MP"),
                                         QStringLiteral("MP"),
                                         QStringLiteral("MP"),
                                         QStringLiteral("REV"),
                                         QStringLiteral("HOM"),
                                         QStringLiteral("FLO"),
                                         QString(),
                                         QStringLiteral("<null>") };
            for (int c = 0; c < o.components; ++c) {
                QString name = pick(bases) + QLatin1Char(' ') + pick(qualifiers)
                    + QStringLiteral(" %1").arg(c + 1, 5, 10, QLatin1Char('0'));
                if (c % 97 == 0)
                    name += QStringLiteral(" - apresentação especial para manipulação magistral");
                const QString group = pick(groups);
                QString dcb;
                if (c < o.dcbComponents)
                    dcb = QStringLiteral("%1").arg(c % 211 == 5 && c > 5 ? c - 1 : c + 1000, 5, 10,
                                                   QLatin1Char('0')); // a few DCBs repeat
                const qint64 factor = 100000000 + qint64(rng() % 30000000);
                batch.add(QStringLiteral("INSERT INTO COMPONEN (CODIGO, COMPONENTE, GRUPO, DCB, TIPORECEITA, LISTA, "
                                         "FATORCORRECAO, UNID) "
                                         "VALUES (%1, %2, %3, %4, %5, %6, %7, 'G')")
                              .arg(quoted(QStringLiteral("C%1").arg(c + 1, 6, 10, QLatin1Char('0'))),
                                   quoted(name.left(70)),
                                   group == QLatin1String("<null>") ? QStringLiteral("NULL") : quoted(group),
                                   dcb.isEmpty() ? QStringLiteral("''") : quoted(dcb),
                                   quoted(pick({ QStringLiteral("A1"), QStringLiteral("B1"), QStringLiteral("C1") })),
                                   quoted(pick({ QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("C1") })),
                                   Decimal { factor, 8 }.toString()));
            }

            const QStringList types = { QStringLiteral("Pedido"), QStringLiteral("Pedido"), QStringLiteral("Pedido"),
                                        QStringLiteral("Pedido"), QStringLiteral("Orçam"),  QStringLiteral("Repos"),
                                        QStringLiteral("Cancel"), QStringLiteral("Próprio") };
            const QStringList attendants = { QStringLiteral("ANA PAULA"),
                                             QStringLiteral("BRUNO"),
                                             QStringLiteral("CÍNTIA"),
                                             QStringLiteral("D'ÁVILA"),
                                             QStringLiteral("EDUARDO"),
                                             QStringLiteral("FÁTIMA"),
                                             QString(),
                                             QStringLiteral("<null>") };
            const QStringList customers = { QStringLiteral("José da Silva"),  QStringLiteral("Maria Conceição"),
                                            QStringLiteral("Antônio Souza"),  QStringLiteral("Luíza Gonçalves"),
                                            QStringLiteral("João Batista"),   QStringLiteral("Mônica Araújo"),
                                            QStringLiteral("Sebastião Lima"), QStringLiteral("Célia Ribeiro") };
            const QStringList methods = { QStringLiteral("DINHEIRO"),
                                          QStringLiteral("CARTÃO DE CRÉDITO"),
                                          QStringLiteral("CARTÃO DE DÉBITO"),
                                          QStringLiteral("PIX"),
                                          QStringLiteral("CHEQUE"),
                                          QStringLiteral("CONVÊNIO"),
                                          QStringLiteral("BOLETO") };
            const QStringList stations = { QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03") };
            for (int n = 0; n < o.orders; ++n) {
                const QString station = stations[n % stations.size()];
                const int number = n / int(stations.size()) + 1;
                const QDate date = o.today.addDays(-between(0, 364));
                const qint64 price = between(1500, 45000);
                const QString who = pick(attendants);
                batch.add(
                    QStringLiteral(
                        "INSERT INTO PEDIDOS (ESTACAO, NPEDIDO, NOME, DATAPEDIDO, RECEBIDOPOR, TIPOPEDIDO, PRECOFINAL) "
                        "VALUES (%1, %2, %3, %4, %5, %6, %7)")
                        .arg(quoted(station), QString::number(number), quoted(pick(customers)), dateLiteral(date),
                             who == QLatin1String("<null>") ? QStringLiteral("NULL") : quoted(who), quoted(pick(types)),
                             Decimal { price, 2 }.toString()));
                const int payments = between(1, 3);
                qint64 left = price;
                for (int k = 1; k <= payments; ++k) {
                    const qint64 part = k == payments ? left : left * between(20, 70) / 100;
                    left -= part;
                    batch.add(QStringLiteral("INSERT INTO PAGPEDID (ESTACAO, NPEDIDO, FORMAPAG, CODPAGPED, VALOR) "
                                             "VALUES (%1, %2, %3, %4, %5)")
                                  .arg(quoted(station), QString::number(number), quoted(pick(methods)),
                                       QString::number(k), Decimal { part, 2 }.toString()));
                }
            }
            batch.add(QStringLiteral("INSERT INTO COMISSAO (GRUPO, COMISSAO) VALUES ('MP', 2.5)"));
            batch.add(QStringLiteral("INSERT INTO COMISSAO (GRUPO, COMISSAO) VALUES ('REV', 1.5)"));
            const QDate first(o.today.year(), o.today.month(), 1);
            batch.add(QStringLiteral("INSERT INTO PERIODO (DATAINICIAL, DATAFINAL) VALUES (%1, %2)")
                          .arg(dateLiteral(first), dateLiteral(first.addMonths(1).addDays(-1))));
            batch.flush();
        }
        tx->commit();
        auto itx = interfaceDb.begin();
        const QDate first(o.today.year(), o.today.month(), 1);
        interfaceDb.run(*itx, QStringLiteral("INSERT INTO PERIODO (DATAINICIAL, DATAFINAL) VALUES (?, ?)"),
                        { first, first.addMonths(1).addDays(-1) });
        itx->commit();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "valorama-demogen: %s\n", e.what());
        return 1;
    }
    return 0;
}
