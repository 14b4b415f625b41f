#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTime>
#include <QVariantList>

// Rows read and written behind the program's back, on a connection of the
// test's own, as another program (or an older version) could have left them.
namespace testsupport {

// The first column of every row sql gives, or "!" and the error text.
inline QVariantList rawQuery(const QString &file, const QString &sql, const QVariantList &values = {})
{
    QVariantList result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("testsupport"));
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0")); // a locked file answers at once
        QSqlQuery query(db);
        if (db.open() && query.prepare(sql)) {
            for (const QVariant &value : values)
                query.addBindValue(value);
            query.exec();
            while (query.next())
                result.append(query.value(0));
        }
        const QSqlError error = db.isOpen() ? query.lastError() : db.lastError();
        if (error.isValid())
            result = {u'!' + error.text()};
    }
    QSqlDatabase::removeDatabase(QStringLiteral("testsupport"));
    return result;
}

inline bool rawExec(const QString &file, const QString &sql, const QVariantList &values = {})
{
    return !rawQuery(file, sql, values).value(0).toString().startsWith(u'!');
}

// A row of tblSymbols: any ID, any value, nulls (invalid variants) included.
// A QDate or QTime is written as the program stores it.
struct SymbolRow
{
    QVariant symbol{};
    QVariantList prices{10, 20, 27.5}; // W1Start onwards; the ones left out are null
    QVariant date = QDate(2001, 1, 15);
    QVariant time = QTime(15, 4, 5);
    QVariant id{}; // null: the database numbers it
};

// The row's ID, or 0 when it could not be written.
inline qint64 writeRow(const QString &file, const SymbolRow &row)
{
    const QVariant date = row.date.typeId() == QMetaType::QDate ? row.date.toDate().toString(Qt::ISODate) : row.date;
    const QVariant time = row.time.typeId() == QMetaType::QTime ? row.time.toTime().toString(u"HH:mm:ss") : row.time;
    QVariantList values{row.id, row.symbol, date, time};
    for (int i = 0; i < 6; ++i)
        values.append(row.prices.value(i));
    return rawQuery(file, QStringLiteral("INSERT INTO tblSymbols (ID, Symbol, Date, Time, W1Start, W1End, W3Target, "
                                         "W3Ext, W5Target, W5Ext) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID"),
                    values)
        .value(0)
        .toLongLong();
}

} // namespace testsupport
