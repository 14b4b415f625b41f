#pragma once

#include "ReportFilter.h"

#include <QDate>
#include <QString>
#include <QTime>

// The report's query as text, built from the filter values alone: the window
// keeps it to tell whether a filter event changed the query. The rows
// themselves come from the store, which binds the same filter as values.
namespace ondara {

// ORDER BY lists: at load, after a click on Date, after a click on Symbol.
inline constexpr char SortOrderAtStart[] = "Symbol, Date, Time";
inline constexpr char SortOrderByDate[] = "Date DESC, Time DESC, Symbol";
inline constexpr char SortOrderBySymbol[] = "Symbol, Date DESC, Time DESC";

QString sortOrderText(ReportOrder order);

// Dates are always month/day/four-digit year, whatever the user's locale: 1/15/2001.
QString dateLiteral(QDate date);

// The From time on the 12-hour clock (9:30:00 AM), the To time on the 24-hour
// clock (16:00:00).
QString fromTimeLiteral(QTime time);
QString toTimeLiteral(QTime time);

// The condition after WHERE. A From time later than the To time is a window
// that wraps past midnight, so its two bounds are joined by OR.
QString criteriaText(const ReportFilter &filter);

// The whole query: SELECT * FROM tblSymbols WHERE <criteria> ORDER BY <sortOrder>;
QString reportQueryText(const QString &criteria, const QString &sortOrder);

} // namespace ondara
