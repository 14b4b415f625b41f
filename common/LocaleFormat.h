#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <QVariant>

// Dates, times and numbers as the user's system writes them, for the windows
// that show stored values. The locale's own short date may give the year in two
// digits and its long time may add a time zone; a saved calculation needs the
// whole year and the seconds, and has no zone.
namespace ondara {

// The locale's short date format with a four-digit year: "M/d/yyyy" for the US.
QString shortDateFormat(const QLocale &locale = QLocale());

// The locale's time format with seconds and without a zone: "h:mm:ss AP" for the US.
QString longTimeFormat(const QLocale &locale = QLocale());

// 1/15/2001 and 3:04:05 PM on a US system; 15/01/2001 and 15:04:05 on a British one.
QString shortDateText(QDate date, const QLocale &locale = QLocale());
QString longTimeText(QTime time, const QLocale &locale = QLocale());

// The shortest text that reads back as the same number, without digit
// grouping, with the locale's decimal point: 1234.5, 1234,5, 100.
QString plainNumberText(double value, const QLocale &locale = QLocale());

// A stored value as the windows show and print it: a date, a time or a number
// as above, any other value as its own text, a null as nothing. Holds the
// locale's formats, so a window can format thousands of rows with one.
class StoredValueText
{
public:
    explicit StoredValueText(const QLocale &locale = QLocale());
    QString operator()(const QVariant &value) const;

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
};

} // namespace ondara
