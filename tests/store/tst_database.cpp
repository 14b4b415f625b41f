#include "RecordSet.h"
#include "StoreTestSupport.h"
#include "modOndara.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <unistd.h>

using namespace ondara;
using namespace storetest;

namespace {

constexpr int SqliteBusy = 5;
constexpr int SqliteReadOnly = 8;
constexpr int SqliteFull = 13;

// Adding a row must fail with error and leave the file and the set as they were.
void expectFailedAdd(RecordSet &set, int error, const QString &symbol = QStringLiteral("NEW"))
{
    const QByteArray bytes = fileBytes(QStringLiteral("ondara.mdb"));
    const int rows = set.recordCount();
    set.addNew();
    set.setField(QStringLiteral("Symbol"), symbol);
    try {
        set.update();
        QFAIL("The row was stored.");
    } catch (const StoreError &e) {
        QCOMPARE(e.number(), error);
    }
    QCOMPARE(fileBytes(QStringLiteral("ondara.mdb")), bytes);
    QCOMPARE(set.recordCount(), rows);
    QVERIFY(!QFile::exists(QStringLiteral("ondara.mdb-journal")));
}

} // namespace

class tst_Database : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_scratch = std::make_unique<ScratchFolder>();
        QVERIFY(m_scratch->isValid());
    }
    void cleanup()
    {
        gdbSymbols.reset();
        m_scratch.reset();
    }

    void refusesWhatIsNotItsDatabase_data();
    void refusesWhatIsNotItsDatabase();
    void opensInAFolderOfAnyName();
    void secondOpenKeepsEarlierRecordSetsWorking();
    void fullDiskStoresNothing();
    void lockedFileFailsWithinBoundedTime_data();
    void lockedFileFailsWithinBoundedTime();
    void fileThatMayNotBeWrittenStaysUnchanged();
    void storedRowSurvivesKilledProcess();

private:
    void makeDatabaseWithRows(int rows);
    std::unique_ptr<ScratchFolder> m_scratch;
};

void tst_Database::makeDatabaseWithRows(int rows)
{
    createDatabase(QStringLiteral("ondara.mdb"));
    for (int id = 1; id <= rows; ++id)
        QVERIFY(rawExec(QStringLiteral("ondara.mdb"), QStringLiteral("INSERT INTO tblSymbols (ID, Symbol) VALUES (?, 'IBM')"), {id}));
}

void tst_Database::refusesWhatIsNotItsDatabase_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << "" << StoreError::FileNotFound << "The file ondara.mdb was not found in ";
    QTest::newRow("link to nothing") << "dangling" << StoreError::FileNotFound << "was not found";
    QTest::newRow("empty file") << "empty" << StoreError::NoTable << " has no table tblSymbols.";
    QTest::newRow("text file") << "text" << 26 << " is not a database.";
    QTest::newRow("other table") << "other" << StoreError::NoTable << " has no table tblSymbols.";
    QTest::newRow("column missing") << "columns" << StoreError::ItemNotFound << "no such column: Date";
    QTest::newRow("folder") << "folder" << StoreError::CannotOpen << " is a folder";
    QTest::newRow("unreadable") << "unreadable" << 14 << " could not be opened";
}

// Each failure names the file and its folder, says what is wrong, and creates or changes nothing.
void tst_Database::refusesWhatIsNotItsDatabase()
{
    QFETCH(QString, kind);
    QFETCH(int, number);
    QFETCH(QString, message);

    QDir().mkdir(QStringLiteral("earlier"));
    createDatabase(QStringLiteral("earlier/ondara.mdb"));
    gdbSymbols = openDatabase(QStringLiteral("earlier/ondara.mdb"));
    const DatabaseHandle earlier = gdbSymbols;

    const QString file = QStringLiteral("ondara.mdb");
    QFile plain(file);
    if (kind == u"dangling")
        QVERIFY(QFile::link(QStringLiteral("elsewhere.mdb"), file));
    else if (kind == u"empty" || kind == u"text" || kind == u"unreadable")
        QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write(kind == u"empty" ? "" : "IBM,1/15/2001\n") >= 0);
    else if (kind == u"other" || kind == u"columns")
        QVERIFY(rawExec(file, kind == u"other" ? "CREATE TABLE tblPrices (ID)" : "CREATE TABLE tblSymbols (ID, Symbol)"));
    else if (kind == u"folder")
        QVERIFY(QDir().mkdir(file));
    plain.close();
    if (kind == u"unreadable") {
        if (geteuid() == 0)
            QSKIP("Permissions do not keep the superuser from reading a file.");
        QVERIFY(plain.setPermissions({}));
    }
    const QStringList before = folderListing(QDir::currentPath());

    try {
        OpenDB();
        QFAIL("The file was opened.");
    } catch (const StoreError &error) {
        QCOMPARE(error.number(), number);
        QVERIFY2(error.description().contains(message), qPrintable(error.description()));
        QVERIFY2(error.description().contains(QDir::currentPath()), qPrintable(error.description()));
    }
    QCOMPARE(folderListing(QDir::currentPath()), before);
    QCOMPARE(gdbSymbols, earlier);
}

// SQLite is given the file as a URI, so no character of the folder's name may be read as part of the URI.
void tst_Database::opensInAFolderOfAnyName()
{
    const QString top = QDir::currentPath();
    const QString folder = QStringLiteral("a b#c?d%20e&mode=rwc ü€");
    QVERIFY(QDir().mkdir(folder));
    createDatabase(folder + QStringLiteral("/ondara.mdb"));
    QVERIFY(QDir::setCurrent(folder));
    const QStringList before = folderListing(top);

    OpenDB();
    QCOMPARE(gdbSymbols->path(), QDir::current().absoluteFilePath(QStringLiteral("ondara.mdb")));
    QCOMPARE(RecordSet::open(gdbSymbols, WatchListQuery)->fieldCount(), 10);
    gdbSymbols.reset();
    QCOMPARE(folderListing(top), before);
}

// The report window opens the file again and replaces the shared handle while
// the watch list goes on with its record set from the first opening.
void tst_Database::secondOpenKeepsEarlierRecordSetsWorking()
{
    makeDatabaseWithRows(0);
    OpenDB();
    DatabaseHandle first = gdbSymbols;
    auto watch = RecordSet::open(gdbSymbols, WatchListQuery);
    OpenDB();
    QVERIFY(gdbSymbols != first);
    first.reset();
    auto report = RecordSet::open(gdbSymbols, QStringLiteral("SELECT * FROM tblSymbols ORDER BY Symbol, Date, Time;"));

    watch->addNew();
    watch->setField(QStringLiteral("Symbol"), QStringLiteral("IBM"));
    const qint64 id = watch->update();
    report->requery();
    QVERIFY(report->findFirst(QStringLiteral("ID = %1").arg(id)));
    report->deleteCurrent();
    watch->requery();
    QCOMPARE(watch->recordCount(), 0);

    // The first connection lives exactly as long as the last record set opened on it.
    QCOMPARE(QSqlDatabase::connectionNames().size(), 2);
    watch.reset();
    QCOMPARE(QSqlDatabase::connectionNames(), QStringList{gdbSymbols->connectionName()});
}

void tst_Database::fullDiskStoresNothing()
{
    makeDatabaseWithRows(3);
    const DatabaseHandle db = openDatabase(QStringLiteral("ondara.mdb"));
    auto set = RecordSet::open(db, WatchListQuery);
    // The file may not grow by a page: a row too big for the room left in its pages fails as on a full disk.
    QSqlQuery pragma(db->connection());
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA page_count")) && pragma.next());
    QVERIFY(pragma.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pragma.value(0).toInt())));
    pragma.finish();

    expectFailedAdd(*set, SqliteFull, QString(20000, u'X'));
    QVERIFY(set->findFirst(QStringLiteral("ID = 2")));
    set->deleteCurrent(); // the connection is not stuck in the failed transaction
    QCOMPARE(rawQuery(QStringLiteral("ondara.mdb"), QStringLiteral("SELECT count(*) FROM tblSymbols")), QVariantList{2});
}

void tst_Database::lockedFileFailsWithinBoundedTime_data()
{
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<QString>("use");

    const QByteArray writing = "BEGIN EXCLUSIVE;\n";
    // A reader lets the write begin but not commit, so the rollback must leave the connection usable.
    const QByteArray reading = "BEGIN; SELECT count(*) FROM tblSymbols;\n";
    QTest::newRow("add while written") << writing << "add";
    QTest::newRow("delete while written") << writing << "delete";
    QTest::newRow("open while written") << writing << "open";
    QTest::newRow("add while read") << reading << "add";
    QTest::newRow("delete while read") << reading << "delete";
}

// Another program holding the file costs a bounded wait and an error, never a hang.
void tst_Database::lockedFileFailsWithinBoundedTime()
{
    QFETCH(QByteArray, lock);
    QFETCH(QString, use);
    makeDatabaseWithRows(3);
    const QString file = QStringLiteral("ondara.mdb");
    auto set = RecordSet::open(openDatabase(file), WatchListQuery);

    QProcess locker;
    locker.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), file});
    if (!locker.waitForStarted())
        QSKIP("The sqlite3 program is not installed.");
    locker.write(lock);
    QElapsedTimer timer;
    timer.start();
    while (rawExec(file, QStringLiteral("BEGIN EXCLUSIVE")) && timer.elapsed() < 10000)
        QTest::qWait(20);

    const QByteArray bytes = fileBytes(file);
    timer.restart();
    try {
        if (use == u"add") {
            set->addNew();
            set->update();
        } else if (use == u"delete") {
            set->deleteCurrent();
        } else {
            openDatabase(file);
        }
        QFAIL("The locked file was used.");
    } catch (const StoreError &e) {
        QCOMPARE(e.number(), SqliteBusy);
    }
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QStringLiteral("waited %1 ms").arg(timer.elapsed())));
    QCOMPARE(set->recordCount(), 3);
    QCOMPARE(fileBytes(file), bytes);

    locker.closeWriteChannel(); // sqlite3 ends, and its transaction with it
    if (!locker.waitForFinished(5000))
        locker.kill();
    set->requery();
    set->deleteCurrent();
    QCOMPARE(set->recordCount(), 2);
}

// The superuser may write any file whatever its permissions, but not an immutable one.
void tst_Database::fileThatMayNotBeWrittenStaysUnchanged()
{
    makeDatabaseWithRows(3);
    struct Immutable
    {
        bool set = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), QStringLiteral("ondara.mdb")}) == 0;
        ~Immutable()
        {
            if (set)
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), QStringLiteral("ondara.mdb")});
        }
    } immutable;
    if (!immutable.set) {
        if (geteuid() == 0)
            QSKIP("chattr +i does not work here, and permissions do not stop the superuser.");
        QVERIFY(QFile::setPermissions(QStringLiteral("ondara.mdb"), QFile::ReadOwner));
    }

    auto set = RecordSet::open(openDatabase(QStringLiteral("ondara.mdb")), WatchListQuery);
    expectFailedAdd(*set, SqliteReadOnly);
    QVERIFY(set->findFirst(QStringLiteral("ID = 1")));
    QVERIFY_THROWS_EXCEPTION(StoreError, set->deleteCurrent());
    QCOMPARE(set->field(QStringLiteral("ID")).toInt(), 1);
    QCOMPARE(set->recordCount(), 3);
}

void tst_Database::storedRowSurvivesKilledProcess()
{
    makeDatabaseWithRows(0);
    QProcess helper;
    helper.start(QCoreApplication::applicationDirPath() + QStringLiteral("/store_addrow_helper"),
                 {QStringLiteral("ondara.mdb")});
    QVERIFY(helper.waitForStarted());
    while (!helper.canReadLine() && helper.waitForReadyRead(20000)) {
    }
    const QByteArray id = helper.readLine().trimmed();
    helper.kill(); // SIGKILL: nothing of the helper runs after update() has returned
    QVERIFY(helper.waitForFinished());
    QVERIFY2(!id.isEmpty(), helper.readAllStandardError().constData());

    auto set = RecordSet::open(openDatabase(QStringLiteral("ondara.mdb")), WatchListQuery);
    QVERIFY(set->findFirst(QStringLiteral("ID = ") + QString::fromLatin1(id)));
    QCOMPARE(set->field(QStringLiteral("Symbol")), QVariant(QStringLiteral("KILLED")));
}

QTEST_GUILESS_MAIN(tst_Database)
#include "tst_database.moc"
