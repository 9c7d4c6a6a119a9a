#include "TestSuite.h"

#include "data/FbClientLibrary.h"
#include "data/SuiteColumns.h"
#include "data/ValueText.h"

#include <QProcess>
#include <QTest>

using namespace valorama;
using namespace valorama::test;

namespace {

QStringList list(const QString &columns)
{
    QStringList out = columns.split(QStringLiteral(", "));
    for (QString &c : out)
        c = c.trimmed();
    return out;
}

} // namespace

class TestFixture : public QObject
{
    Q_OBJECT

private slots:
    void schemaHoldsEveryTableAndColumn()
    {
        TestSuite suite;
        VALORAMA_REQUIRE_SUITE(suite);
        const QList<std::pair<QString, QStringList>> main = {
            { QStringLiteral("VALORPORFP"), list(ValorFPColumns()) },
            { QStringLiteral("REL_COMISSOES"), list(QStringLiteral("ATENDENTE, COMISSAO")) },
            { QStringLiteral("REL_COMISSDET"),
              list(QStringLiteral("ATENDENTE, DATA, PEDIDO, CLIENTE, VALOR, COMISSAO")) },
            { QStringLiteral("INSUMOS"), list(QStringLiteral("DCB, DESCRICAO, TIPORECEITA, LISTA, FATCORR")) },
            { QStringLiteral("PERIODO"), list(QStringLiteral("DATAINICIAL, DATAFINAL")) },
            { QStringLiteral("PEDIDOS"),
              list(QStringLiteral(
                  "ESTACAO, NPEDIDO, NOME, DATAPEDIDO, RECEBIDOPOR, TIPOPEDIDO, PRECOFINAL, CODLIVRO")) },
            { QStringLiteral("PAGPEDID"), list(QStringLiteral("ESTACAO, NPEDIDO, FORMAPAG, VALOR, CODPAGPED, CNPJ")) },
            { QStringLiteral("COMISSAO"), list(QStringLiteral("GRUPO, COMISSAO")) },
            { QStringLiteral("USUARIOS"),
              list(QStringLiteral(
                  "USUARIO, CODIGO, SENHA, ACESSO, ARQUIVO, LOGADO, ESTACAO, CONSIST_INICIAL, DEFVIDEOMIRAL")) },
            { QStringLiteral("ESTACOES"),
              list(QStringLiteral("ESTACAO, DATBASNAM, TIPO, ATCAIXA, ESVAZIAR, EMUSO, CAMINHOREQUISICAO, CAMINHOOM, "
                                  "CAMINHOECF, CAMINHOSEQUENCIAL1, CAMINHO2, ROTULO1, ROTULO2, ROTULO3, ROTULO4, "
                                  "ROTULO5, ROTULO6, USUARIO, CNPJ")) },
            { QStringLiteral("DADOSGER"), list(DadosGerColumns()) },
            { QStringLiteral("COMPONEN"), list(ComponenColumns()) },
        };
        auto columns = [&](const QString &table, bool interface) {
            QStringList out;
            for (const Row &r : suite
                                    .query(QStringLiteral("select trim(RDB$FIELD_NAME) from RDB$RELATION_FIELDS where "
                                                          "RDB$RELATION_NAME = ?"),
                                           { table }, interface)
                                    .rows)
                out << valueToText(r[0]);
            return out;
        };
        for (const auto &[table, expected] : main) {
            const QStringList have = columns(table, false);
            for (const QString &c : expected)
                QVERIFY2(have.contains(c), qPrintable(table + QLatin1Char('.') + c));
        }
        QCOMPARE(list(DadosGerColumns()).size(), 52);
        QCOMPARE(list(ComponenColumns()).size(), 63);
        QCOMPARE(columns(QStringLiteral("PERIODO"), true),
                 list(QStringLiteral("DATAINICIAL, DATAFINAL, HORAINICIAL, HORAFINAL, CHAVE, ESTACAO, NPEDIDO, "
                                     "NFORMULA, VALORTOTAL, VALORTOTAL2")));
        const ResultTable charset
            = suite.query(QStringLiteral("select trim(RDB$CHARACTER_SET_NAME) from RDB$DATABASE"));
        QCOMPARE(valueToText(charset.rows[0][0]), QStringLiteral("WIN1252"));
    }

    void generatorTextReadsBackUnchanged()
    {
        TestSuite suite;
        VALORAMA_REQUIRE_SUITE(suite);
        QProcess gen;
        gen.start(QStringLiteral(VALORAMA_BINARY_DIR "/valorama-demogen"),
                  { QStringLiteral("--main"), suite.serverAddress() + QLatin1Char(':') + suite.mainPath(),
                    QStringLiteral("--interface"), suite.serverAddress() + QLatin1Char(':') + suite.interfacePath(),
                    QStringLiteral("--orders"), QStringLiteral("300"), QStringLiteral("--components"),
                    QStringLiteral("200") });
        QVERIFY(gen.waitForFinished(120000));
        QVERIFY2(gen.exitCode() == 0, gen.readAllStandardError().constData());
        QVERIFY(QString::fromUtf8(gen.readAllStandardOutput()).contains(QStringLiteral("ADMIN     / 1234")));
        QCOMPARE(
            valueToText(
                suite.query(QStringLiteral("select FARMACIA from DADOSGER where CGC = '12345678000190'")).rows[0][0]),
            QStringLiteral("Farmácia Vida & Saúde"));
        QCOMPARE(suite.query(QStringLiteral("select count(*) from PEDIDOS")).rows[0][0], Value { qint64(300) });
        QCOMPARE(suite.query(QStringLiteral("select count(*) from COMPONEN")).rows[0][0], Value { qint64(200) });
        QVERIFY(
            !suite.query(QStringLiteral("select 1 from PAGPEDID where FORMAPAG = 'CARTÃO DE CRÉDITO'")).rows.isEmpty());
        QCOMPARE(suite.query(QStringLiteral("select count(*) from PERIODO"), {}, true).rows[0][0], Value { qint64(1) });
    }

    void serverMapsTheSuitesWindowsPaths()
    {
        AttachmentParams p;
        p.user = QStringLiteral("sysdba");
        p.password = QStringLiteral("q7Rv2wLpZ");
        for (const QString &path : { QStringLiteral("C:\\quintora\\dados\\quintora.bd"),
                                     QStringLiteral("C:\\quintora\\Interfac\\quintora.bd") }) {
            p.database = QStringLiteral("127.0.0.1/%1:").arg(TestSuite::fixturePort()) + path;
            FbAttachment att(FbClientLibrary::master(SuiteLocations::defaultClientLibraryName()), p);
            auto tx = att.begin();
            QCOMPARE(
                att.run(*tx, QStringLiteral("select count(*) from RDB$RELATIONS where RDB$RELATION_NAME = 'PERIODO'"))
                    .rows[0][0],
                Value { qint64(1) });
            tx->commit();
        }
    }
};

QTEST_GUILESS_MAIN(TestFixture)
#include "tst_fixture.moc"
