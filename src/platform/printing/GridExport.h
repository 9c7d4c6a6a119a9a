#pragma once

#include <QString>

namespace valorama {

class DataSetTableModel;

// The rows of a grid as a spreadsheet: titles without their leading spaces, then one line per
// row. Numbers stay numbers in XLSX. Throw std::runtime_error when the file cannot be written.
namespace GridExport {
void writeCsv(const DataSetTableModel &model, const QString &fileName);
void writeXlsx(const DataSetTableModel &model, const QString &fileName);
} // namespace GridExport

} // namespace valorama
