#include "ReportQuery.h"

#include <QLocale>
#include <QStringList>

namespace ondara {
namespace {

// A quote inside a symbol is doubled: 'O''NEIL'. Without it the text would end
// the literal early, and two different filters could give the same text.
QString quotedText(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

} // namespace

QString sortOrderText(ReportOrder order)
{
    switch (order) {
    case ReportOrder::SymbolDateTime:
        return QLatin1StringView(SortOrderAtStart);
    case ReportOrder::NewestFirst:
        return QLatin1StringView(SortOrderByDate);
    case ReportOrder::SymbolNewestFirst:
        return QLatin1StringView(SortOrderBySymbol);
    }
    return QString();
}

QString dateLiteral(QDate date)
{
    return QLocale::c().toString(date, u"M/d/yyyy");
}

QString fromTimeLiteral(QTime time)
{
    // The C locale, so AM and PM stay English whatever the user's language.
    return QLocale::c().toString(time, u"h:mm:ss AP");
}

QString toTimeLiteral(QTime time)
{
    return QLocale::c().toString(time, u"HH:mm:ss");
}

QString criteriaText(const ReportFilter &filter)
{
    QString criteria = QStringLiteral("Date >= #%1# AND Date <= #%2#")
                           .arg(dateLiteral(filter.dateFrom), dateLiteral(filter.dateTo));

    const bool wraps = filter.timeFrom > filter.timeTo;
    const QString times = QStringLiteral("Time >= #%1#%2Time <= #%3#")
                              .arg(fromTimeLiteral(filter.timeFrom),
                                   wraps ? QStringLiteral(" OR ") : QStringLiteral(" AND "),
                                   toTimeLiteral(filter.timeTo));
    criteria += wraps ? QStringLiteral(" AND (%1)").arg(times) : QStringLiteral(" AND %1").arg(times);

    if (!filter.symbols.isEmpty()) {
        QStringList quoted;
        quoted.reserve(filter.symbols.size());
        for (const QString &symbol : filter.symbols)
            quoted += quotedText(symbol);
        criteria += QStringLiteral(" AND Symbol IN (%1)").arg(quoted.join(QLatin1Char(',')));
    }
    return criteria;
}

QString reportQueryText(const QString &criteria, const QString &sortOrder)
{
    QString text = QStringLiteral("SELECT * FROM tblSymbols");
    if (!criteria.isEmpty())
        text += QStringLiteral(" WHERE ") + criteria;
    text += QStringLiteral(" ORDER BY ") + sortOrder + QLatin1Char(';');
    return text;
}

} // namespace ondara
