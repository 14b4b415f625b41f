#pragma once

#include "CsvDataError.h"
#include "CsvError.h"
#include "NumberedError.h"
#include "StoreError.h"
#include "modOndara.h"

#include <QDate>
#include <QString>

// A price file taken into the database, as the command line and the report
// window both do it: the same checks, the same all-or-nothing write and the
// same words for what happened.
namespace ondara {

struct PriceImport
{
    QString symbol; // as the price table keeps it
    qsizetype days = 0;
    QDate first;
    QDate last;
};

// Reads the price file at path (symbol as readPriceCsv takes it, today the
// last date a file may hold), adds the price tables to db where missing and
// writes the days, replacing those of the same dates. A refused file throws
// CsvError or CsvDataError before the database is touched; a failed write
// throws StoreError and leaves the prices as they were.
PriceImport importPrices(Database &db, const QString &path, const QString &symbol = {},
                         QDate today = QDate::currentDate());

// "Imported 250 days of IBM, 2025-01-02 to 2025-12-31."
QString importSummaryText(const PriceImport &import);

// What the user is told when importPrices threw error for the file at path.
QString importFailureText(const QString &path, const NumberedError &error);

} // namespace ondara
