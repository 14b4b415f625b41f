#pragma once

#include "CsvDataError.h"
#include "CsvError.h"
#include "PriceBar.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

// Daily prices of one symbol from the CSV files brokers and data sites export.
namespace ondara {

struct PriceFile
{
    QString symbol;
    QList<PriceBar> bars; // by date, oldest first

    friend bool operator==(const PriceFile &, const PriceFile &) = default;
};

// Reads a price file: a header line naming Date, Open, High, Low and Close in
// any order and case (other columns, such as Volume or Adj Close, are
// ignored), then one day a line; separated by commas, semicolons or tabs,
// prices with a "." for decimals.
//
// Dates are YYYY-MM-DD, M/D/YYYY or DD.MM.YYYY, one form throughout the file.
// Slashed dates are month first; a file whose every slashed date would also
// read day first, to other days, is refused as ambiguous rather than guessed.
//
// The symbol is the caller's when given; else that of a Symbol column; else
// the file name without its last extension, upper-cased ("ibm.us.csv" gives
// IBM.US). A Symbol column must name one symbol throughout, the caller's if
// given (case aside). A symbol is at most 15 characters, blanks around it not
// counted.
//
// Every row is checked before anything is returned: each price a number above
// 0 with High >= Open, Close >= Low, no date after today, no date twice. The
// first fault refuses the file with a CsvDataError naming its line and reason;
// a file with no day in it is refused with "no prices". Throws CsvError when
// the file cannot be read as CSV text.
PriceFile parsePriceCsv(QByteArrayView bytes, const QString &fileName, QDate today, const QString &symbol = {});
PriceFile readPriceCsv(const QString &path, QDate today, const QString &symbol = {});

} // namespace ondara
