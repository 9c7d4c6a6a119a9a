#pragma once

#include "data/DataSetTableModel.h"
#include "reports/payments/ListingSettings.h"

#include <QDate>
#include <QStringList>

#include <functional>
#include <optional>

namespace valorama {

class ClientDataSet;
class ReportCanvas;
class TFormSNGPC;

struct ListingPeriod
{
    QDate start;
    QDate end;
};

// What the listing prints: the grid's columns over its dataset's rows.
struct GridListingSource
{
    ClientDataSet *dataSet = nullptr;
    QList<DataSetTableModel::Column> columns;
    QStringList numberFormats; // per column; an empty entry leaves the cell as it is
};

// The fixed-column listing of a grid, drawn page by page on a report canvas.
namespace PaymentListing {

// The print command of the result view: sets up the job and starts it.
void PrintPaymentListing(TFormSNGPC &form);

// Draws all pages. Reads the settings first (a setting that is not a number throws with the
// conversion message before anything is drawn); the period comes from storedPeriod on every
// page. Moves the dataset to its last row.
void PrintGridListing(ReportCanvas &canvas, const GridListingSource &grid, const ListingSettingsTexts &texts,
                      const QString &reportTitle, const std::function<std::optional<ListingPeriod>()> &storedPeriod,
                      const QDate &today);

// "Periodo: 01/03/08 a 31/03/08    Data Emissão: 11/12/26", or "Data Emissão: ..." alone.
QString issueLine(const std::optional<ListingPeriod> &period, const QDate &today);

} // namespace PaymentListing

} // namespace valorama
