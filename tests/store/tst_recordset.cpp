#include "RecordSet.h"
#include "StoreTestSupport.h"
#include "modOndara.h"

#include <QLocale>
#include <QTest>

using namespace ondara;
using namespace storetest;

class tst_RecordSet : public QObject
{
    Q_OBJECT

    const QString m_file = QStringLiteral("ondara.mdb");
    std::unique_ptr<ScratchFolder> m_scratch;

private slots:
    // A day-first locale must not change how #1/15/2001# is read.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void cleanup() { m_scratch.reset(); }

    // Symbols with a quote, an attack and UTF-8; times on both sides of midnight and of noon.
    void init()
    {
        m_scratch = std::make_unique<ScratchFolder>();
        QVERIFY(m_scratch->isValid());
        createDatabase(m_file);
        QVERIFY(rawExec(m_file, QStringLiteral("INSERT INTO tblSymbols (ID, Symbol, Date, Time, W1Start) VALUES "
            "(1, 'IBM', '2001-01-15', '15:04:05', 1.5), (2, 'MSFT', '2001-01-15', '09:30:00', 3), "
            "(3, 'O''NEIL', '2001-01-20', '22:30:00', 4.5), (4, 'ÄĖŽ€', '2001-01-31', '01:00:00', 6), "
            "(5, 'IBM', '2001-02-01', '00:00:00', 7.5), (7, 'MSFT', '2001-01-31', '23:59:59', 10.5), "
            "(6, '''; DROP TABLE tblSymbols; --', '2001-01-10', '12:00:00', 9), (8, 'IBM', '2001-01-01', '00:00:00', 12)")));
    }

    void runsTheWindowsQueries_data()
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
        rows("one day", where + "Date >= #1/15/2001# AND Date <= #1/15/2001# AND Time >= #12:00:00 AM# AND "
                                "Time <= #23:59:59# ORDER BY Symbol, Date, Time;", "1|2");
        rows("hours and symbols", january + "Time >= #9:30:00 AM# AND Time <= #16:00:00# AND Symbol IN ('IBM','MSFT') "
                                            "ORDER BY Date DESC, Time DESC, Symbol;", "1|2");
        rows("night past midnight", january + "(Time >= #10:00:00 PM# OR Time <= #02:00:00#) AND Symbol IN "
                                              "('IBM','MSFT','ÄĖŽ€') ORDER BY Date DESC, Time DESC, Symbol;", "7|4|8");
        rows("12 AM is midnight", where + "Time <= #12:00:00 AM# ORDER BY Date;", "8|5");
        rows("12 PM is noon", where + "Time = #12:00:00 pm#;", "6");
        rows("doubled quote", where + "Symbol IN ('O''NEIL') ORDER BY Symbol;", "3");
        rows("attack as a value", where + "Symbol IN ('''; DROP TABLE tblSymbols; --') ORDER BY Symbol;", "6");
        rows("UTF-8", where + "Symbol IN ('ÄĖŽ€','IBM') ORDER BY Symbol DESC, Date;", "4|8|1|5");
        rows("numbers", "select ID from tblSymbols where ID >= 3 AND W1Start < 10.5 order by ID desc", "6|5|4|3");

        refused("second statement", "SELECT * FROM tblSymbols; DELETE FROM tblSymbols;");
        refused("comment", "SELECT * FROM tblSymbols -- all");
        refused("quote not doubled", where + "Symbol IN ('O'NEIL') ORDER BY Symbol;");
        refused("attack not doubled", where + "Symbol IN (''; DROP TABLE tblSymbols; --');");
        refused("condition in a list", where + "Symbol IN ('X' OR '1'='1');");
        refused("text not closed", where + "Symbol = 'IBM;");
        refused("February 30", where + "Date >= #2/30/2001#;");
        refused("two-digit year", where + "Date >= #1/15/01#;");
        refused("hour 25", where + "Time >= #25:00:00#;");
        refused("13 PM", where + "Time >= #13:00:00 PM#;");
        refused("function", where + "length(Symbol) > 3;");
        refused("union", "SELECT * FROM tblSymbols UNION SELECT * FROM tblSymbols;");
        refused("not a query", "DELETE FROM tblSymbols;");
        refused("unknown column", where + "Price > 1;", 1);
    }

    void runsTheWindowsQueries()
    {
        QFETCH(QString, query);
        try {
            auto set = RecordSet::open(openDatabase(m_file), query);
            QStringList found;
            for (; !set->eof(); set->moveNext())
                found.append(set->field(0).toString());
            QTEST(found.join(u'|'), "firstFields");
            QTEST(0, "error");
        } catch (const StoreError &e) {
            QTEST(e.number(), "error");
        }
        QCOMPARE(rawQuery(m_file, QStringLiteral("SELECT count(*) FROM tblSymbols")), QVariantList{8});
    }

    void readsEachColumnForm_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("stored"); // as SQL
        QTest::addColumn<QVariant>("read");

        for (const char *column : {"Symbol", "Date", "Time", "W1Start", "W1End", "W3Target", "W3Ext", "W5Target", "W5Ext"})
            QTest::addRow("%s null", column) << column << "NULL" << QVariant();
        QTest::newRow("date") << "Date" << "'2001-01-15'" << QVariant(QDate(2001, 1, 15));
        QTest::newRow("date not a day") << "Date" << "'2001-02-30'" << QVariant("2001-02-30");
        QTest::newRow("time") << "Time" << "'15:04:05'" << QVariant(QTime(15, 4, 5));
        QTest::newRow("time of another form") << "Time" << "'3:04:05 PM'" << QVariant("3:04:05 PM");
        QTest::newRow("text price") << "W3Target" << "'n/a'" << QVariant("n/a");
    }

    // What another program wrote, in the column's form or not, reads as it is.
    void readsEachColumnForm()
    {
        QFETCH(QString, column);
        QFETCH(QString, stored);
        QFETCH(QVariant, read);
        QVERIFY(rawExec(m_file, QStringLiteral("INSERT INTO tblSymbols (ID, %1) VALUES (100, %2)").arg(column, stored)));
        auto set = RecordSet::open(openDatabase(m_file), QStringLiteral("SELECT * FROM tblSymbols WHERE ID = 100;"));
        QCOMPARE(set->field(column).typeId(), read.typeId());
        QCOMPARE(set->field(column), read);
    }
};

QTEST_GUILESS_MAIN(tst_RecordSet)
#include "tst_recordset.moc"
