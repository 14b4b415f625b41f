#include "ReportQuery.h"

#include "QueryDialect.h"

#include <QLocale>

namespace ondara {

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
        // A quote inside a symbol is doubled: 'O''NEIL'. Without it the text
        // would end the literal early and no longer be a query at all.
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
