#pragma once

#include <QDate>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <QTime>
#include <QVariant>

// The texts of the watch list: a symbol padded so that the saved date starts
// in column 17, then the date and time as the user's system writes them with
// a four-digit year and seconds. One object formats a whole list: it holds the
// locale's formats and remembers each day's text, since thousands of saved
// calculations fall on comparatively few days.
class WatchListText
{
public:
    explicit WatchListText(const QLocale &locale = QLocale());

    // Symbol, then 16 minus its trimmed length in blanks (none when that is
    // not positive), then date, a blank and time. A null value or one that is
    // no date or time gives nothing or its own text, so rows written by other
    // programs still list.
    QString entry(const QString &symbol, const QVariant &date, const QVariant &time);

private:
    QString dateText(const QVariant &date);
    QString timeText(const QVariant &time) const;

    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
    QHash<qint64, QString> m_days;
};
