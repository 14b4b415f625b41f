#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariantList>

#include <optional>

// The query texts of the windows keep the form the old data-access layer read:
// #1/15/2001# and #3:04:05 PM# literals, '' inside quoted text. They are read
// here into SQLite's SQL with every literal taken out as a bound value, so no
// text a user typed is ever parsed by SQLite. Only the shapes the windows build
// are accepted; anything else is refused before SQLite sees it.
namespace ondara {

struct TranslatedQuery
{
    QString sql;          // SQLite's text, one ? per literal
    QVariantList values;  // the literals, in the order of the ?s
    QString table;        // the table after FROM
    bool distinct = false;
};

// Throws StoreError(StoreError::QuerySyntax) for text outside the dialect.
TranslatedQuery translateQuery(const QString &queryText);

// text as a quoted literal of the dialect: O'NEIL gives 'O''NEIL'.
QString quotedText(const QString &text);

// The stored forms of the Date and Time columns: "2001-01-15", "15:04:05".
QString storedDateText(QDate date);
QString storedTimeText(QTime time);
std::optional<QDate> parseStoredDate(QStringView text);
std::optional<QTime> parseStoredTime(QStringView text);

} // namespace ondara
