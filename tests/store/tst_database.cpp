#include "CalculationStore.h"
#include "RowWriter.h"
#include "ScratchFolder.h"
#include "modOndara.h"

#include <QElapsedTimer>
#include <QTest>

using namespace ondara;
using namespace testsupport;

class TestDatabase : public QObject
{
    Q_OBJECT

    const QString File = QStringLiteral("ondara.mdb");
    std::unique_ptr<ScratchFolder> m_scratch;

private slots:
    void init()
    {
        m_scratch = std::make_unique<ScratchFolder>();
        // SQLite is given the file as a URI, so no character of the folder's name may be read as part of the URI.
        const QString folder = QStringLiteral("a b#c?d%20e&mode=rwc ü€");
        QVERIFY(m_scratch->isValid() && QDir().mkdir(folder) && QDir::setCurrent(folder));
        createDatabase(File);
        QVERIFY(rawExec(File, "INSERT INTO tblSymbols (ID, Symbol) VALUES (1, 'A'), (2, 'B'), (3, 'C')"));
    }
    void cleanup() { gdbSymbols.reset(); m_scratch.reset(); }

    void opensOnlyItsDatabase_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // of the file; null: no file
        QTest::addColumn<QString>("table"); // then created in the file
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("message");

        QTest::newRow("missing") << QByteArray() << "" << StoreError::FileNotFound << "ondara.mdb was not found in ";
        QTest::newRow("empty file") << QByteArray("") << "" << StoreError::NoTable << " has no table tblSymbols.";
        QTest::newRow("text file") << QByteArray("IBM,1/15/2001\n") << "" << 26 << " is not a database.";
        QTest::newRow("other table") << QByteArray() << "tblPrices (ID)" << StoreError::NoTable << " has no table";
        QTest::newRow("no column") << QByteArray() << "tblSymbols (ID)" << StoreError::ItemNotFound << " lacks a column";
    }

    // A failure names the file and its folder, says what is wrong, keeps the open
    // database, and creates or changes nothing (no journal is left either).
    void opensOnlyItsDatabase()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, table);
        QFETCH(QString, message);
        gdbSymbols = openDatabase(File);
        const DatabaseHandle earlier = gdbSymbols;
        QVERIFY(QFile::rename(File, QStringLiteral("earlier.mdb")));
        QVERIFY(bytes.isNull() || writeFile(File, bytes));
        QVERIFY(table.isEmpty() || rawExec(File, "CREATE TABLE " + table));
        const QStringList before = folderListing(m_scratch->path());

        try {
            OpenDB();
            QFAIL("The file was opened.");
        } catch (const StoreError &error) {
            QTEST(error.number(), "number");
            QVERIFY2(error.description().contains(message) && error.description().contains(QDir::currentPath()),
                     qPrintable(error.description()));
            QCOMPARE(gdbSymbols, earlier);
        }
        QCOMPARE(folderListing(m_scratch->path()), before);
    }

    void pagesReadEveryRowOnce_data()
    {
        QTest::addColumn<bool>("watchList"); // which has no filter to keep NULLs out
        QTest::addColumn<ReportOrder>("order"); // of the report
        QTest::addColumn<QString>("orderBy"); // the same order in SQLite's own words
        QTest::addColumn<int>("pageSize");
        const auto symbolFirst = ReportOrder::SymbolNewestFirst;
        QTest::newRow("watch list, pages of 1") << true << symbolFirst << "Symbol, Date DESC, Time DESC" << 1;
        QTest::newRow("watch list, pages of 7") << true << symbolFirst << "Symbol, Date DESC, Time DESC" << 7;
        QTest::newRow("symbol, date, time") << false << ReportOrder::SymbolDateTime << "Symbol, Date, Time" << 2;
        QTest::newRow("newest first") << false << ReportOrder::NewestFirst << "Date DESC, Time DESC, Symbol" << 3;
        QTest::newRow("by symbol, newest first") << false << symbolFirst << "Symbol, Date DESC, Time DESC" << 5;
    }

    // Every row of the query once, in SQLite's order with the ID last, however the
    // pages fall among rows with equal or missing keys.
    void pagesReadEveryRowOnce()
    {
        QFETCH(bool, watchList);
        QFETCH(ReportOrder, order);
        QFETCH(QString, orderBy);
        QFETCH(int, pageSize);
        QVERIFY(rawExec(File, "DELETE FROM tblSymbols"));
        const QVariantList symbols{QVariant(), "A", "B"}, dates{QVariant(), "2001-01-15", "2001-01-16"},
                           times{QVariant(), "09:00:00", "10:00:00"};
        QVariantList values; // each combination twice, with IDs out of key order
        for (int i = 0; i < 54; ++i)
            values += QVariantList{(i * 37) % 101 + 1, symbols[i % 3], dates[i / 3 % 3], times[i / 9 % 3]};
        QVERIFY(rawExec(File, "INSERT INTO tblSymbols (ID, Symbol, Date, Time) VALUES (?, ?, ?, ?)"
                                  + QStringLiteral(", (?, ?, ?, ?)").repeated(53), values));
        const CalculationStore store(openDatabase(File));
        const ReportFilter filter{QDate(2001, 1, 15), QDate(2001, 1, 16), QTime(0, 0), QTime(23, 59, 59), {}};
        CalculationCursor cursor = watchList ? store.watchList() : store.report(filter, order);
        QVariantList read;
        while (!cursor.atEnd()) {
            for (const SavedCalculation &row : cursor.next(pageSize))
                read += row.id;
        }
        const QString where = watchList ? QString() : QStringLiteral(" WHERE Date IS NOT NULL AND Time IS NOT NULL");
        QCOMPARE(read, rawQuery(File, "SELECT ID FROM tblSymbols" + where + " ORDER BY " + orderBy + ", ID"));
    }

    void failedWriteChangesNothing_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QByteArray>("lock"); // what another program's sqlite3 holds
        QTest::addColumn<bool>("open"); // or add a row
        QTest::addColumn<int>("error");

        QTest::newRow("disk full") << true << QByteArray() << false << 13;
        QTest::newRow("add while written") << false << QByteArray("BEGIN EXCLUSIVE;") << false << 5;
        // A reader lets the write begin but not commit, so the rollback must leave the connection usable.
        QTest::newRow("add while read") << false << QByteArray("BEGIN; SELECT count(*) FROM tblSymbols;") << false << 5;
        QTest::newRow("open while written") << false << QByteArray("BEGIN EXCLUSIVE;") << true << 5;
    }

    // A full disk or another program's lock fails the write (the lock after a
    // bounded wait, never a hang), changes nothing and leaves the connection usable.
    void failedWriteChangesNothing()
    {
        QFETCH(bool, diskFull);
        QFETCH(QByteArray, lock);
        QFETCH(bool, open);
        const DatabaseHandle db = openDatabase(File);
        CalculationStore store(db);
        QProcess locker;
        if (diskFull) {
            // The file may not grow by a page: a row too big for the room left in its pages fails as on a full disk.
            QSqlQuery pragma(db->connection());
            QVERIFY(pragma.exec(QStringLiteral("PRAGMA page_count")) && pragma.next());
            QVERIFY(pragma.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pragma.value(0).toInt())));
        } else {
            locker.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), File});
            locker.write(lock + "\nSELECT 'locked';\n"); // answers once the lock is held
            QVERIFY2(locker.waitForReadyRead(10000), "The sqlite3 program did not take the lock.");
        }
        const QStringList before = folderListing(QDir::currentPath());

        SavedCalculation row;
        row.symbol = QString(20000, u'X');
        QElapsedTimer timer;
        timer.start();
        try {
            open ? void(openDatabase(File)) : void(store.add(row));
            QFAIL("The write went through.");
        } catch (const StoreError &e) {
            QTEST(e.number(), "error");
        }
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QStringLiteral("waited %1 ms").arg(timer.elapsed())));
        QCOMPARE(folderListing(QDir::currentPath()), before);

        locker.closeWriteChannel(); // sqlite3 ends, and its transaction with it
        QVERIFY(diskFull || locker.waitForFinished(5000));
        QCOMPARE(store.remove({2}), 1); // the connection is not stuck in the failed transaction
        QCOMPARE(rawQuery(File, QStringLiteral("SELECT count(*) FROM tblSymbols")), QVariantList{2});
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
