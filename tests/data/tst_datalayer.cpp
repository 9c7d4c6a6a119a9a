#include "TestSuite.h"
#include "WorkstationTest.h"

#include "data/BulkWriteScope.h"
#include "data/DataSetTableModel.h"
#include "data/DatabaseError.h"
#include "data/TDM.h"
#include "data/TDM2.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace valorama;
using namespace valorama::test;

class TestDataLayer : public WorkstationTest
{
    Q_OBJECT

private slots:
    void init()
    {
        startWorkstation();
        VALORAMA_REQUIRE_SUITE(*suite);
    }

    void cleanup() { stopWorkstation(); }

    void connectionStrings()
    {
        TDM m;
        TDM2 m2;
        SuiteLocations l; // the suite's own paths
        l.clientLibraryLocationFile = suite->folder() + QStringLiteral("/none.txt");
        m.DataModuleCreate(QStringLiteral("A"), l);
        m2.DataModuleCreate(QStringLiteral("A"), QString(), l);
        QCOMPARE(m.sqlcon1.param(QStringLiteral("Database")), QStringLiteral("A:C:\\quintora\\dados\\quintora.bd"));
        QCOMPARE(m2.sqlcon1.param(QStringLiteral("Database")), QStringLiteral("A:C:\\quintora\\dados\\quintora.bd"));
        QCOMPARE(m2.SQLConnection1.param(QStringLiteral("Database")),
                 QStringLiteral("A:C:\\quintora\\Interfac\\quintora.bd"));
        QCOMPARE(m.sqlcon1.connectionName(), QStringLiteral("QuintoraDados"));
        QCOMPARE(m2.SQLConnection1.connectionName(), QStringLiteral("Interfac"));
        QCOMPARE(m2.SQLConnection1.param(QStringLiteral("ServerCharSet")), QStringLiteral("win1252"));
        QCOMPARE(m.sqlcon1.param(QStringLiteral("ServerCharSet")), QString());
        QCOMPARE(m.sqlcon1.param(QStringLiteral("WaitOnLocks")), QStringLiteral("True"));
        QCOMPARE(m.sqlcon1.vendorLib(), SuiteLocations::defaultClientLibraryName());
        QVERIFY(!m.sqlcon1.connected());
        m2.DataModuleCreate(QStringLiteral("A"), QStringLiteral("07"), l);
        QCOMPARE(m2.SQLConnection1.param(QStringLiteral("Database")),
                 QStringLiteral("A:C:\\quintora\\Interfac07\\quintora.bd"));
    }

    void clientLibraryLocationFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        const QString lib = SuiteLocations::defaultClientLibraryName();
        QTest::newRow("folder without separator")
            << QByteArray("/opt/fb\r\nignored") << QStringLiteral("/opt/fb/") + lib;
        QTest::newRow("folder with separator") << QByteArray("/opt/fb/\n") << QStringLiteral("/opt/fb/") + lib;
        QTest::newRow("empty first line") << QByteArray("\r\n/opt/fb") << lib;
        QTest::newRow("100 characters get no separator")
            << QByteArray(120, 'x') << QString(100, QLatin1Char('x')) + lib;
    }

    void clientLibraryLocationFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        SuiteLocations l;
        l.clientLibraryLocationFile = suite->folder() + QStringLiteral("/CaminhoGDS.txt");
        QFile f(l.clientLibraryLocationFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        QCOMPARE(resolveClientLibrary(l), expected);
        TDM m;
        m.DataModuleCreate(QStringLiteral("A"), l);
        QCOMPARE(m.sqlcon1.vendorLib(), expected);
    }

    void unreadableLocationFileKeepsDesignDatabases()
    {
        SuiteLocations l;
        l.clientLibraryLocationFile = suite->folder() + QStringLiteral("/CaminhoGDS.txt");
        QDir().mkpath(l.clientLibraryLocationFile); // a folder cannot be read as a file
        TDM m;
        TDM2 m2;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, m.DataModuleCreate(QStringLiteral("A"), l));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, m2.DataModuleCreate(QStringLiteral("A"), QString(), l));
        QCOMPARE(m.sqlcon1.param(QStringLiteral("Database")), QStringLiteral("c:\\quintora\\dados\\Quintora.bd"));
        QCOMPARE(m2.SQLConnection1.param(QStringLiteral("Database")),
                 QStringLiteral("c:\\quintora\\interfac\\quintora.bd"));
    }

    void numericValuesRoundTripExactly()
    {
        ClientDataSet &v = dm->ValorFP;
        v.open();
        const QList<Decimal> values = { { 57, 2 }, { 9999, 2 }, { 999999999999999, 2 }, { -1, 2 } };
        for (const Decimal &d : values) {
            v.append();
            v.fieldByName(QStringLiteral("VALOR")).setValue(d);
            v.post();
        }
        const ResultTable r = suite->query(QStringLiteral("select VALOR from VALORPORFP order by VALOR"));
        QCOMPARE(r.rows.size(), 4);
        QCOMPARE(std::get<Decimal>(r.rows[0][0]), (Decimal { -1, 2 }));
        QCOMPARE(std::get<Decimal>(r.rows[1][0]), (Decimal { 57, 2 }));
        QCOMPARE(std::get<Decimal>(r.rows[3][0]), (Decimal { 999999999999999, 2 }));

        ClientDataSet &p = dm2->Periodo;
        p.open();
        p.edit();
        p.fieldByName(QStringLiteral("VALORTOTAL")).setAsString(QStringLiteral("0.00000001"));
        p.post();
        QCOMPARE(std::get<Decimal>(suite->query(QStringLiteral("select VALORTOTAL from PERIODO"), {}, true).rows[0][0]),
                 (Decimal { 1, 8 }));
        QCOMPARE(p.fieldByName(QStringLiteral("VALORTOTAL")).asString(), QStringLiteral("0.00000001"));
    }

    void accentedTextOnBothKindsOfConnection()
    {
        const QString name = QStringLiteral("José Conceição Açaí €");
        dm->Comiss.open();
        dm->Comiss.append();
        dm->Comiss.fieldByName(QStringLiteral("ATENDENTE")).setAsString(name);
        dm->Comiss.post();
        QCOMPARE(std::get<QString>(suite->query(QStringLiteral("select ATENDENTE from REL_COMISSOES")).rows[0][0]),
                 name);
        dm->Comiss.close();
        dm->Comiss.open();
        QCOMPARE(dm->Comiss.fieldByName(QStringLiteral("ATENDENTE")).asString(), name);

        dm2->Periodo.open();
        dm2->Periodo.edit();
        dm2->Periodo.fieldByName(QStringLiteral("CHAVE")).setAsString(QStringLiteral("ç"));
        dm2->Periodo.post();
        QCOMPARE(std::get<QString>(suite->query(QStringLiteral("select CHAVE from PERIODO"), {}, true).rows[0][0]),
                 QStringLiteral("ç"));
    }

    void postedRowsStandInTheCommandsOrder()
    {
        ClientDataSet &v = dm->ValorFP;
        v.command().setCommandText(
            QStringLiteral("select PERIODO, FORMAPAG, VALOR, CNPJ, ESTLOCAL, VALORI from VALORPORFP "
                           "where CNPJ = ? and ESTLOCAL = ? ORDER BY VALOR DESC"),
            { QStringLiteral("1"), QStringLiteral("01") });
        v.open();
        DataSetTableModel model(&v,
                                { { QStringLiteral("FORMAPAG"), QStringLiteral(" Forma de Pagamento") },
                                  { QStringLiteral("VALOR"), QStringLiteral(" Valor R$") } });
        QAbstractItemModelTester tester(&model);
        for (const char *value : { "10.00", "50.5", "0.01", "30", "20.25" }) {
            v.append();
            v.fieldByName(QStringLiteral("FORMAPAG")).setAsString(QString::fromLatin1(value));
            v.fieldByName(QStringLiteral("VALOR")).setAsString(QString::fromLatin1(value));
            v.fieldByName(QStringLiteral("CNPJ")).setAsString(QStringLiteral("1"));
            v.fieldByName(QStringLiteral("ESTLOCAL")).setAsString(QStringLiteral("01"));
            v.post();
        }
        QStringList shown;
        for (int r = 0; r < model.rowCount(); ++r)
            shown << model.index(r, 1).data().toString();
        QCOMPARE(shown,
                 (QStringList { QStringLiteral("50.50"), QStringLiteral("30.00"), QStringLiteral("20.25"),
                                QStringLiteral("10.00"), QStringLiteral("0.01") }));
    }

    void emptyPeriodTableGetsItsFirstRow()
    {
        ClientDataSet &p = dm2->Periodo;
        p.open();
        QVERIFY(p.isEmpty());
        p.edit(); // an empty dataset starts a new row
        QCOMPARE(p.state(), ClientDataSet::State::Insert);
        p.fieldByName(QStringLiteral("DATAINICIAL")).setAsString(QStringLiteral("01/03/08"));
        p.fieldByName(QStringLiteral("DATAFINAL")).setAsString(QStringLiteral("31/03/08"));
        p.post();
        const ResultTable r = suite->query(QStringLiteral("select DATAINICIAL, DATAFINAL from PERIODO"), {}, true);
        QCOMPARE(r.rows.size(), 1);
        QCOMPARE(std::get<QDate>(r.rows[0][0]), QDate(2008, 3, 1));
        QCOMPARE(std::get<QDate>(r.rows[0][1]), QDate(2008, 3, 31));
        // A second edit updates that row by all its old values.
        p.edit();
        p.fieldByName(QStringLiteral("DATAFINAL")).setAsString(QStringLiteral("15/03/08"));
        p.post();
        QCOMPARE(std::get<QDate>(suite->query(QStringLiteral("select DATAFINAL from PERIODO"), {}, true).rows[0][0]),
                 QDate(2008, 3, 15));
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 p.fieldByName(QStringLiteral("DATAINICIAL")).setAsString(QStringLiteral("x")));
    }

    void refusedChangeIsDroppedAndReported()
    {
        suite->exec(QStringLiteral(
            "insert into VALORPORFP (FORMAPAG, VALOR, CNPJ, ESTLOCAL) values ('DINHEIRO', 10, '1', '01')"));
        ClientDataSet &v = dm->ValorFP;
        v.open();
        DataSetTableModel model(&v, { { QStringLiteral("VALOR"), QStringLiteral(" Valor R$") } });
        QString reported;
        model.onError = [&](const std::exception &e) { reported = QString::fromStdString(e.what()); };
        QVERIFY(model.setData(model.index(0, 0), QStringLiteral("99.99")));
        try {
            v.post();
            QFAIL("the update of a row without a key must be refused");
        } catch (const WriteRefusedError &e) {
            QVERIFY(e.message().startsWith(QStringLiteral("A alteração não foi gravada")));
        }
        QCOMPARE(v.changeCount(), 0);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("10.00")); // what is stored
        QCOMPARE(std::get<Decimal>(suite->query(QStringLiteral("select VALOR from VALORPORFP")).rows[0][0]),
                 (Decimal { 1000, 2 }));
        // The next write is not poisoned by the refused one.
        v.append();
        v.fieldByName(QStringLiteral("VALOR")).setAsString(QStringLiteral("5"));
        v.post();
        QCOMPARE(suite->query(QStringLiteral("select count(*) from VALORPORFP")).rows[0][0], Value { qint64(2) });
        QVERIFY(reported.isEmpty());
    }

    void deletedSummaryRowIsGoneAtOnce()
    {
        suite->exec(QStringLiteral("insert into REL_COMISSOES values ('ANA', 1.50)"));
        suite->exec(QStringLiteral("insert into REL_COMISSOES values ('BIA', 2.00)"));
        dm->Comiss.open();
        dm->Comiss.first();
        dm->Comiss.deleteRecord();
        QCOMPARE(suite->query(QStringLiteral("select count(*) from REL_COMISSOES")).rows[0][0], Value { qint64(1) });
        QCOMPARE(dm->Comiss.recordCount(), 1);
    }

    void bulkScopeSkipsRefusedRowsAndRereadsOnce()
    {
        dm->ExecuteDirect(QStringLiteral("Delete from INSUMOS"));
        ClientDataSet &ins = dm->Insumos;
        ins.open();
        int refused = 0;
        {
            BulkWriteScope scope(dm->sqlcon1);
            scope.setSkipRefusedRows(true);
            for (const char *dcb : { "03456", "01234", "03456", "09999" }) {
                ins.append();
                ins.fieldByName(QStringLiteral("DCB")).setAsString(QString::fromLatin1(dcb));
                ins.fieldByName(QStringLiteral("DESCRICAO")).setAsString(QString(65, QLatin1Char('d')));
                ins.fieldByName(QStringLiteral("FATCORR")).setAsString(QStringLiteral("1.23456789"));
                ins.post();
            }
            scope.commit();
            refused = scope.refusedRows();
        }
        QCOMPARE(refused, 1);
        QCOMPARE(ins.recordCount(), 3);
        const ResultTable r = suite->query(QStringLiteral("select DCB, DESCRICAO, FATCORR from INSUMOS order by DCB"));
        QCOMPARE(r.rows.size(), 3);
        QCOMPARE(std::get<QString>(r.rows[0][1]).size(), 60);
        QCOMPARE(std::get<Decimal>(r.rows[0][2]), (Decimal { 123, 2 }));
    }

    void refusedRowStopsAScopeThatDoesNotSkip()
    {
        dm->ExecuteDirect(QStringLiteral("Delete from INSUMOS"));
        dm->Insumos.open();
        try {
            BulkWriteScope scope(dm->sqlcon1);
            for (const char *dcb : { "1", "2", "1" }) {
                dm->Insumos.append();
                dm->Insumos.fieldByName(QStringLiteral("DCB")).setAsString(QString::fromLatin1(dcb));
                dm->Insumos.post();
            }
            scope.commit();
            QFAIL("the duplicate must stop the work");
        } catch (const WriteRefusedError &e) {
            QVERIFY(e.message().contains(QStringLiteral("mesma chave")));
        }
        QCOMPARE(suite->query(QStringLiteral("select count(*) from INSUMOS")).rows[0][0], Value { qint64(0) });
        QCOMPARE(dm->Insumos.recordCount(), 0);
    }

    void bulkScopeLeftByAnErrorWritesNothing()
    {
        suite->exec(QStringLiteral("insert into REL_COMISSOES values ('OLD', 1)"));
        dm->Comiss.open();
        try {
            BulkWriteScope scope(dm->sqlcon1);
            dm->ExecuteDirect(QStringLiteral("delete from REL_COMISSOES"));
            dm->Comiss.append();
            dm->Comiss.fieldByName(QStringLiteral("ATENDENTE")).setAsString(QStringLiteral("NEW"));
            dm->Comiss.post();
            dm->ExecuteDirect(QStringLiteral("select broken from nowhere"));
            scope.commit();
            QFAIL("the bad statement must throw");
        } catch (const DatabaseError &) {
        }
        const ResultTable r = suite->query(QStringLiteral("select ATENDENTE from REL_COMISSOES"));
        QCOMPARE(r.rows.size(), 1);
        QCOMPARE(r.rows[0][0], Value { QStringLiteral("OLD") });
        QCOMPARE(dm->Comiss.recordCount(), 1); // shows what is stored
    }

    void serverErrorsCarryTheStatement()
    {
        try {
            dm->ExecuteDirect(QStringLiteral("delete from NO_SUCH_TABLE"));
            QFAIL("expected an error");
        } catch (const DatabaseError &e) {
            QVERIFY(e.message().contains(QStringLiteral("NO_SUCH_TABLE")));
            QCOMPARE(e.sql(), QStringLiteral("delete from NO_SUCH_TABLE"));
            QVERIFY(!e.message().contains(QStringLiteral("q7Rv2wLpZ")));
        }
    }
};

QTEST_GUILESS_MAIN(TestDataLayer)
#include "tst_datalayer.moc"
