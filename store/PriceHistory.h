#pragma once

#include "PriceBar.h"
#include "ReachedLevels.h"
#include "SavedCalculation.h"
#include "modOndara.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

// Daily prices of the symbols, and what became of the saved calculations
// against them.
//
// tblPrices holds the prices as imported. Beside it tblPriceYears keeps, per
// symbol and calendar year, the day, High and Low of every bar packed into one
// value: the whole saved list has to be checked against most of the history,
// and stepping through it row by row costs over ten times what reading it
// packed does (bench_reached prints both). Triggers on tblPrices mark a year out of date
// (Bars NULL) whenever any program changes its rows; replacePrices and
// ensurePriceTable pack such years again, and until then the check reads them
// from tblPrices, so a stale year is slow, never wrong.
namespace ondara {

// Adds tblPrices, tblPriceYears and the triggers where they are missing, and
// packs any year left out of date. Idempotent; needs a writable file unless
// there is nothing to do. Returns whether it changed the file.
bool ensurePriceTable(const Database &db);

// Writes bars for symbol (blanks around it dropped, upper case, as the saved
// rows hold it), replacing the prices of the same dates and keeping the
// others: all of it or, on any failure, none of it. bars must be in increasing
// date order with valid dates and finite prices, 0 < Low <= Open, Close <= High;
// otherwise StoreError(ValidationRule) is thrown before anything is written.
void replacePrices(Database &db, const QString &symbol, const QList<PriceBar> &bars);

// The days of symbol (as a saved row holds it) on and after from, oldest
// first; none where the file has no price table. Rows another program wrote
// with a date or a price that is no value are passed over.
QList<PriceBar> pricesSince(const Database &db, const QString &symbol, QDate from);

// Each calculation's result against the prices after its date, in the order
// given; empty where there are no such prices (or the row has no direction).
// Reads one symbol at a time, from the year of its earliest calculation.
std::vector<std::optional<ReachedResult>> evaluateReached(const Database &db,
                                                          const QList<SavedCalculation> &calculations);

// The symbol under which tblPrices keeps the prices of a saved row's symbol.
QString priceSymbol(const QString &symbol);

} // namespace ondara
