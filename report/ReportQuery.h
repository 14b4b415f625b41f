#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// The report's query text, built from the filter values alone so that every
// form of it can be checked without a window. The text is what the store's
// query reader accepts: # around dates and times, single quotes around symbols.
namespace ondara {

// ORDER BY lists: at load, after a click on Date, after a click on Symbol.
inline constexpr char SortOrderAtStart[] = "Symbol, Date, Time";
inline constexpr char SortOrderByDate[] = "Date DESC, Time DESC, Symbol";
inline constexpr char SortOrderBySymbol[] = "Symbol, Date DESC, Time DESC";

// What the filter controls hold; symbols in the order the list shows them.
struct ReportFilter
{
    QDate dateFrom;
    QDate dateTo;
    QTime timeFrom;
    QTime timeTo;
    QStringList symbols;
};

// Dates are always month/day/four-digit year, whatever the user's locale, since
// the store reads them that way: 1/15/2001.
QString dateLiteral(QDate date);

// The From time on the 12-hour clock (9:30:00 AM), the To time on the 24-hour
// clock (16:00:00); the store reads both.
QString fromTimeLiteral(QTime time);
QString toTimeLiteral(QTime time);

// The condition after WHERE. A From time later than the To time is a window
// that wraps past midnight, so its two bounds are joined by OR.
QString criteriaText(const ReportFilter &filter);

// The whole query: SELECT * FROM tblSymbols WHERE <criteria> ORDER BY <sortOrder>;
QString reportQueryText(const QString &criteria, const QString &sortOrder);

// The query behind the symbol list.
inline constexpr char SymbolListQuery[] = "SELECT DISTINCT Symbol FROM tblSymbols ORDER BY Symbol;";

} // namespace ondara
