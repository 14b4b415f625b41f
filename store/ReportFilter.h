#pragma once

#include <QDate>
#include <QStringList>
#include <QTime>

namespace ondara {

// What the report's filter controls hold; symbols in the order the list shows them.
struct ReportFilter
{
    QDate dateFrom;
    QDate dateTo;
    QTime timeFrom; // later than timeTo: a window of time that wraps past midnight
    QTime timeTo;
    QStringList symbols; // none: every symbol

    friend bool operator==(const ReportFilter &, const ReportFilter &) = default;
};

// The orders the windows list saved calculations in. Rows equal in all of
// these keep the order of their IDs, so a list read a page at a time never
// repeats or skips one.
enum class ReportOrder {
    SymbolDateTime,    // the report at its start: Symbol, Date, Time
    NewestFirst,       // Date DESC, Time DESC, Symbol
    SymbolNewestFirst, // Symbol, Date DESC, Time DESC: also the watch list's order
};

} // namespace ondara
