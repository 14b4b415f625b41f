#pragma once

#include "NumberedError.h"

#include <QString>

namespace ondara {

// A CSV file that reads as text but whose header or values are refused. The
// description names the line and, where one is to blame, the column, so the
// user can find the place in the file; line() and column() give the same to
// a caller. One such error refuses the whole file.
class CsvDataError : public NumberedError
{
public:
    static constexpr int UnknownColumn = 9201;
    static constexpr int DuplicateColumn = 9202;
    static constexpr int MissingColumn = 9203;
    static constexpr int FieldCount = 9204;
    static constexpr int NotANumber = 9205;
    static constexpr int NotADate = 9206;
    static constexpr int NotATime = 9207;
    static constexpr int BadSymbol = 9208; // too long, or none to be had
    static constexpr int NoRows = 9209;
    static constexpr int PriceNotPositive = 9210;
    static constexpr int PricesInconsistent = 9211;
    static constexpr int FutureDate = 9212;
    static constexpr int DuplicateDate = 9213;
    static constexpr int AmbiguousDates = 9214;
    static constexpr int TwoSymbols = 9215;

    // line is the file's physical line (1 is the first), 0 for the file as a whole.
    CsvDataError(int number, qsizetype line, const QString &column, const QString &reason)
        : NumberedError(number, describe(line, column, reason)), m_line(line), m_column(column)
    {
    }

    qsizetype line() const noexcept { return m_line; }
    QString column() const { return m_column; }

private:
    static QString describe(qsizetype line, const QString &column, const QString &reason)
    {
        if (line <= 0)
            return reason;
        if (column.isEmpty())
            return QStringLiteral("Line %1: %2").arg(line).arg(reason);
        return QStringLiteral("Line %1, column %2: %3").arg(line).arg(column, reason);
    }

    qsizetype m_line;
    QString m_column;
};

} // namespace ondara
