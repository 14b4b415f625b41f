#include "StoredDateTime.h"

namespace ondara {
namespace {

// -1 unless text is ASCII digits only.
int digitsValue(QStringView text)
{
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

QString storedDateText(QDate date)
{
    return date.toString(Qt::ISODate);
}

QString storedTimeText(QTime time)
{
    return time.toString(u"HH:mm:ss");
}

std::optional<QDate> parseStoredDate(QStringView text)
{
    if (text.size() != 10 || text[4] != u'-' || text[7] != u'-')
        return std::nullopt;
    const int year = digitsValue(text.mid(0, 4));
    const int month = digitsValue(text.mid(5, 2));
    const int day = digitsValue(text.mid(8, 2));
    if (year < 0 || month < 0 || day < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<QTime> parseStoredTime(QStringView text)
{
    if (text.size() != 8 || text[2] != u':' || text[5] != u':')
        return std::nullopt;
    const int hour = digitsValue(text.mid(0, 2));
    const int minute = digitsValue(text.mid(3, 2));
    const int second = digitsValue(text.mid(6, 2));
    if (hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    const QTime time(hour, minute, second);
    return time.isValid() ? std::optional(time) : std::nullopt;
}

} // namespace ondara
