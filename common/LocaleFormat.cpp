#include "LocaleFormat.h"

namespace ondara {

namespace {

// Calls edit(run) for each run of one repeated letter outside quotes, so the
// quoted literals of a format (Bulgarian 'г'.) are never mistaken for fields.
template<typename Edit>
QString editFieldRuns(const QString &format, Edit edit)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            result += c;
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (!quoted && c.isLetter()) {
            while (end < format.size() && format.at(end) == c)
                ++end;
            result += edit(format.mid(i, end - i));
        } else {
            result += c;
        }
        i = end;
    }
    return result;
}

} // namespace

QString shortDateFormat(const QLocale &locale)
{
    return editFieldRuns(locale.dateFormat(QLocale::ShortFormat), [](const QString &run) {
        return run == u"yy" ? QStringLiteral("yyyy") : run;
    });
}

QString longTimeFormat(const QLocale &locale)
{
    const QString withoutZone = editFieldRuns(locale.timeFormat(QLocale::LongFormat), [](const QString &run) {
        return run.startsWith(u't') ? QString() : run;
    });
    return withoutZone.simplified();
}

QString shortDateText(QDate date, const QLocale &locale)
{
    return locale.toString(date, shortDateFormat(locale));
}

QString longTimeText(QTime time, const QLocale &locale)
{
    return locale.toString(time, longTimeFormat(locale));
}

QString plainNumberText(double value, const QLocale &locale)
{
    QLocale ungrouped = locale;
    ungrouped.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return ungrouped.toString(value, 'f', QLocale::FloatingPointShortest);
}

StoredValueText::StoredValueText(const QLocale &locale)
    : m_locale(locale), m_dateFormat(shortDateFormat(locale)), m_timeFormat(longTimeFormat(locale))
{
    m_locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
}

QString StoredValueText::operator()(const QVariant &value) const
{
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
        return m_locale.toString(value.toDate(), m_dateFormat);
    case QMetaType::QTime:
        return m_locale.toString(value.toTime(), m_timeFormat);
    case QMetaType::Double:
    case QMetaType::Float:
        return m_locale.toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

} // namespace ondara
