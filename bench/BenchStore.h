#pragma once

#include "CalculationStore.h"
#include "modOndara.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>

// A database of saved calculations for the benchmarks, filled through the
// store in transactions of many rows. The indexes are built once the rows are
// in, the way the program adds them to an older file: far quicker than
// growing them a row at a time.
namespace bench {

inline void fillSymbols(const QString &path, int rows, const std::function<ondara::SavedCalculation(int)> &rowAt)
{
    ondara::createDatabase(path);
    const ondara::DatabaseHandle db = ondara::openDatabase(path);
    QSqlQuery indexes = db->prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"));
    db->exec(indexes);
    QStringList names;
    while (indexes.next())
        names += indexes.value(0).toString();
    indexes.finish();
    for (const QString &name : std::as_const(names)) {
        QSqlQuery drop = db->prepare(QStringLiteral("DROP INDEX ") + name);
        db->exec(drop);
    }
    ondara::CalculationStore store(db);
    constexpr int RowsPerTransaction = 20000;
    QList<ondara::SavedCalculation> batch;
    for (int i = 0; i < rows; ++i) {
        batch.append(rowAt(i));
        if (batch.size() == RowsPerTransaction || i + 1 == rows) {
            store.add(batch);
            batch.clear();
        }
    }
    db->addMissingSchema();
}

// The --rows N argument, or fallback.
inline int rowsArgument(int argc, char **argv, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "--rows") == 0)
            return QByteArray(argv[i + 1]).toInt();
    }
    return fallback;
}

} // namespace bench
