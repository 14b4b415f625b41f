#pragma once

#include "QueryDialect.h"
#include "modOndara.h"

#include <QDate>
#include <QDir>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <QVariant>

#include <memory>

// Rows of tblSymbols written straight into the file, as another program (or
// an older version) could have left them: any ID, any value, nulls included.
namespace reportfixture {

struct Row
{
    qint64 id = 0; // 0: the database assigns it
    QVariant symbol = {};
    QVariant date = {};
    QVariant time = {};
    QVariant w1Start = {};
    QVariant w1End = {};
    QVariant w3Target = {};
    QVariant w3Ext = {};
    QVariant w5Target = {};
    QVariant w5Ext = {};
};

inline Row row(qint64 id, const QString &symbol, QDate date, QTime time, double price = 10.5)
{
    return Row{id, symbol, date, time, price, price + 1, price + 2, price + 3, price + 4, price + 5};
}

inline QVariant stored(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate)
        return ondara::storedDateText(value.toDate());
    if (value.typeId() == QMetaType::QTime)
        return ondara::storedTimeText(value.toTime());
    return value;
}

inline void insertRows(const ondara::DatabaseHandle &db, const QList<Row> &rows)
{
    db->inTransaction([&] {
        QSqlQuery withId = db->prepare(QStringLiteral(
            "INSERT INTO tblSymbols (ID, Symbol, Date, Time, W1Start, W1End, W3Target, W3Ext, W5Target, W5Ext) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery withoutId = db->prepare(QStringLiteral(
            "INSERT INTO tblSymbols (Symbol, Date, Time, W1Start, W1End, W3Target, W3Ext, W5Target, W5Ext) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const Row &r : rows) {
            QSqlQuery &query = r.id ? withId : withoutId;
            int i = 0;
            if (r.id)
                query.bindValue(i++, r.id);
            for (const QVariant &value : {r.symbol, r.date, r.time, r.w1Start, r.w1End, r.w3Target, r.w3Ext,
                                          r.w5Target, r.w5Ext})
                query.bindValue(i++, stored(value));
            db->exec(query);
        }
    });
}

// A temporary folder that is the current directory while it lives, with an
// empty "ondara.mdb" in it; the user's own files are never in reach.
class Folder
{
public:
    Folder()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        ondara::createDatabase(m_dir.filePath(QStringLiteral("ondara.mdb")));
        m_db = ondara::openDatabase(m_dir.filePath(QStringLiteral("ondara.mdb")));
    }
    ~Folder()
    {
        m_db.reset();
        ondara::gdbSymbols.reset();
        QDir::setCurrent(m_previous);
    }
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    const ondara::DatabaseHandle &db() const { return m_db; }
    void insert(const QList<Row> &rows) const { insertRows(m_db, rows); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    ondara::DatabaseHandle m_db;
};

} // namespace reportfixture
