#include "RecordSet.h"
#include "StoreTestSupport.h"
#include "modOndara.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTest>

using namespace ondara;
using namespace storetest;

class tst_RecordSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // A day-first locale must not change how #1/15/2001# is read.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void init();
    void cleanup() { m_scratch.reset(); }

    void runsTheWindowsQueriesWithLiteralsBound_data();
    void runsTheWindowsQueriesWithLiteralsBound();
    void readsValuesInTheirColumnForms_data();
    void readsValuesInTheirColumnForms();
    void storesAddedRowsInTheirColumnForms();
    void findsAndDeletesRowsById();
    void readsLargeTablesQuickly();

private:
    int rowsInFile() { return rawQuery(m_file, QStringLiteral("SELECT count(*) FROM tblSymbols")).value(0).toInt(); }
    std::unique_ptr<ScratchFolder> m_scratch;
    QString m_file = QStringLiteral("ondara.mdb");
};

// Symbols with a quote, an attack and UTF-8; times on both sides of midnight and of noon.
void tst_RecordSet::init()
{
    m_scratch = std::make_unique<ScratchFolder>();
    QVERIFY(m_scratch->isValid());
    createDatabase(m_file);
    QVERIFY(rawExec(m_file, QStringLiteral("INSERT INTO tblSymbols (ID, Symbol, Date, Time, W1Start) VALUES "
                                           "(1, 'IBM', '2001-01-15', '15:04:05', 1.5), "
                                           "(2, 'MSFT', '2001-01-15', '09:30:00', 3), "
                                           "(3, 'O''NEIL', '2001-01-20', '22:30:00', 4.5), "
                                           "(4, 'ÄĖŽ€', '2001-01-31', '01:00:00', 6), "
                                           "(5, 'IBM', '2001-02-01', '00:00:00', 7.5), "
                                           "(6, '''; DROP TABLE tblSymbols; --', '2001-01-10', '12:00:00', 9), "
                                           "(7, 'MSFT', '2001-01-31', '23:59:59', 10.5), "
                                           "(8, 'IBM', '2001-01-01', '00:00:00', 12)")));
}

void tst_RecordSet::runsTheWindowsQueriesWithLiteralsBound_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("firstFields"); // of every row in order, joined by |
    QTest::addColumn<int>("error");

    const auto rows = [](const char *name, const QString &query, const char *fields) {
        QTest::newRow(name) << query << fields << 0;
    };
    const auto refused = [](const char *name, const QString &query, int error = StoreError::QuerySyntax) {
        QTest::newRow(name) << query << "" << error;
    };
    const QString where = QStringLiteral("SELECT * FROM tblSymbols WHERE ");
    const QString january = where + QStringLiteral("Date >= #1/1/2001# AND Date <= #1/31/2001# AND ");

    rows("watch list", WatchListQuery, "6|5|1|8|7|2|3|4");
    rows("symbol list", "SELECT DISTINCT Symbol FROM tblSymbols ORDER BY Symbol;",
         "'; DROP TABLE tblSymbols; --|IBM|MSFT|O'NEIL|ÄĖŽ€");
    rows("report at start", where + "Date >= #1/15/2001# AND Date <= #1/15/2001# AND Time >= #12:00:00 AM# AND "
                                    "Time <= #23:59:59# ORDER BY Symbol, Date, Time;", "1|2");
    rows("hours and symbols", january + "Time >= #9:30:00 AM# AND Time <= #16:00:00# AND Symbol IN ('IBM','MSFT') "
                                        "ORDER BY Date DESC, Time DESC, Symbol;", "1|2");
    rows("night past midnight", january + "(Time >= #10:00:00 PM# OR Time <= #02:00:00#) ORDER BY Symbol, Date, Time;",
         "8|7|3|4");
    rows("night and symbols", january + "(Time >= #10:00:00 PM# OR Time <= #02:00:00#) AND Symbol IN ('IBM','MSFT') "
                                        "ORDER BY Date DESC, Time DESC, Symbol;", "7|8");
    rows("equal dates", where + "Date >= #1/31/2001# AND Date <= #1/31/2001# ORDER BY Symbol, Date, Time;", "7|4");
    rows("12 AM is midnight", where + "Time <= #12:00:00 AM# ORDER BY Date;", "8|5");
    rows("12 PM is noon", where + "Time = #12:00:00 pm#;", "6");
    rows("doubled quote", where + "Symbol IN ('O''NEIL') ORDER BY Symbol;", "3");
    rows("attack as a value", where + "Symbol IN ('''; DROP TABLE tblSymbols; --') ORDER BY Symbol;", "6");
    rows("UTF-8", where + "Symbol IN ('ÄĖŽ€','IBM') ORDER BY Symbol DESC, Date;", "4|8|1|5");
    rows("lower case, no semicolon", "select * from tblSymbols where Symbol = 'MSFT' order by Date desc", "7|2");
    rows("numbers", "SELECT ID FROM tblSymbols WHERE ID >= 3 AND W1Start < 10.5 ORDER BY ID DESC;", "6|5|4|3");
    rows("no match", where + "Symbol IN ('NONE');", "");

    refused("second statement", "SELECT * FROM tblSymbols; DELETE FROM tblSymbols;");
    refused("comment", "SELECT * FROM tblSymbols -- all");
    refused("quote not doubled", where + "Symbol IN ('O'NEIL') ORDER BY Symbol;");
    refused("attack not doubled", where + "Symbol IN (''; DROP TABLE tblSymbols; --');");
    refused("condition in a list", where + "Symbol IN ('X' OR '1'='1');");
    refused("text not closed", where + "Symbol = 'IBM;");
    refused("date not closed", where + "Date >= #1/15/2001;");
    refused("month 13", where + "Date >= #13/45/2001#;");
    refused("February 30", where + "Date >= #2/30/2001#;");
    refused("two-digit year", where + "Date >= #1/15/01#;");
    refused("year first", where + "Date >= #2001-01-15#;");
    refused("hour 25", where + "Time >= #25:00:00#;");
    refused("13 PM", where + "Time >= #13:00:00 PM#;");
    refused("function", where + "length(Symbol) > 3;");
    refused("union", "SELECT * FROM tblSymbols UNION SELECT * FROM tblSymbols;");
    refused("not a query", "DELETE FROM tblSymbols;");
    refused("double quotes", where + "Symbol = \"IBM\";");
    refused("unknown character", where + "Symbol = @s;");
    refused("empty", "");
    refused("unknown column", where + "Price > 1;", 1);
    refused("unknown table", "SELECT * FROM tblPrices;", 1);
}

void tst_RecordSet::runsTheWindowsQueriesWithLiteralsBound()
{
    QFETCH(QString, query);
    QFETCH(QString, firstFields);
    QFETCH(int, error);

    try {
        auto set = RecordSet::open(openDatabase(m_file), query);
        QStringList found;
        for (; !set->eof(); set->moveNext())
            found.append(set->field(0).toString());
        QCOMPARE(found.join(u'|'), firstFields);
        QCOMPARE(set->recordCount(), found.size());
        QCOMPARE(error, 0);
    } catch (const StoreError &e) {
        QCOMPARE(e.number(), error);
    }
    QCOMPARE(rowsInFile(), 8);
}

void tst_RecordSet::readsValuesInTheirColumnForms_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored"); // as SQL
    QTest::addColumn<QVariant>("expected");

    for (const char *column : {"Symbol", "Date", "Time", "W1Start", "W1End", "W3Target", "W3Ext", "W5Target", "W5Ext"})
        QTest::addRow("%s null", column) << column << "NULL" << QVariant();
    QTest::newRow("date") << "Date" << "'2001-01-15'" << QVariant(QDate(2001, 1, 15));
    QTest::newRow("date of another form") << "Date" << "'1/15/2001'" << QVariant("1/15/2001");
    QTest::newRow("date not a day") << "Date" << "'2001-02-30'" << QVariant("2001-02-30");
    QTest::newRow("time") << "Time" << "'15:04:05'" << QVariant(QTime(15, 4, 5));
    QTest::newRow("time of another form") << "Time" << "'3:04:05 PM'" << QVariant("3:04:05 PM");
    QTest::newRow("whole number price") << "W1End" << "0" << QVariant(0.0);
    QTest::newRow("text price") << "W3Target" << "'n/a'" << QVariant("n/a");
}

void tst_RecordSet::readsValuesInTheirColumnForms()
{
    QFETCH(QString, column);
    QFETCH(QString, stored);
    QFETCH(QVariant, expected);

    QVERIFY(rawExec(m_file, QStringLiteral("INSERT INTO tblSymbols (ID, %1) VALUES (100, %2)").arg(column, stored)));
    auto set = RecordSet::open(openDatabase(m_file), QStringLiteral("SELECT * FROM tblSymbols WHERE ID = 100;"));
    QCOMPARE(set->field(column).isNull(), expected.isNull());
    QCOMPARE(set->field(column).typeId(), expected.typeId());
    QCOMPARE(set->field(column), expected);
}

void tst_RecordSet::storesAddedRowsInTheirColumnForms()
{
    auto set = RecordSet::open(openDatabase(m_file), WatchListQuery);
    set->addNew();
    set->setField(QStringLiteral("symbol"), QStringLiteral(" IBM "));
    set->setField(QStringLiteral("Date"), QDate(2001, 1, 15));
    set->setField(QStringLiteral("Time"), QTime(15, 4, 5));
    set->setField(QStringLiteral("W1Start"), 12);
    QCOMPARE(set->field(QStringLiteral("Date")), QVariant(QDate(2001, 1, 15)));

    const qint64 id = set->update();
    QCOMPARE(id, 9);
    QCOMPARE(set->recordCount(), 9);
    QCOMPARE(set->field(QStringLiteral("ID")), QVariant(qlonglong(6))); // the current row has not moved
    QCOMPARE(rawQuery(m_file, QStringLiteral("SELECT Symbol || '|' || Date || '|' || Time || '|' || typeof(W1Start) "
                                             "|| '|' || typeof(W3Ext) FROM tblSymbols WHERE ID = 9")),
             QVariantList{" IBM |2001-01-15|15:04:05|real|null"});
    QVERIFY(set->findFirst(QStringLiteral("ID = 9")));
    QCOMPARE(set->field(QStringLiteral("Time")), QVariant(QTime(15, 4, 5)));
    QCOMPARE(set->field(QStringLiteral("W1Start")), QVariant(12.0));
}

void tst_RecordSet::findsAndDeletesRowsById()
{
    const DatabaseHandle db = openDatabase(m_file);
    auto set = RecordSet::open(db, WatchListQuery);
    QVERIFY(set->findFirst(QStringLiteral("ID = 7")));
    QVERIFY(!set->findFirst(QStringLiteral("ID = 99")));
    for (const char *condition : {"Symbol = 'IBM'", "ID = 1 OR 1 = 1", "ID = 1; DELETE FROM tblSymbols", "ID > 1", "ID ="})
        QVERIFY_THROWS_EXCEPTION(StoreError, set->findFirst(QString::fromUtf8(condition)));
    QCOMPARE(set->field(QStringLiteral("ID")).toInt(), 7); // a failed find keeps the current row

    set->deleteCurrent();
    QCOMPARE(set->recordCount(), 7);
    QVERIFY_THROWS_EXCEPTION(StoreError, set->field(QStringLiteral("Symbol")));
    set->moveNext();
    QCOMPARE(set->field(QStringLiteral("ID")).toInt(), 2); // the row after 7 in the set's order
    QCOMPARE(rowsInFile(), 7);

    // A row another set has deleted is simply gone from this one too.
    auto other = RecordSet::open(db, WatchListQuery);
    QVERIFY(other->findFirst(QStringLiteral("id=1")));
    other->deleteCurrent();
    QVERIFY(set->findFirst(QStringLiteral("ID = 1")));
    set->deleteCurrent();
    QCOMPARE(set->recordCount(), 6);
    QCOMPARE(rowsInFile(), 6);
}

// More rows than the old 16-bit counts allowed, read at once.
void tst_RecordSet::readsLargeTablesQuickly()
{
    QVERIFY(rawExec(m_file, QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 9 UNION ALL SELECT i + 1 FROM n WHERE i < 40000) "
        "INSERT INTO tblSymbols SELECT i, 'SYM' || (i % 500), date('2001-01-01', '+' || (i % 700) || ' days'), "
        "time(i * 7 % 86400, 'unixepoch'), 10.0 + i, 20, 30, 40, 50, 60 FROM n")));

    const DatabaseHandle db = openDatabase(m_file);
    QElapsedTimer timer;
    timer.start();
    auto set = RecordSet::open(db, WatchListQuery);
    const qint64 openMs = timer.restart();
    set->requery();
    const qint64 requeryMs = timer.elapsed();
    qInfo("40000 rows: open %lld ms, requery %lld ms", openMs, requeryMs);
    QVERIFY2(openMs < 1000 && requeryMs < 1000, "Reading the rows took far too long.");

    QCOMPARE(set->recordCount(), 40000);
    int walked = 0;
    for (; !set->eof(); set->moveNext())
        ++walked;
    QCOMPARE(walked, 40000);
    QVERIFY(set->findFirst(QStringLiteral("ID = 40000")));
    QCOMPARE(set->field(QStringLiteral("Date")), QVariant(QDate(2001, 1, 1).addDays(40000 % 700)));
}

QTEST_GUILESS_MAIN(tst_RecordSet)
#include "tst_recordset.moc"
