#pragma once

#include "CalculationStore.h"
#include "StoredDateTime.h"
#include "modOndara.h"

#include <QSqlQuery>
#include <QtCore>

// Rows of tblSymbols written straight into the file, as another program (or
// an older version) could have left them: any ID, any value, nulls included.
namespace reportfixture {

// ID, Symbol, Date, Time and the six prices in column order; a missing value is null.
using Row = QVariantList;

inline Row row(qint64 id, const QString &symbol, QDate date, QTime time, double price = 10.5)
{
    return {id, symbol, date, time, price, price + 1, price + 2, price + 3, price + 4, price + 5};
}

// A temporary folder that is the current directory while it lives, with an
// empty "ondara.mdb" in it; the user's own files are never in reach.
class Folder
{
public:
    Folder()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        ondara::createDatabase(filePath(QStringLiteral("ondara.mdb")));
        m_db = ondara::openDatabase(filePath(QStringLiteral("ondara.mdb")));
        m_store = std::make_unique<ondara::CalculationStore>(m_db);
    }
    ~Folder()
    {
        m_store.reset();
        m_db.reset();
        ondara::gdbSymbols.reset();
        QDir::setCurrent(m_previous);
    }

    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    const ondara::DatabaseHandle &db() const { return m_db; }
    ondara::CalculationStore &store() const { return *m_store; }

    void insert(const QList<Row> &rows) const
    {
        m_db->inTransaction([&] {
            QSqlQuery insert = m_db->prepare(QStringLiteral(
                "INSERT INTO tblSymbols (ID, Symbol, Date, Time, W1Start, W1End, W3Target, W3Ext, W5Target, W5Ext) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const Row &r : rows) {
                for (int i = 0; i < 10; ++i) {
                    const QVariant v = r.value(i);
                    insert.bindValue(i, v.typeId() == QMetaType::QDate   ? ondara::storedDateText(v.toDate())
                                        : v.typeId() == QMetaType::QTime ? ondara::storedTimeText(v.toTime())
                                                                         : v);
                }
                m_db->exec(insert);
            }
        });
    }

private:
    QTemporaryDir m_dir;
    QString m_previous;
    ondara::DatabaseHandle m_db;
    std::unique_ptr<ondara::CalculationStore> m_store;
};

} // namespace reportfixture
