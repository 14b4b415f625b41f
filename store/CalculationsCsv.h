#pragma once

#include "CsvDataError.h"
#include "CsvError.h"
#include "SavedCalculation.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The saved calculations as a CSV file, for spreadsheets and for moving them
// between databases. One row a line under the header
//   ID,Symbol,Date,Time,W1Start,W1End,W3Target,W3Ext,W5Target,W5Ext
// dates YYYY-MM-DD, times HH:MM:SS, prices with every digit the double holds
// (the shortest text that reads back the same, "." always) and empty for
// NULL. A symbol that begins with =, +, - or @ would be taken for a formula by
// a spreadsheet, so it is written quoted behind a ' that reading drops; one
// that begins with ' gets a second, so every symbol reads back as it was.
namespace ondara {

inline constexpr const char *CalculationsCsvColumns[] = {"ID", "Symbol", "Date", "Time", "W1Start", "W1End",
                                                         "W3Target", "W3Ext", "W5Target", "W5Ext"};

QByteArray calculationsCsv(const QList<SavedCalculation> &rows);
// Throws CsvError; a failed write leaves no file, nor any part of one.
void writeCalculationsCsv(const QString &path, const QList<SavedCalculation> &rows);

// The rows of a file in that form. The columns may come in any order, spelt
// as above; ID may be left out and is ignored (every row comes back with ID 0,
// for the database to give it a new one). Every row is checked before any is
// returned: a column unknown, doubled or missing, or a value that is not of
// its column's form, refuses the whole file with a CsvDataError naming the
// line and column. Throws CsvError when the file cannot be read as CSV text.
QList<SavedCalculation> parseCalculationsCsv(QByteArrayView bytes);
QList<SavedCalculation> readCalculationsCsv(const QString &path);

} // namespace ondara
