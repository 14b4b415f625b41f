#include "CalculationsCsv.h"
#include "CsvText.h"
#include "PriceCsv.h"
#include "ScratchFolder.h"

#include <QLocale>
#include <QTest>

using namespace ondara;
using namespace testsupport;

// The number and text of the error f throws; 0 and nothing when it throws none.
template <typename F>
NumberedError thrown(F f)
{
    try {
        f();
    } catch (const NumberedError &e) {
        return e;
    }
    return NumberedError(0, {});
}

class TestCsv : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchFolder> m_scratch;

private slots:
    // A locale with a decimal comma and day-first dates must change nothing.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init() { m_scratch = std::make_unique<ScratchFolder>(); QVERIFY(m_scratch->isValid()); }
    void cleanup() { m_scratch.reset(); }

    void calculationsRoundTrip()
    {
        QList<SavedCalculation> rows{
            {std::numeric_limits<qint64>::max(), "A\"B,\nC", {2001, 1, 15}, {15, 4, 5}, 123456.123456, 0, 0.000001,
             0.1 + 0.2, -2.5, 1e21},
            {std::numeric_limits<qint64>::min(), "=SUM(A1)", {9999, 12, 31}, {0, 0, 0}, 1.5, {}, {}, {}, {}, {}},
            {2, "'X", {}, {}, {}, {}, {}, {}, {}, {}},
            {4, "-1+2", {}, {}, {}, {}, {}, {}, {}, {}},
            {3, " \xC3\x84\xE2\x82\xAC\xF0\x9F\x98\x80 ", {}, {23, 59, 59}, {}, {}, {}, {}, {}, {}}};
        writeCalculationsCsv(QStringLiteral("out.csv"), rows);
        QCOMPARE(fileBytes(QStringLiteral("out.csv")),
                 "ID,Symbol,Date,Time,W1Start,W1End,W3Target,W3Ext,W5Target,W5Ext\r\n9223372036854775807,\"A\"\"B,\nC\","
                 "2001-01-15,15:04:05,123456.123456,0,0.000001,0.30000000000000004,-2.5,1e+21\r\n"
                 "-9223372036854775808,\"'=SUM(A1)\",9999-12-31,00:00:00,1.5,,,,,\r\n"
                 "2,\"''X\",,,,,,,,\r\n4,\"'-1+2\",,,,,,,,\r\n"
                 "3,\" \xC3\x84\xE2\x82\xAC\xF0\x9F\x98\x80 \",,23:59:59,,,,,,\r\n");
        for (SavedCalculation &row : rows)
            row.id = 0;
        QCOMPARE(readCalculationsCsv(QStringLiteral("out.csv")), rows);
    }

    void refusesBadCalculations_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message"); // its beginning

        using E = CsvDataError;
        const QByteArray head = "ID,Symbol,Date,Time,W1Start,W1End,W3Target,W3Ext,W5Target,W5Ext\n";
        const auto row = [](const char *name, const QByteArray &csv, int error, const char *message) {
            QTest::newRow(name) << csv << error << QString::fromUtf8(message);
        };
        row("any order, no ID, 15 characters", "W5Ext,W5Target,W3Ext,W3Target,W1End,W1Start,Time,Date,Symbol\n"
            ",,,,2,1,,,\" \xF0\x9F\x98\x80" "BCDEFGHIJKLMNO \"", 0, "");
        row("quote never closed", head + "1,\"IBM,,,,,,,,\n", CsvError::UnterminatedQuote, "Line 2:");
        row("NUL byte", head + QByteArray("1,IBM\0,,,,,,,,", 14), CsvError::Binary, "Line 2:");
        row("not UTF-8", head + "\r\n1,\xC0\xAF,,,,,,,,", CsvError::NotUtf8, "Line 3:");
        row("unknown column", QByteArray(head).replace("W3Ext", "Price"), E::UnknownColumn, "Line 1, column Price:");
        row("column twice", "Symbol," + head, E::DuplicateColumn, "Line 1, column Symbol:");
        row("column missing", head.chopped(7) + "\n", E::MissingColumn, "Line 1, column W5Ext:");
        row("field missing", head + "1,\"I\nBM\",,,,,,,\n", E::FieldCount, "Line 2:");
        row("NaN", head + "1,\"I\r\nBM\",,,,,,,,\r\n\r\n1,IBM,,,,,nan,,,\n", E::NotANumber, "Line 5, column W3Target:");
        row("decimal comma", head + "1,IBM,,,,,,,,\"1,5\"\n", E::NotANumber, "Line 2, column W5Ext:");
        row("February 30", head + "1,IBM,2001-02-30,,,,,,,\n", E::NotADate, "Line 2, column Date:");
        row("hour 24", head + "1,IBM,,24:00:00,,,,,,\n", E::NotATime, "Line 2, column Time:");
        row("16 characters", head + "1,ABCDEFGHIJKLMNOP,,,,,,,,\n", E::BadSymbol, "Line 2, column Symbol:");
        row("empty", "", E::NoRows, "The file is empty");
    }

    void refusesBadCalculations()
    {
        QFETCH(QByteArray, csv);
        QList<SavedCalculation> rows;
        const NumberedError error = thrown([&] { rows = parseCalculationsCsv(csv); });
        QTEST(error.number(), "error");
        QFETCH(QString, message);
        QCOMPARE(error.description().left(message.size()), message);
        if (error.number() == 0)
            QCOMPARE(rows, QList<SavedCalculation>({{0, " \U0001F600BCDEFGHIJKLMNO ", {}, {}, 1, 2, {}, {}, {}, {}}}));
    }

    void readsPriceFiles_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("symbol"); // the caller's
        QTest::addColumn<PriceFile>("expected");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message"); // its beginning

        using E = CsvDataError;
        const auto read = [](const char *name, const QByteArray &csv, const char *fileName, const char *symbol,
                             const PriceFile &expected) {
            QTest::newRow(name) << csv << QString(fileName) << QString(symbol) << expected << 0 << QString();
        };
        const auto refused = [](const char *name, const QByteArray &csv, int error, const char *message,
                                const char *fileName = "ibm.csv") {
            QTest::newRow(name) << csv << QString(fileName) << QString() << PriceFile() << error << QString(message);
        };
        read("ISO, newest first, extra columns",
             "Date,Open,High,Low,Close,Adj Close,Volume\n2024-06-28,10,12,9,11,0,x\n2024-01-02,10.5,10.5,10.5,10.5,1,2\n",
             "ibm.us.csv", "", {"IBM.US", {{{2024, 1, 2}, 10.5, 10.5, 10.5, 10.5}, {{2024, 6, 28}, 10, 12, 9, 11}}});
        read("M/D/YYYY, any order and case, Symbol column",
             "\xEF\xBB\xBF" "close;SYMBOL;low;High;open;date\n11;MSFT;9;12;10;1/13/2024\n1;MSFT;1;1;1;2/1/2024\n",
             "prices.csv", "", {"MSFT", {{{2024, 1, 13}, 10, 12, 9, 11}, {{2024, 2, 1}, 1, 1, 1, 1}}});
        read("DD.MM.YYYY, tabs, caller's symbol", "Date\tOpen\tHigh\tLow\tClose\n02.01.2024\t1\t2\t0.5\t1\n", "x.csv",
             " IBM", {"IBM", {{{2024, 1, 2}, 1, 2, 0.5, 1}}});
        const QByteArray head = "Date,Open,High,Low,Close\n";
        const QByteArray day = "2024-01-02,1,1,1,1\n";
        read("same day either way", head + "1/1/2024,1,1,1,1\n", "a.csv", "", {"A", {{{2024, 1, 1}, 1, 1, 1, 1}}});
        refused("day or month", head + "1/2/2024,1,1,1,1\n1/3/2024,1,1,1,1\n", E::AmbiguousDates, "Line 2, column Date");
        refused("mixed date forms", head + day + "1/13/2024,1,1,1,1\n", E::NotADate, "Line 3, column Date");
        refused("High below Close", head + "2024-01-02,1,1.5,1,2\n", E::PricesInconsistent, "Line 2, column High");
        refused("Low above Open", head + "2024-01-02,1,2,1.5,2\n", E::PricesInconsistent, "Line 2, column Low");
        refused("zero", head + "2024-01-02,0,1,0,1\n", E::PriceNotPositive, "Line 2, column Open");
        refused("tomorrow", head + "2024-06-29,1,1,1,1\n", E::FutureDate, "Line 2, column Date");
        refused("date twice", head + day + "2024-01-03,1,1,1,1\n" + day, E::DuplicateDate, "Line 4, column Date");
        refused("two symbols", "Date,Open,High,Low,Close,Symbol\n2024-01-02,1,1,1,1,IBM\n2024-01-03,1,1,1,1,MSFT",
                E::TwoSymbols, "Line 3, column Symbol");
        refused("no Close", "Date,Open,High,Low\n", E::MissingColumn, "Line 1, column Close");
        refused("file name too long", head + day, E::BadSymbol, "The file name", "daily prices 2024.csv");
        refused("header only", head, E::NoRows, "The file holds no prices.");
        refused("empty", "", E::NoRows, "The file holds no prices.");
    }

    void readsPriceFiles()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, fileName);
        QFETCH(QString, symbol);
        PriceFile history;
        const NumberedError error = thrown([&] { history = parsePriceCsv(csv, fileName, {2024, 6, 28}, symbol); });
        QTEST(error.number(), "error");
        QFETCH(QString, message);
        QCOMPARE(error.description().left(message.size()), message);
        QTEST(history, "expected");
    }
};

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
