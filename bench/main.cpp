// Figures for the data layer and the reports against the fixture server (scripts/fixture.sh).
// valorama-bench [insumos|payments|refresh|detail|all] [--full]
#include "SuiteSeed.h"
#include "TestSuite.h"

#include "app/ActivationRefresh.h"
#include "app/SharedValues.h"
#include "data/BulkWriteScope.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/Messages.h"
#include "reports/commissions/CommissionCalculation.h"
#include "reports/payments/PaymentTotals.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

using namespace valorama;
using namespace valorama::test;

namespace {

using Modules = SuiteModules;

bool generate(TestSuite &suite, const QStringList &extra)
{
    QProcess gen;
    gen.start(QStringLiteral(VALORAMA_BINARY_DIR "/valorama-demogen"),
              QStringList { QStringLiteral("--main"), suite.serverAddress() + QLatin1Char(':') + suite.mainPath(),
                            QStringLiteral("--interface"),
                            suite.serverAddress() + QLatin1Char(':') + suite.interfacePath() }
                  + extra);
    gen.waitForFinished(-1);
    if (gen.exitCode() != 0)
        std::fprintf(stderr, "demogen: %s\n", gen.readAllStandardError().constData());
    return gen.exitCode() == 0;
}

double insumos(TestSuite &suite, int n, bool bulk)
{
    Modules m(suite);
    m.dm.ExecuteDirect(QStringLiteral("Delete from INSUMOS"));
    ClientDataSet &ins = m.dm.Insumos;
    ins.open();
    QElapsedTimer t;
    t.start();
    std::unique_ptr<BulkWriteScope> scope;
    if (bulk)
        scope = std::make_unique<BulkWriteScope>(m.dm.sqlcon1);
    for (int i = 0; i < n; ++i) {
        ins.append();
        ins.fieldByName(QStringLiteral("DCB")).setAsString(QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')));
        ins.fieldByName(QStringLiteral("DESCRICAO")).setAsString(QStringLiteral("Componente de teste %1").arg(i));
        ins.fieldByName(QStringLiteral("TIPORECEITA")).setAsString(QStringLiteral("B1"));
        ins.fieldByName(QStringLiteral("LISTA")).setAsString(QStringLiteral("C1"));
        ins.fieldByName(QStringLiteral("FATCORR")).setAsString(QStringLiteral("1.25"));
        ins.post();
    }
    if (scope)
        scope->commit();
    return double(t.nsecsElapsed()) / 1e9;
}

void benchInsumos(bool full)
{
    std::printf("INSUMOS append+post (seconds)\n%8s %12s %12s %8s\n", "rows", "per-post", "bulk", "ratio");
    for (int n : { 1000, 5000, 20000 }) {
        double literal = -1;
        if (n <= 5000 || full) {
            TestSuite s;
            literal = insumos(s, n, false);
        }
        TestSuite s;
        const double bulk = insumos(s, n, true);
        if (literal >= 0)
            std::printf("%8d %12.3f %12.3f %8.1f\n", n, literal, bulk, literal / bulk);
        else
            std::printf("%8d %12s %12.3f %8s\n", n, "(--full)", bulk, "-");
    }
}

void benchPayments()
{
    TestSuite s;
    std::printf("generating 500,000 orders (about 1,000,000 payments)...\n");
    QElapsedTimer g;
    g.start();
    if (!generate(s,
                  { QStringLiteral("--orders"), QStringLiteral("500000"), QStringLiteral("--components"),
                    QStringLiteral("100"), QStringLiteral("--today"), QStringLiteral("2026-12-31") }))
        return;
    std::printf("  generated in %.1f s; payments: %s\n", double(g.elapsed()) / 1000,
                qPrintable(QString::number(
                    std::get<qint64>(s.query(QStringLiteral("select count(*) from PAGPEDID")).rows[0][0]))));
    Modules m(s);
    const QDate start(2026, 6, 1), end(2026, 6, 30);
    s.exec(QStringLiteral("delete from PERIODO"), {}, true);
    s.exec(QStringLiteral("insert into PERIODO (DATAINICIAL, DATAFINAL) values (?, ?)"), { start, end }, true);
    double alone = 1e9, button = 1e9;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        t.start();
        m.dm.SQLQuery1.close();
        m.dm.SQLQuery1.command().setCommandText(PaymentTotals::totalsStatement(),
                                                { QStringLiteral("Pedido"), start, end });
        m.dm.SQLQuery1.open();
        alone = qMin(alone, double(t.nsecsElapsed()) / 1e9);
        m.dm.SQLQuery1.close();
        SharedValues v;
        v.StoreCnpj = StoreA;
        v.StationCode = QStringLiteral("01");
        t.restart();
        PaymentTotals(m.dm, m.dm2, v, {}).ComputePaymentTotals(QStringLiteral("Pedido"));
        m.dm.ValorFP.open();
        button = qMin(button, double(t.nsecsElapsed()) / 1e9);
    }
    std::printf("Payment totals for one month: statement alone %.3f s, run button %.3f s, ratio %.2f (target <= 1.2)\n",
                alone, button, button / alone);
}

void benchRefresh()
{
    TestSuite s;
    if (!generate(s,
                  { QStringLiteral("--orders"), QStringLiteral("0"), QStringLiteral("--components"),
                    QStringLiteral("50000"), QStringLiteral("--dcb-components"), QStringLiteral("30000") }))
        return;
    Modules m(s);
    SharedValues v;
    ActivationRefresh refresh(m.dm, m.dm2, v);
    double best = 1e9;
    int written = 0;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        t.start();
        refresh.checkStore();
        written = refresh.refillInsumos();
        int selected;
        refresh.storeList(&selected);
        best = qMin(best, double(t.nsecsElapsed()) / 1e9);
    }
    std::printf("Activation refresh, 50,000 components: %d INSUMOS rows in %.3f s (target < 2)\n", written, best);
}

void benchDetail()
{
    TestSuite s;
    setRate(s, QStringLiteral("MP"), 2.5);
    setMainPeriod(s, QDate(2026, 1, 1), QDate(2026, 12, 31));
    auto att = [&](int from) {
        QString block = QStringLiteral("EXECUTE BLOCK AS BEGIN\n");
        for (int i = from; i < from + 200; ++i)
            block
                += QStringLiteral(
                       "INSERT INTO PEDIDOS (ESTACAO, NPEDIDO, DATAPEDIDO, TIPOPEDIDO, RECEBIDOPOR, PRECOFINAL, NOME) "
                       "VALUES ('01', %1, DATE '2026-01-01' + %2, 'Pedido', 'BENCH', %3.25, 'Cliente %1');\n")
                       .arg(i)
                       .arg(i % 365)
                       .arg(10 + i % 500);
        s.exec(block + QStringLiteral("END"));
    };
    for (int from = 0; from < 20000; from += 200)
        att(from);
    Modules m(s);
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        t.start();
        CommissionCalculation(m.dm).calculateDetail(QStringLiteral("BENCH"));
        best = qMin(best, double(t.nsecsElapsed()) / 1e9);
    }
    std::printf("Commission detail of an attendant with %d orders: %.3f s (target < 2)\n", m.dm.ComissDet.recordCount(),
                best);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Messages::setSink([](Messages::Kind, const QString &text) {
        std::printf("message: %s\n", qPrintable(text));
        return true;
    });
    const QStringList args = app.arguments();
    const QString what = args.size() > 1 && !args[1].startsWith(QLatin1Char('-')) ? args[1] : QStringLiteral("all");
    const bool full = args.contains(QStringLiteral("--full"));
    TestSuite probe;
    if (!probe.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(probe.error()));
        return 1;
    }
    if (what == QLatin1String("insumos") || what == QLatin1String("all"))
        benchInsumos(full);
    if (what == QLatin1String("bulk")) {
        TestSuite s;
        std::printf("bulk 20000: %.3f s\n", insumos(s, 20000, true));
    }
    if (what == QLatin1String("refresh") || what == QLatin1String("all"))
        benchRefresh();
    if (what == QLatin1String("detail") || what == QLatin1String("all"))
        benchDetail();
    if (what == QLatin1String("payments") || what == QLatin1String("all"))
        benchPayments();
    return 0;
}
