#include "platform/printing/GridExport.h"

#include "data/ClientDataSet.h"
#include "data/DataSetTableModel.h"
#include "data/ValueText.h"

#include <QFile>

#ifdef VALORAMA_HAVE_XLSXWRITER
#include <xlsxwriter.h>
#endif

#include <stdexcept>

namespace valorama {

namespace {

[[noreturn]] void cannotWrite(const QString &fileName, const QString &why)
{
    throw std::runtime_error(
        QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(fileName, why).toStdString());
}

QString csvField(QString text)
{
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QString title(const DataSetTableModel &model, int column)
{
    QString t = model.columns()[column].title;
    while (t.startsWith(QLatin1Char(' ')))
        t.remove(0, 1);
    return t;
}

} // namespace

void GridExport::writeCsv(const DataSetTableModel &model, const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        cannotWrite(fileName, f.errorString());
    QStringList header;
    for (int c = 0; c < model.columnCount(); ++c)
        header << csvField(title(model, c));
    QString out = header.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells << csvField(model.index(r, c).data(Qt::DisplayRole).toString());
        out += cells.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    f.write("\xEF\xBB\xBF"); // spreadsheets then read the accents right
    f.write(out.toUtf8());
}

void GridExport::writeXlsx(const DataSetTableModel &model, const QString &fileName)
{
#ifdef VALORAMA_HAVE_XLSXWRITER
    const QByteArray path = QFile::encodeName(fileName);
    lxw_workbook *book = workbook_new(path.constData());
    if (!book)
        cannotWrite(fileName, QStringLiteral("arquivo inválido"));
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Relatorio");
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format *money = workbook_add_format(book);
    ClientDataSet *ds = model.dataSet();
    for (int c = 0; c < model.columnCount(); ++c)
        worksheet_write_string(sheet, 0, lxw_col_t(c), title(model, c).toUtf8().constData(), bold);
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < model.columnCount(); ++c) {
            const int f = ds->fieldIndex(model.columns()[c].field);
            const Value v = f >= 0 ? ds->value(r, f) : Value {};
            const auto row = lxw_row_t(r + 1);
            const auto col = lxw_col_t(c);
            if (const auto *d = std::get_if<Decimal>(&v)) {
                const QString fmt = ds->displayFormat(model.columns()[c].field);
                format_set_num_format(money, fmt.isEmpty() ? "0.00" : fmt.toUtf8().constData());
                worksheet_write_number(sheet, row, col, d->toDouble(), money);
            } else if (const auto *n = std::get_if<qint64>(&v)) {
                worksheet_write_number(sheet, row, col, double(*n), nullptr);
            } else if (const auto *x = std::get_if<double>(&v)) {
                worksheet_write_number(sheet, row, col, *x, nullptr);
            } else if (!isNull(v)) {
                worksheet_write_string(sheet, row, col, valueToText(v).toUtf8().constData(), nullptr);
            }
        }
    }
    worksheet_set_column(sheet, 0, lxw_col_t(qMax(0, model.columnCount() - 1)), 22, nullptr);
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR)
        cannotWrite(fileName, QString::fromUtf8(lxw_strerror(result)));
#else
    Q_UNUSED(model);
    cannotWrite(fileName, QStringLiteral("este programa foi gerado sem suporte a XLSX"));
#endif
}

} // namespace valorama
