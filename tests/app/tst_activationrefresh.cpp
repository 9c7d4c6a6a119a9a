#include "SuiteSeed.h"
#include "TestSuite.h"
#include "WorkstationTest.h"

#include "app/ActivationRefresh.h"
#include "app/SharedValues.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "data/ValueText.h"
#include "platform/Messages.h"

#include <QTest>

using namespace valorama;
using namespace valorama::test;

class TestActivationRefresh : public WorkstationTest
{
    Q_OBJECT

    void component(const QString &code, const QString &name, const QString &group, const QString &dcb,
                   const QString &factor = QStringLiteral("1.5"))
    {
        suite->exec(
            QStringLiteral("insert into COMPONEN (CODIGO, COMPONENTE, GRUPO, DCB, TIPORECEITA, LISTA, FATORCORRECAO) "
                           "values (?, ?, ?, ?, 'B1', 'C1', ?)"),
            { code, name, group == QLatin1String("<null>") ? Value {} : Value { group },
              dcb == QLatin1String("<null>") ? Value {} : Value { dcb }, *Decimal::parse(factor, 8) });
    }

private slots:
    void init()
    {
        startWorkstation();
        VALORAMA_REQUIRE_SUITE(*suite);
    }

    void cleanup() { stopWorkstation(); }

    void storeCheck()
    {
        ActivationRefresh refresh(*dm, *dm2, values);
        addStore(*suite, StoreA);
        QVERIFY(refresh.checkStore()); // before login the store is empty: always passes
        values.StoreCnpj = StoreA;
        QVERIFY(refresh.checkStore());
        QVERIFY(!values.StoreMissing);
        values.StoreCnpj = QStringLiteral("11222333000181");
        QVERIFY(!refresh.checkStore());
        QVERIFY(values.StoreMissing);
        QCOMPARE(
            messages,
            QStringList { QStringLiteral("(2) Não foi encontrado o registro da loja \"11.222.333/0001-81\" no sistema. "
                                         "Entre em contato com o suporte da MIRAL SISTEMAS e solicite a inclusão do "
                                         "registro na tabela \"DADOS GERAIS\" antes de continuar.") });
        values.StoreCnpj = QStringLiteral("' or ''='");
        QVERIFY(!refresh.checkStore());
    }

    void insumosRefill()
    {
        suite->exec(QStringLiteral("insert into INSUMOS (DCB, DESCRICAO) values ('OLD', 'antigo')"));
        component(QStringLiteral("1"), QStringLiteral("Beta"), QStringLiteral("MP"), QStringLiteral("002"),
                  QStringLiteral("1.23456789"));
        component(QStringLiteral("2"), QStringLiteral("Alfa"), QStringLiteral("MP"), QStringLiteral("001"));
        component(QStringLiteral("3"), QStringLiteral("Gama revenda"), QStringLiteral("REV"), QStringLiteral("003"));
        component(QStringLiteral("4"), QStringLiteral("Delta homeopatia"), QStringLiteral("HOM"),
                  QStringLiteral("004"));
        component(QStringLiteral("5"), QStringLiteral("Epsilon sem grupo"), QStringLiteral("<null>"),
                  QStringLiteral("005"));
        component(QStringLiteral("6"), QStringLiteral("Zeta grupo vazio"), QStringLiteral(""), QStringLiteral("006"));
        component(QStringLiteral("7"), QStringLiteral("Eta sem DCB"), QStringLiteral("MP"), QStringLiteral(""));
        component(QStringLiteral("8"), QStringLiteral("Alfa repetida"), QStringLiteral("MP"),
                  QStringLiteral("001")); // same DCB, later name
        component(QStringLiteral("9"), QString(65, QLatin1Char('N')), QStringLiteral("MP"), QStringLiteral("009"),
                  QStringLiteral("2.005"));
        component(QStringLiteral("10"), QStringLiteral("Teta DCB nulo"), QStringLiteral("MP"),
                  QStringLiteral("<null>"));
        ActivationRefresh refresh(*dm, *dm2, values);
        QCOMPARE(refresh.refillInsumos(), 4);
        QStringList rows;
        for (const Row &r :
             suite
                 ->query(QStringLiteral("select DCB, DESCRICAO, TIPORECEITA, LISTA, FATCORR from INSUMOS order by DCB"))
                 .rows) {
            QStringList cells;
            for (const Value &v : r)
                cells << valueToText(v);
            rows << cells.join(QLatin1Char('|'));
        }
        QCOMPARE(
            rows,
            (QStringList { QStringLiteral("001|Alfa|B1|C1|1.50"), QStringLiteral("002|Beta|B1|C1|1.23"),
                           QStringLiteral("006|Zeta grupo vazio|B1|C1|1.50"),
                           QStringLiteral("009|") + QString(60, QLatin1Char('N')) + QStringLiteral("|B1|C1|2.01") }));
        QVERIFY(!dm->Insumos.active());
    }

    void storeList()
    {
        ActivationRefresh refresh(*dm, *dm2, values);
        int selected = 99;
        QVERIFY(refresh.storeList(&selected).isEmpty());
        QCOMPARE(selected, -1);
        addStation(*suite, QStringLiteral("01"), QStringLiteral("a"), StoreA);
        addStation(*suite, QStringLiteral("02"), QStringLiteral("b"), StoreB);
        addStation(*suite, QStringLiteral("03"), QStringLiteral("c"), StoreA);
        QStringList stores = refresh.storeList(&selected);
        QCOMPARE(stores.size(), 2);
        QCOMPARE(selected, 0); // no entry equals the empty store
        values.StoreCnpj = StoreB;
        stores = refresh.storeList(&selected);
        QCOMPARE(stores.value(selected), StoreB);
    }
};

QTEST_MAIN(TestActivationRefresh)
#include "tst_activationrefresh.moc"
