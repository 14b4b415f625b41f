#pragma once

#include "CsvDataError.h"
#include "CsvError.h"
#include "SavedCalculation.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>

// The saved calculations as a CSV file, for spreadsheets and for moving them
// between databases. One row a line under the header
//   ID,Symbol,Date,Time,W1Start,W1End,W3Target,W3Ext,W5Target,W5Ext,Reached,Extreme,Invalid
// dates YYYY-MM-DD, times HH:MM:SS, prices with every digit the double holds
// (the shortest text that reads back the same, "." always) and empty for
// NULL. The last three, written where they are known, say what became of the
// row against the prices after it, as the report shows it; they are for the
// reader of the file and ignored when it is read back, as they follow from
// the prices. A symbol that begins with =, +, - or @ would be taken for a formula by
// a spreadsheet, so it is written quoted behind a ' that reading drops; one
// that begins with ' gets a second, so every symbol reads back as it was.
namespace ondara {

inline constexpr const char *CalculationsCsvColumns[] = {"ID", "Symbol", "Date", "Time", "W1Start", "W1End",
                                                         "W3Target", "W3Ext", "W5Target", "W5Ext"};

inline constexpr const char *ReachedCsvColumns[] = {"Reached", "Extreme", "Invalid"};
// A row's Reached, Extreme and Invalid cells.
using ReachedCells = std::array<QString, 3>;

// The rows alone, or with the cells of what became of each, in their order.
QByteArray calculationsCsv(const QList<SavedCalculation> &rows);
QByteArray calculationsCsv(const QList<SavedCalculation> &rows, const QList<ReachedCells> &reached);
// Throws CsvError; a failed write leaves no file, nor any part of one.
void writeCalculationsCsv(const QString &path, const QList<SavedCalculation> &rows);
void writeCalculationsCsv(const QString &path, const QList<SavedCalculation> &rows, const QList<ReachedCells> &reached);

// The rows of a file in that form. The columns may come in any order, spelt
// as above; ID, Reached, Extreme and Invalid may be left out and are ignored (every row comes back with ID 0,
// for the database to give it a new one). Every row is checked before any is
// returned: a column unknown, doubled or missing, or a value that is not of
// its column's form, refuses the whole file with a CsvDataError naming the
// line and column. Throws CsvError when the file cannot be read as CSV text.
QList<SavedCalculation> parseCalculationsCsv(QByteArrayView bytes);
QList<SavedCalculation> readCalculationsCsv(const QString &path);

} // namespace ondara
