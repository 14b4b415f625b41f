#include "ReportFixture.h"
#include "ReportQuery.h"

#include <QTest>

using namespace ondara;
using reportfixture::row;

class TestReportQuery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Each text word for word, and the rows the store selects with the same
    // filter: both ends of every range are included, and a window that wraps
    // past midnight takes both ends of the day while the date and symbol
    // conditions still hold.
    void queries_data()
    {
        QTest::addColumn<ReportFilter>("filter");
        QTest::addColumn<ReportOrder>("order");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QList<qint64>>("ids");
        const QDate jan1(2001, 1, 1);
        const QDate jan14(2001, 1, 14);
        const QDate jan15(2001, 1, 15);
        const QDate jan31(2001, 1, 31);
        const QTime dayStart(0, 0);
        const QTime dayEnd(23, 59, 59);
        QTest::newRow("at start")
            << ReportFilter{jan15, jan15, dayStart, dayEnd, {}} << ReportOrder::SymbolDateTime
            << "SELECT * FROM tblSymbols WHERE Date >= #1/15/2001# AND Date <= #1/15/2001# AND Time >= #12:00:00 AM# "
               "AND Time <= #23:59:59# ORDER BY Symbol, Date, Time;"
            << QList<qint64>{1, 2, 3, 4, 5};
        QTest::newRow("two symbols, by date")
            << ReportFilter{jan1, jan31, QTime(9, 30), QTime(16, 0), {"IBM", "MSFT"}} << ReportOrder::NewestFirst
            << "SELECT * FROM tblSymbols WHERE Date >= #1/1/2001# AND Date <= #1/31/2001# AND Time >= #9:30:00 AM# "
               "AND Time <= #16:00:00# AND Symbol IN ('IBM','MSFT') ORDER BY Date DESC, Time DESC, Symbol;"
            << QList<qint64>{4, 3, 10, 9};
        QTest::newRow("wraps past midnight")
            << ReportFilter{jan1, jan31, QTime(22, 0), QTime(2, 0), {}} << ReportOrder::SymbolDateTime
            << "SELECT * FROM tblSymbols WHERE Date >= #1/1/2001# AND Date <= #1/31/2001# AND (Time >= #10:00:00 PM# "
               "OR Time <= #02:00:00#) ORDER BY Symbol, Date, Time;"
            << QList<qint64>{1, 2, 6, 7};
        QTest::newRow("equal times do not wrap")
            << ReportFilter{jan14, jan14, QTime(12, 0), QTime(12, 0), {}} << ReportOrder::SymbolNewestFirst
            << "SELECT * FROM tblSymbols WHERE Date >= #1/14/2001# AND Date <= #1/14/2001# AND Time >= #12:00:00 PM# "
               "AND Time <= #12:00:00# ORDER BY Symbol, Date DESC, Time DESC;"
            << QList<qint64>{9};
        QTest::newRow("quote doubled, UTF-8 and blanks kept")
            << ReportFilter{jan1, jan31, dayStart, dayEnd, {"O'NEIL", "NESTLÉ", "日本", " IBM "}}
            << ReportOrder::SymbolNewestFirst
            << QStringLiteral("SELECT * FROM tblSymbols WHERE Date >= #1/1/2001# AND Date <= #1/31/2001# AND Time >= "
                              "#12:00:00 AM# AND Time <= #23:59:59# AND Symbol IN ('O''NEIL','NESTLÉ','日本',' IBM ') "
                              "ORDER BY Symbol, Date DESC, Time DESC;")
            << QList<qint64>{5, 7, 6};
    }

    void queries()
    {
        QFETCH(ReportFilter, filter);
        QFETCH(ReportOrder, order);
        const QString text = reportQueryText(criteriaText(filter), sortOrderText(order));
        QTEST(text, "expected");

        reportfixture::Folder folder;
        folder.insert({
            row(1, "IBM", QDate(2001, 1, 15), QTime(0, 0, 0)),
            row(2, "IBM", QDate(2001, 1, 15), QTime(23, 59, 59)),
            row(3, "MSFT", QDate(2001, 1, 15), QTime(9, 30, 0)),
            row(4, "MSFT", QDate(2001, 1, 15), QTime(16, 0, 0)),
            row(5, QStringLiteral("NESTLÉ"), QDate(2001, 1, 15), QTime(16, 0, 1)),
            row(6, "O'NEIL", QDate(2001, 1, 31), QTime(2, 0, 0)),
            row(7, "O'NEIL", QDate(2001, 1, 31), QTime(22, 0, 0)),
            row(8, "IBM", QDate(2001, 2, 1), QTime(1, 0, 0)),
            row(9, "IBM", QDate(2001, 1, 14), QTime(12, 0, 0)),
            row(10, "IBM", QDate(2001, 1, 14), QTime(13, 0, 0)),
        });
        QList<qint64> selected;
        for (const SavedCalculation &row : folder.store().report(filter, order).next(20))
            selected += row.id;
        QTEST(selected, "ids");
    }
};

QTEST_GUILESS_MAIN(TestReportQuery)
#include "tst_reportquery.moc"
