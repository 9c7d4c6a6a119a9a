#include "AppFixture.h"
#include "SuiteSeed.h"

#include "app/TFormSNGPC.h"
#include "data/TDM.h"
#include "data/TDM2.h"
#include "platform/DBEdit.h"
#include "platform/DBGrid.h"
#include "platform/DBText.h"
#include "platform/printing/PrintJob.h"
#include "reports/payments/ChartPanel.h"
#include "reports/payments/ParameterPanel.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>

using namespace valorama;
using namespace valorama::test;

class TestPaymentReport : public QObject
{
    Q_OBJECT

    std::unique_ptr<AppFixture> app;

    void seedOrders()
    {
        addOrder(app->suite, QStringLiteral("01"), 1, QDate(2008, 3, 5), QStringLiteral("Pedido"),
                 QStringLiteral("ANA"), QStringLiteral("30"));
        addPayment(app->suite, QStringLiteral("01"), 1, QStringLiteral("DINHEIRO"), 1, QStringLiteral("20.50"));
        addPayment(app->suite, QStringLiteral("01"), 1, QStringLiteral("PIX"), 2, QStringLiteral("9.50"));
        addOrder(app->suite, QStringLiteral("02"), 1, QDate(2008, 3, 6), QStringLiteral("Pedido"),
                 QStringLiteral("ANA"), QStringLiteral("100"));
        addPayment(app->suite, QStringLiteral("02"), 1, QStringLiteral("CARTÃO"), 1, QStringLiteral("100"));
    }

    void typePeriod(DBEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        edit->home(false);
        QTest::keyClicks(edit, text);
    }

    TFormSNGPC &form() { return *app->form; }

    // The output dialog answers "this file, in this format"; asked tells that it was shown.
    static void chooseFile(OutputChoice::FileFormat format, const QString &file, bool *asked = nullptr)
    {
        PrintJob::setChooser([=](const PrintJob &) {
            if (asked)
                *asked = true;
            OutputChoice c;
            c.destination = OutputChoice::Destination::File;
            c.format = format;
            c.fileName = file;
            return std::optional<OutputChoice>(c);
        });
    }

    // Opens the parameter panel, types the period and runs the report.
    void runReport(const QString &start = QStringLiteral("010308"), const QString &end = QStringLiteral("310308"))
    {
        form().Sada2->trigger();
        ParameterPanel &p = *form().PainelConfig;
        QVERIFY(p.isVisible());
        typePeriod(p.DBEdit9, start);
        typePeriod(p.DBEdit10, end);
        p.BitBtn1->click();
    }

private slots:
    void init()
    {
        app = std::make_unique<AppFixture>();
        VALORAMA_REQUIRE_SUITE(app->suite);
        seedOrders();
        QVERIFY(app->showAndActivate());
        QVERIFY(app->login(QStringLiteral("admin"), QStringLiteral("1234")));
        app->messages.clear();
    }

    void cleanup()
    {
        PrintJob::setChooser({});
        app.reset();
    }

    void parameterPanelDefaults()
    {
        ParameterPanel &p = *form().PainelConfig;
        p.Edit2->setText(QStringLiteral("9"));
        p.ComboBox12->setEditText(QStringLiteral("99"));
        form().Sada2->trigger();
        QCOMPARE(p.geometry(), QRect(8, 8, 657, 417));
        QCOMPARE(p.Edit2->text(), QStringLiteral("2"));
        QCOMPARE(p.Edit4->text(), QStringLiteral("1.5"));
        QCOMPARE(p.ComboBox15->currentText(), QStringLiteral("60"));
        QCOMPARE(p.ComboBox10->currentText(), QStringLiteral("13"));
        QCOMPARE(p.ComboBox12->currentText(), QStringLiteral("10"));
        QCOMPARE(p.ComboBox14->currentText(), QStringLiteral("N"));
        QCOMPARE(p.ComboBox10->count(), 28);
        QCOMPARE(p.ComboBox15->count(), 71);
        QCOMPARE(p.ComboBox2->currentText(), StoreA); // from the activation's store list
        QCOMPARE(p.ComboBox1->currentText(), QStringLiteral("Pedido"));
        QCOMPARE(p.ReportTitle, QStringLiteral("Valor Total por Forma de Pagamento"));
        QCOMPARE(DM2->Periodo.state(), ClientDataSet::State::Insert); // the empty PERIODO gets its first row
        // Enter walks from the store box through the period boxes to the run button.
        p.ComboBox2->setFocus();
        QTest::keyClick(p.ComboBox2, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(p.DBEdit9));
        QTest::keyClick(p.DBEdit9, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(p.DBEdit10));
        QTest::keyClick(p.DBEdit10, Qt::Key_Return);
        QTRY_VERIFY(QApplication::focusWidget() == p.ComboBox1
                    || QApplication::focusWidget() == p.ComboBox1->lineEdit());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(p.BitBtn1));
        // "Cancelar" drops a period typed but not stored.
        p.BitBtn2->click();
        QVERIFY(!p.isVisible());
        QVERIFY(!DM2->Periodo.active());
        QVERIFY(app->suite.query(QStringLiteral("select * from PERIODO"), {}, true).rows.isEmpty());
    }

    void runShowsTheResult()
    {
        runReport();
        QVERIFY2(app->messages.texts.isEmpty(), qPrintable(app->messages.texts.join(QLatin1Char('|'))));
        ChartPanel &chart = *form().Painel_Grafico1;
        QVERIFY(chart.isVisible());
        QVERIFY(!form().PainelConfig->isVisible());
        QCOMPARE(chart.geometry(), QRect(1, 0, 929, 551));
        QCOMPARE(chart.DBChart5->size(), QSize(604, 492));
        QCOMPARE(chart.BitBtn3->x(), 795);
        QCOMPARE(chart.DBGrid1->height(), 429);
        QCOMPARE(chart.BitBtn4->y(), 484);
        QCOMPARE(chart.BitBtn5->y(), 514);
        QCOMPARE(chart.DBText1->text(), QStringLiteral("Valor Total por Forma de Pagamento (Pedido)"));
        QCOMPARE(chart.DBText2->text(), QStringLiteral("Período de 01/03/08 a 31/03/08"));
        const DataSetTableModel &model = *chart.DBGrid1->dataModel();
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" Forma de Pagamento"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral(" Valor R$"));
        QStringList shown;
        for (int r = 0; r < model.rowCount(); ++r)
            shown << model.index(r, 0).data().toString() + QLatin1Char('=') + model.index(r, 1).data().toString();
        QCOMPARE(shown,
                 (QStringList { QStringLiteral("CARTÃO=100.00"), QStringLiteral("DINHEIRO=20.50"),
                                QStringLiteral("PIX=9.50") }));
        // Slices from FORMAPAG and VALORI, smallest first.
        QStringList slices;
        for (QPieSlice *s : chart.PieSeries4->slices())
            slices << s->label();
        QCOMPARE(
            slices,
            (QStringList { QStringLiteral("PIX 10"), QStringLiteral("DINHEIRO 20"), QStringLiteral("CARTÃO 100") }));
        QCOMPARE(
            app->suite
                .query(QStringLiteral("select count(*) from VALORPORFP where CNPJ = ? and ESTLOCAL = '01'"), { StoreA })
                .rows[0][0],
            Value { qint64(3) });
        // The stored period is the typed one.
        const ResultTable period
            = app->suite.query(QStringLiteral("select DATAINICIAL, DATAFINAL from PERIODO"), {}, true);
        QCOMPARE(period.rows.size(), 1);
        QCOMPARE(period.rows[0][1], Value { QDate(2008, 3, 31) });

        // "Fechar tabela" hides the grid for the rest of the run; "Sair" closes the view.
        chart.Fechartabela1->trigger();
        QVERIFY(!chart.DBGrid1->isVisible());
        chart.BitBtn3->click();
        QVERIFY(!chart.isVisible());
        QVERIFY(!DM->ValorFP.active());
        runReport();
        QVERIFY(chart.isVisible());
        QVERIFY(!chart.DBGrid1->isVisible());
        QCOMPARE(chart.PieSeries4->count(), 3);
    }

    void invalidAndEmptyPeriods_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message");
        QTest::newRow("not a date") << QStringLiteral("290208") << QStringLiteral("990308")
                                    << QStringLiteral("'99/03/08' is not a valid date");
        QTest::newRow("empty end") << QStringLiteral("010308") << QString()
                                   << QStringLiteral("Informe a data inicial e a data final do período.");
    }

    void invalidAndEmptyPeriods()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        runReport(start, end);
        QVERIFY2(app->messages.texts.contains(message), qPrintable(app->messages.texts.join(QLatin1Char('|'))));
        QVERIFY(form().PainelConfig->isVisible());
        QVERIFY(!form().Painel_Grafico1->isVisible());
        QCOMPARE(app->suite.query(QStringLiteral("select count(*) from VALORPORFP")).rows[0][0], Value { qint64(0) });
    }

    void editedTotalIsRefusedClearly()
    {
        runReport();
        DBGrid &grid = *form().Painel_Grafico1->DBGrid1;
        QVERIFY(grid.dataModel()->setData(grid.dataModel()->index(0, 1), QStringLiteral("1.00")));
        grid.setCurrentIndex(grid.dataModel()->index(1, 1)); // leaving the row posts it
        QCOMPARE(app->messages.texts.size(), 1);
        QVERIFY(app->messages.last().startsWith(QStringLiteral("A alteração não foi gravada no banco de dados")));
        QCOMPARE(grid.dataModel()->index(0, 1).data().toString(), QStringLiteral("100.00"));
        QCOMPARE(app->suite.query(QStringLiteral("select max(VALOR) from VALORPORFP")).rows[0][0],
                 Value { (Decimal { 10000, 2 }) });
        // The next computation still writes its rows.
        form().Painel_Grafico1->BitBtn3->click();
        app->messages.clear();
        runReport();
        QVERIFY(app->messages.texts.isEmpty());
        QCOMPARE(app->suite.query(QStringLiteral("select count(*) from VALORPORFP")).rows[0][0], Value { qint64(3) });
    }

    void printListingToFiles()
    {
        runReport();
        const QString base = app->suite.folder() + QStringLiteral("/relatorio");
        for (const auto format :
             { OutputChoice::FileFormat::Text, OutputChoice::FileFormat::Pdf, OutputChoice::FileFormat::Html,
               OutputChoice::FileFormat::Csv, OutputChoice::FileFormat::Xlsx }) {
            const QString file = base + QLatin1Char('.') + OutputChoice::extension(format);
            chooseFile(format, file);
            form().Painel_Grafico1->BitBtn4->click();
            QVERIFY2(QFile::exists(file), qPrintable(file));
        }
        QVERIFY(app->messages.texts.isEmpty());
        QFile text(base + QStringLiteral(".txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(text.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("Valor Total por Forma de Pagamento"));
        QVERIFY(lines.value(1).startsWith(QStringLiteral("Periodo: 01/03/08 a 31/03/08    Data Emissão: ")));
        QCOMPARE(lines.value(2), QStringLiteral("Forma de Pagamento    Valor R$ "));
        QCOMPARE(lines.value(3), QStringLiteral("CARTÃO                100.00   "));
        QFile csv(base + QStringLiteral(".csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(csv.readAll())
                    .contains(QStringLiteral("Forma de Pagamento;Valor R$\r\nCARTÃO;100.00\r\n")));
        QFile xlsx(base + QStringLiteral(".xlsx"));
        QVERIFY(xlsx.open(QIODevice::ReadOnly));
        QVERIFY(xlsx.read(2) == "PK"); // a zip container
    }

    void printingKeepsATypedPeriod()
    {
        runReport();
        form().Sada2->trigger(); // the panel opens again beneath the result view
        typePeriod(form().PainelConfig->DBEdit9, QStringLiteral("020308"));
        form().PainelConfig->DBEdit9->commit();
        chooseFile(OutputChoice::FileFormat::Text, app->suite.folder() + QStringLiteral("/r.txt"));
        form().Painel_Grafico1->BitBtn4->click();
        QVERIFY(DM2->Periodo.active());
        QCOMPARE(DM2->Periodo.fieldByName(QStringLiteral("DATAINICIAL")).asDate(), QDate(2008, 3, 2));
        form().Painel_Grafico1->BitBtn3->click();
        form().PainelConfig->BitBtn1->click(); // the run button still works
        QVERIFY(form().Painel_Grafico1->isVisible());
        QCOMPARE(form().Painel_Grafico1->DBText2->text(), QStringLiteral("Período de 02/03/08 a 31/03/08"));
    }

    void nonNumericSettingStopsThePrint()
    {
        runReport();
        form().PainelConfig->Edit4->setText(QStringLiteral("1,5"));
        bool asked = false;
        chooseFile(OutputChoice::FileFormat::Pdf, app->suite.folder() + QStringLiteral("/nada.pdf"), &asked);
        form().Painel_Grafico1->BitBtn4->click();
        QVERIFY(asked);
        QCOMPARE(app->messages.texts, QStringList { QStringLiteral("'1,5' is not a valid floating point value") });
        QVERIFY(!QFile::exists(app->suite.folder() + QStringLiteral("/nada.pdf")));
    }

    void chartPrintWithoutPrinterIsAClearError()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        runReport();
        form().Painel_Grafico1->BitBtn5->click();
        QCOMPARE(app->messages.texts,
                 QStringList { QStringLiteral(
                     "Nenhuma impressora está instalada. Instale uma impressora para imprimir o gráfico.") });
        QVERIFY(form().Painel_Grafico1->isVisible());
    }

    void chartPrintsOnAPaintDevice()
    {
        runReport();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = app->suite.folder() + QStringLiteral("/grafico.pdf");
        printer.setOutputFileName(pdf);
        ChartPanel::printChart(form().Painel_Grafico1->DBChart5, printer);
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }
};

QTEST_MAIN(TestPaymentReport)
#include "tst_paymentreport.moc"
