#include "RecordSet.h"
#include "StoreTestSupport.h"
#include "modOndara.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

using namespace ondara;
using namespace storetest;

class tst_Database : public QObject
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
        const QStringList before = folderListing(m_scratch->dir.path());

        try {
            OpenDB();
            QFAIL("The file was opened.");
        } catch (const StoreError &error) {
            QTEST(error.number(), "number");
            QVERIFY2(error.description().contains(message) && error.description().contains(QDir::currentPath()),
                     qPrintable(error.description()));
            QCOMPARE(gdbSymbols, earlier);
        }
        QCOMPARE(folderListing(m_scratch->dir.path()), before);
    }

    // The report window opens the file again and replaces the shared handle while
    // the watch list goes on with its record set from the first opening.
    void secondOpenKeepsEarlierRecordSetsWorking()
    {
        OpenDB();
        auto watch = RecordSet::open(gdbSymbols, WatchListQuery);
        OpenDB();
        auto report = RecordSet::open(gdbSymbols, WatchListQuery);
        watch->addNew();
        watch->update();
        report->requery();
        QCOMPARE(report->recordCount(), 4);

        // The first connection lives exactly as long as the last record set opened on it.
        QCOMPARE(QSqlDatabase::connectionNames().size(), 2);
        watch.reset();
        QCOMPARE(QSqlDatabase::connectionNames(), QStringList{gdbSymbols->connectionName()});
    }

    void failedWriteChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("lock"); // what sqlite3 holds; none: the disk is full
        QTest::addColumn<bool>("open"); // or add a row
        QTest::addColumn<int>("error");

        QTest::newRow("disk full") << QByteArray() << false << 13;
        QTest::newRow("add while written") << QByteArray("BEGIN EXCLUSIVE;") << false << 5;
        // A reader lets the write begin but not commit, so the rollback must leave the connection usable.
        QTest::newRow("add while read") << QByteArray("BEGIN; SELECT count(*) FROM tblSymbols;") << false << 5;
        QTest::newRow("open while written") << QByteArray("BEGIN EXCLUSIVE;") << true << 5;
    }

    // A full disk or another program's lock fails the write (the lock after a
    // bounded wait, never a hang), changes nothing and leaves the connection usable.
    void failedWriteChangesNothing()
    {
        QFETCH(QByteArray, lock);
        QFETCH(bool, open);
        const DatabaseHandle db = openDatabase(File);
        auto set = RecordSet::open(db, WatchListQuery);
        QProcess locker;
        if (lock.isEmpty()) {
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

        set->addNew();
        set->setField(QStringLiteral("Symbol"), QString(20000, u'X'));
        QElapsedTimer timer;
        timer.start();
        try {
            open ? void(openDatabase(File)) : void(set->update());
            QFAIL("The write went through.");
        } catch (const StoreError &e) {
            QTEST(e.number(), "error");
        }
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QStringLiteral("waited %1 ms").arg(timer.elapsed())));
        QCOMPARE(folderListing(QDir::currentPath()), before);
        QCOMPARE(set->recordCount(), 3);

        locker.closeWriteChannel(); // sqlite3 ends, and its transaction with it
        QVERIFY(lock.isEmpty() || locker.waitForFinished(5000));
        QVERIFY(set->findFirst(QStringLiteral("ID = 2")));
        set->deleteCurrent(); // the connection is not stuck in the failed transaction
        QCOMPARE(rawQuery(File, QStringLiteral("SELECT count(*) FROM tblSymbols")), QVariantList{2});
    }

    void storedRowSurvivesKilledProcess()
    {
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper.start(QCoreApplication::applicationDirPath() + QStringLiteral("/store_addrow_helper"), {File});
        QVERIFY(helper.waitForReadyRead(20000)); // its one line, written once update() has returned
        const QString id = QString::fromLatin1(helper.readLine().trimmed());
        helper.kill(); // SIGKILL: nothing of the helper runs after update() has returned
        QVERIFY(helper.waitForFinished());

        auto set = RecordSet::open(openDatabase(File), WatchListQuery);
        QVERIFY(set->findFirst(QStringLiteral("ID = ") + id));
        QCOMPARE(set->field(QStringLiteral("Symbol")), QVariant(QStringLiteral("KILLED")));
    }
};

QTEST_GUILESS_MAIN(tst_Database)
#include "tst_database.moc"
