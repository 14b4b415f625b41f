#pragma once

#include "QueryDialect.h"
#include "modOndara.h"

#include <QDate>
#include <QSqlQuery>
#include <QString>
#include <QTime>

#include <array>
#include <functional>

// A database of saved calculations for the benchmarks, filled in one transaction.
namespace bench {

struct Row {
    QString symbol;
    QDate date;
    QTime time;
    std::array<double, 6> prices{}; // W1Start, W1End, W3Target, W3Ext, W5Target, W5Ext
};

inline void fillSymbols(const QString &path, int rows, const std::function<Row(int)> &rowAt)
{
    ondara::createDatabase(path);
    const ondara::DatabaseHandle db = ondara::openDatabase(path);
    db->inTransaction([&] {
        QSqlQuery insert = db->prepare(QStringLiteral(
            "INSERT INTO tblSymbols (Symbol, Date, Time, W1Start, W1End, W3Target, W3Ext, W5Target, W5Ext) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < rows; ++i) {
            const Row row = rowAt(i);
            insert.bindValue(0, row.symbol);
            insert.bindValue(1, ondara::storedDateText(row.date));
            insert.bindValue(2, ondara::storedTimeText(row.time));
            for (int p = 0; p < 6; ++p)
                insert.bindValue(3 + p, row.prices[std::size_t(p)]);
            db->exec(insert);
        }
    });
}

} // namespace bench
