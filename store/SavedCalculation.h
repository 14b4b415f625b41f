#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QtGlobal>

#include <optional>

namespace ondara {

// One row of tblSymbols as the program reads and writes it. A price column
// that holds NULL (or, written by another program, something that is no
// number) has no value; a date or time that is NULL or unreadable is invalid.
struct SavedCalculation
{
    qint64 id = 0; // given by the database when the row is added
    QString symbol;
    QDate date;
    QTime time;
    std::optional<double> w1Start;
    std::optional<double> w1End; // 0 marks a row saved on the wave 3 basis
    std::optional<double> w3Target;
    std::optional<double> w3Ext;
    std::optional<double> w5Target;
    std::optional<double> w5Ext;

    friend bool operator==(const SavedCalculation &, const SavedCalculation &) = default;
};

} // namespace ondara
