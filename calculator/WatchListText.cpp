#include "WatchListText.h"

#include "LocaleFormat.h"
#include "SymbolText.h"

namespace {

// Column 17 holds the date when the symbol has no blanks around it.
constexpr qsizetype DateColumn = 17;

} // namespace

WatchListText::WatchListText(const QLocale &locale)
    : m_locale(locale), m_dateFormat(ondara::shortDateFormat(locale)), m_timeFormat(ondara::longTimeFormat(locale))
{
}

QString WatchListText::entry(const QString &symbol, const QVariant &date, const QVariant &time)
{
    const QString day = dateText(date);
    const QString clock = timeText(time);
    const qsizetype blanks = qMax<qsizetype>(0, DateColumn - 1 - ondara::characterCount(ondara::trimmedBlanks(symbol)));
    QString text;
    text.reserve(symbol.size() + blanks + day.size() + 1 + clock.size());
    text += symbol;
    for (qsizetype i = 0; i < blanks; ++i)
        text += u' ';
    text += day;
    text += u' ';
    text += clock;
    return text;
}

QString WatchListText::dateText(const QVariant &date)
{
    if (date.typeId() != QMetaType::QDate)
        return date.toString();
    const QDate day = date.toDate();
    auto known = m_days.constFind(day.toJulianDay());
    if (known == m_days.cend())
        known = m_days.insert(day.toJulianDay(), m_locale.toString(day, m_dateFormat));
    return *known;
}

QString WatchListText::timeText(const QVariant &time) const
{
    if (time.typeId() != QMetaType::QTime)
        return time.toString();
    return m_locale.toString(time.toTime(), m_timeFormat);
}
