#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

// The stored forms of the Date and Time columns: "2001-01-15" and "15:04:05".
// Both sort and compare as text the way the dates and times they stand for do,
// so the store's range conditions and orderings work on them directly.
namespace ondara {

QString storedDateText(QDate date);
QString storedTimeText(QTime time);

// Only the stored forms read back; anything else (another program's text) has no value.
std::optional<QDate> parseStoredDate(QStringView text);
std::optional<QTime> parseStoredTime(QStringView text);

} // namespace ondara
