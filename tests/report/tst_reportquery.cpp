#include "RecordSet.h"
#include "ReportFixture.h"
#include "ReportQuery.h"

#include <QTest>

using namespace ondara;
using reportfixture::row;

class TestReportQuery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void queryText_data();
    void queryText();
    void querySelectsRows_data();
    void querySelectsRows();
};

void TestReportQuery::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestReportQuery::queryText_data()
{
    QTest::addColumn<QDate>("dateFrom");
    QTest::addColumn<QDate>("dateTo");
    QTest::addColumn<QTime>("timeFrom");
    QTest::addColumn<QTime>("timeTo");
    QTest::addColumn<QStringList>("symbols");
    QTest::addColumn<QString>("sortOrder");
    QTest::addColumn<QString>("expected");

    const QDate jan1(2001, 1, 1);
    const QDate jan31(2001, 1, 31);
    QTest::newRow("at start")
        << QDate(2001, 1, 15) << QDate(2001, 1, 15) << QTime(0, 0) << QTime(23, 59, 59) << QStringList()
        << QString(SortOrderAtStart)
        << "SELECT * FROM tblSymbols WHERE Date >= #1/15/2001# AND Date <= #1/15/2001# AND Time >= #12:00:00 AM# "
           "AND Time <= #23:59:59# ORDER BY Symbol, Date, Time;";
    QTest::newRow("two symbols, by date")
        << jan1 << jan31 << QTime(9, 30) << QTime(16, 0) << QStringList{"IBM", "MSFT"} << QString(SortOrderByDate)
        << "SELECT * FROM tblSymbols WHERE Date >= #1/1/2001# AND Date <= #1/31/2001# AND Time >= #9:30:00 AM# "
           "AND Time <= #16:00:00# AND Symbol IN ('IBM','MSFT') ORDER BY Date DESC, Time DESC, Symbol;";
    QTest::newRow("wraps past midnight")
        << jan1 << jan31 << QTime(22, 0) << QTime(2, 0) << QStringList() << QString(SortOrderAtStart)
        << "SELECT * FROM tblSymbols WHERE Date >= #1/1/2001# AND Date <= #1/31/2001# AND (Time >= #10:00:00 PM# "
           "OR Time <= #02:00:00#) ORDER BY Symbol, Date, Time;";
    QTest::newRow("equal times do not wrap")
        << jan1 << jan1 << QTime(12, 0) << QTime(12, 0) << QStringList() << QString(SortOrderBySymbol)
        << "SELECT * FROM tblSymbols WHERE Date >= #1/1/2001# AND Date <= #1/1/2001# AND Time >= #12:00:00 PM# "
           "AND Time <= #12:00:00# ORDER BY Symbol, Date DESC, Time DESC;";
    QTest::newRow("one second before noon wraps")
        << jan1 << jan1 << QTime(12, 0, 0) << QTime(11, 59, 59) << QStringList() << QString(SortOrderAtStart)
        << "SELECT * FROM tblSymbols WHERE Date >= #1/1/2001# AND Date <= #1/1/2001# AND (Time >= #12:00:00 PM# "
           "OR Time <= #11:59:59#) ORDER BY Symbol, Date, Time;";
    QTest::newRow("one symbol")
        << QDate(1999, 12, 31) << QDate(2038, 1, 19) << QTime(0, 0) << QTime(23, 59, 59) << QStringList{"A"}
        << QString(SortOrderAtStart)
        << "SELECT * FROM tblSymbols WHERE Date >= #12/31/1999# AND Date <= #1/19/2038# AND Time >= #12:00:00 AM# "
           "AND Time <= #23:59:59# AND Symbol IN ('A') ORDER BY Symbol, Date, Time;";
    QTest::newRow("quote doubled, UTF-8 kept, blanks kept")
        << jan1 << jan1 << QTime(0, 0) << QTime(23, 59, 59)
        << QStringList{"O'NEIL", QStringLiteral("NESTLÉ"), QStringLiteral("日本"), " IBM "} << QString(SortOrderAtStart)
        << QStringLiteral("SELECT * FROM tblSymbols WHERE Date >= #1/1/2001# AND Date <= #1/1/2001# "
                          "AND Time >= #12:00:00 AM# AND Time <= #23:59:59# "
                          "AND Symbol IN ('O''NEIL','NESTLÉ','日本',' IBM ') ORDER BY Symbol, Date, Time;");
}

void TestReportQuery::queryText()
{
    QFETCH(QDate, dateFrom);
    QFETCH(QDate, dateTo);
    QFETCH(QTime, timeFrom);
    QFETCH(QTime, timeTo);
    QFETCH(QStringList, symbols);
    QFETCH(QString, sortOrder);
    QFETCH(QString, expected);
    const ReportFilter filter{dateFrom, dateTo, timeFrom, timeTo, symbols};
    QCOMPARE(reportQueryText(criteriaText(filter), sortOrder), expected);
}

// The texts must also mean what they say to the store: the boundaries of each
// range are included, and a wrapping window takes both ends of the day.
void TestReportQuery::querySelectsRows_data()
{
    QTest::addColumn<QDate>("dateFrom");
    QTest::addColumn<QDate>("dateTo");
    QTest::addColumn<QTime>("timeFrom");
    QTest::addColumn<QTime>("timeTo");
    QTest::addColumn<QStringList>("symbols");
    QTest::addColumn<QString>("sortOrder");
    QTest::addColumn<QList<qint64>>("expectedIds");

    const QDate jan1(2001, 1, 1);
    const QDate jan2(2001, 1, 2);
    const QDate jan31(2001, 1, 31);
    const QTime allDay(0, 0);
    const QTime dayEnd(23, 59, 59);
    QTest::newRow("one day, both ends included")
        << jan2 << jan2 << allDay << dayEnd << QStringList() << QString(SortOrderAtStart)
        << QList<qint64>{2, 3, 4, 5};
    QTest::newRow("day and month not swapped")
        << jan2 << QDate(2001, 2, 1) << allDay << dayEnd << QStringList() << QString(SortOrderAtStart)
        << QList<qint64>{2, 3, 4, 5, 6, 7};
    QTest::newRow("office hours")
        << jan1 << jan31 << QTime(9, 30) << QTime(16, 0) << QStringList() << QString(SortOrderAtStart)
        << QList<qint64>{1, 4, 5};
    const QDate feb1(2001, 2, 1);
    QTest::newRow("night window wraps")
        << jan1 << feb1 << QTime(22, 0) << QTime(2, 0) << QStringList() << QString(SortOrderAtStart)
        << QList<qint64>{2, 3, 6, 7};
    QTest::newRow("night window keeps the date condition")
        << jan2 << jan2 << QTime(22, 0) << QTime(2, 0) << QStringList() << QString(SortOrderAtStart)
        << QList<qint64>{2, 3};
    QTest::newRow("night window keeps the symbol condition")
        << jan1 << feb1 << QTime(22, 0) << QTime(2, 0) << QStringList{"O'NEIL"} << QString(SortOrderAtStart)
        << QList<qint64>{6, 7};
    QTest::newRow("symbols with quote and accent")
        << jan1 << feb1 << allDay << dayEnd << QStringList{"O'NEIL", QStringLiteral("NESTLÉ")}
        << QString(SortOrderBySymbol) << QList<qint64>{5, 7, 6};
    QTest::newRow("by date, newest first")
        << jan1 << feb1 << allDay << dayEnd << QStringList() << QString(SortOrderByDate)
        << QList<qint64>{7, 6, 3, 5, 4, 2, 1};
    QTest::newRow("no rows in range")
        << QDate(2002, 1, 1) << QDate(2002, 1, 1) << allDay << dayEnd << QStringList() << QString(SortOrderAtStart)
        << QList<qint64>{};
}

void TestReportQuery::querySelectsRows()
{
    QFETCH(QDate, dateFrom);
    QFETCH(QDate, dateTo);
    QFETCH(QTime, timeFrom);
    QFETCH(QTime, timeTo);
    QFETCH(QStringList, symbols);
    QFETCH(QString, sortOrder);
    QFETCH(QList<qint64>, expectedIds);

    reportfixture::Folder folder;
    folder.insert({
        row(1, "IBM", QDate(2001, 1, 1), QTime(12, 0)),
        row(2, "IBM", QDate(2001, 1, 2), QTime(0, 0, 0)),
        row(3, "IBM", QDate(2001, 1, 2), QTime(23, 59, 59)),
        row(4, "MSFT", QDate(2001, 1, 2), QTime(9, 30, 0)),
        row(5, QStringLiteral("NESTLÉ"), QDate(2001, 1, 2), QTime(16, 0, 0)),
        row(6, "O'NEIL", QDate(2001, 2, 1), QTime(2, 0, 0)),
        row(7, "O'NEIL", QDate(2001, 2, 1), QTime(22, 0, 0)),
        row(8, "IBM", QDate(2001, 2, 2), QTime(12, 0)),
    });
    const ReportFilter filter{dateFrom, dateTo, timeFrom, timeTo, symbols};
    const auto records = RecordSet::open(folder.db(), reportQueryText(criteriaText(filter), sortOrder));
    QList<qint64> ids;
    for (; !records->eof(); records->moveNext())
        ids += records->field(QStringLiteral("ID")).toLongLong();
    QCOMPARE(ids, expectedIds);
}

QTEST_GUILESS_MAIN(TestReportQuery)
#include "tst_reportquery.moc"
