#include "PriceHistory.h"
#include "PriceImport.h"
#include "RowWriter.h"
#include "ScratchFolder.h"

#include <QTest>

using namespace ondara;
using namespace testsupport;

namespace {

// The calculation's day: its prices cross from one year into the next.
const QDate Day(2025, 12, 30);
const QString File = QStringLiteral("ondara.mdb");

PriceBar bar(int daysAfter, double high, double low) { return {Day.addDays(daysAfter), low, high, low, low}; }

using Price = std::optional<double>;
SavedCalculation saved(double start, double end, Price w3Target, Price w3Ext, Price w5Target, Price w5Ext)
{
    return {0, QStringLiteral(" IBM"), Day, QTime(15, 4, 5), start, end, w3Target, w3Ext, w5Target, w5Ext};
}

int daysAfter(std::optional<std::int64_t> day) { return day ? int(*day - Day.toJulianDay()) : 0; }

int staleYears() { return rawQuery(File, "SELECT count(*) FROM tblPriceYears WHERE Bars IS NULL").value(0).toInt(); }

} // namespace

class TestPriceHistory : public QObject
{
    Q_OBJECT

public:
    // How the prices are kept when their levels are evaluated.
    enum class Kept { Packed, ChangedByAnotherProgram, WithoutPackedYears, PackedAtStartUp };
    Q_ENUM(Kept)

    std::unique_ptr<ScratchFolder> m_scratch;
    DatabaseHandle m_db;

private slots:
    void init()
    {
        m_scratch = std::make_unique<ScratchFolder>();
        QVERIFY(m_scratch->isValid());
        createDatabase(File);
        m_db = openDatabase(File);
    }
    void cleanup() { m_db.reset(); m_scratch.reset(); }

    void reachedLevels_data()
    {
        QTest::addColumn<SavedCalculation>("row");
        QTest::addColumn<QList<PriceBar>>("bars");
        QTest::addColumn<QString>("furthest"); // empty: no level reached
        QTest::addColumn<int>("furthestDay");  // days after the calculation's; -1: no result at all
        QTest::addColumn<double>("extreme");
        QTest::addColumn<int>("invalidDay");   // 0: not invalidated

        const SavedCalculation bullWave1 = saved(10, 20, 27.5, 30, 37.5, 46.18);
        QTest::newRow("bull wave 1, its own day ignored") << bullWave1
            << QList{bar(0, 50, 5), bar(1, 28, 19), bar(2, 30, 25), bar(3, 38, 30), bar(4, 39, 33)} << "W5 target" << 3 << 39.0 << 0;
        QTest::newRow("bull wave 1, NULL levels left out") << saved(10, 20, 27.5, 30, std::nullopt, std::nullopt)
            << QList{bar(1, 40, 21), bar(2, 35, 9), bar(3, 47, 30)} << "W3 ext" << 1 << 47.0 << 2;
        QTest::newRow("bull wave 1, reached after the count broke") << bullWave1
            << QList{bar(1, 22, 10), bar(2, 21, 9.99), bar(3, 28, 12)} << "W3 target" << 3 << 28.0 << 2;
        QTest::newRow("bull wave 3, the wave 3 end is no target") << saved(10, 0, 20, 0, 27.5, 36.18)
            << QList{bar(1, 25, 15)} << "" << 0 << 25.0 << 0;
        QTest::newRow("bull wave 3, touched exactly") << saved(10, 0, 20, 0, 27.5, 36.18)
            << QList{bar(1, 27.5, 18), bar(2, 36.18, 26)} << "W5 ext" << 2 << 36.18 << 0;
        QTest::newRow("bear wave 1, floored levels never reached") << saved(20, 10, 2.5, 0, 0, 0)
            << QList{bar(1, 12, 2.5), bar(2, 21, 5)} << "W3 target" << 1 << 2.5 << 2;
        QTest::newRow("bear wave 3, High at the start is no break") << saved(20, 0, 14, 0, 9.5, 4.29)
            << QList{bar(1, 19, 12), bar(2, 20, 9.5), bar(3, 15, 4)} << "W5 ext" << 3 << 4.0 << 0;
        QTest::newRow("prices only up to the date") << bullWave1 << QList{bar(-3, 50, 5), bar(0, 50, 5)} << "" << -1 << 0.0 << 0;
        QTest::newRow("no prices") << bullWave1 << QList<PriceBar>{} << "" << -1 << 0.0 << 0;
    }

    // The same answer from the packed years, from rows another program changed
    // (read row by row until packed again), from a file without packed years,
    // and once the start-up has packed that file's years.
    void reachedLevels()
    {
        QFETCH(SavedCalculation, row);
        QFETCH(QList<PriceBar>, bars);
        QFETCH(int, furthestDay);
        replacePrices(*m_db, QStringLiteral("ibm"), bars);
        replacePrices(*m_db, QStringLiteral("IBMX"), {bar(1, 99, 1)});

        for (Kept kept : {Kept::Packed, Kept::ChangedByAnotherProgram, Kept::WithoutPackedYears, Kept::PackedAtStartUp}) {
            if (kept == Kept::ChangedByAnotherProgram)
                QVERIFY(rawExec(File, "UPDATE tblPrices SET High = High") && staleYears() > 0);
            else if (kept == Kept::WithoutPackedYears)
                QVERIFY(rawExec(File, "DROP TABLE tblPriceYears"));
            else if (kept == Kept::PackedAtStartUp) {
                ensurePriceTable(*m_db);
                QCOMPARE(staleYears(), 0);
            }
            const std::optional<ReachedResult> result = evaluateReached(*m_db, {row}).front();
            QVERIFY2(result.has_value() == (furthestDay >= 0), QMetaEnum::fromType<Kept>().valueToKey(int(kept)));
            if (!result)
                continue;
            const auto level = result->furthest ? std::optional(result->levels[*result->furthest]) : std::nullopt;
            QTEST(level ? QString::fromLatin1(waveLevelName(level->level)) : QString(), "furthest");
            QCOMPARE(daysAfter(level ? level->day : std::nullopt), furthestDay);
            QTEST(result->extreme, "extreme");
            QTEST(daysAfter(result->invalidDay), "invalidDay");
        }
    }

    void replacePricesAllOrNothing_data()
    {
        QTest::addColumn<QList<PriceBar>>("bars");
        QTest::addColumn<QString>("failingDate"); // a trigger of the test refuses this row
        QTest::addColumn<int>("number");          // of the error; 0: none
        QTest::addColumn<QList<PriceBar>>("stored"); // afterwards
        QTest::addColumn<double>("highest");      // High since the day, as the packed years tell it

        const QList<PriceBar> before{bar(1, 11, 1), bar(2, 11, 1), bar(3, 11, 1)};
        const QList<PriceBar> later{bar(2, 22, 1), bar(3, 22, 1), bar(4, 22, 1)};
        QTest::newRow("overlapping dates replaced") << later << "" << 0 << QList{before[0]} + later << 22.0;
        QTest::newRow("failure on the last row") << later << "2026-01-03" << 19 << before << 11.0;
        QTest::newRow("Low above High") << QList{bar(2, 22, 1), bar(3, 1, 22)} << "" << int(StoreError::ValidationRule) << before << 11.0;
    }

    void replacePricesAllOrNothing()
    {
        QFETCH(QList<PriceBar>, bars);
        QFETCH(QString, failingDate);
        replacePrices(*m_db, QStringLiteral("IBM"), {bar(1, 11, 1), bar(2, 11, 1), bar(3, 11, 1)});
        QVERIFY(rawExec(File, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON tblPrices WHEN NEW.Date = '%1' "
                                             "BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(failingDate)));
        int number = 0;
        try {
            replacePrices(*m_db, QStringLiteral("IBM"), bars);
        } catch (const StoreError &error) {
            number = error.number();
        }
        QTEST(number, "number");
        QTEST(pricesSince(*m_db, QStringLiteral("IBM"), Day), "stored");
        QCOMPARE(staleYears(), 0);
        QTEST(evaluateReached(*m_db, {saved(0.5, 1, 1, 1, 1, 1)}).front().value().extreme, "highest");
    }

    void importPrices_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<qint64>("size"); // the file stretched to this many bytes; 0: as written
        QTest::addColumn<QString>("told"); // a part of what the user is told
        QTest::addColumn<QList<PriceBar>>("stored");

        const QByteArray csv = "Date,Open,High,Low,Close\n2026-01-05,22,22,22,22\n";
        const QList<PriceBar> before{bar(3, 11, 11), bar(6, 11, 11)};
        QTest::newRow("overlapping dates replaced") << csv + "2026-01-06,22,22,22,22\n" << 0LL
            << "Imported 2 days of IBM, 2026-01-05 to 2026-01-06." << QList{before[0], bar(6, 22, 22), bar(7, 22, 22)};
        // One row for each kind of refusal: a price, a date, the file's size, its bytes, no days.
        QTest::newRow("price of 0") << csv + "2026-01-06,1,1,0,1\n" << 0LL << "ibm.csv.\nError #9210: Line 3, column Low" << before;
        QTest::newRow("duplicate date") << csv + "2026-01-05,1,1,1,1\n" << 0LL << "Error #9213: Line 3" << before;
        QTest::newRow("1 GB file") << csv << (1LL << 30) << "Error #9101: ibm.csv is 1073741824 bytes" << before;
        QTest::newRow("binary file") << csv + QByteArray("ELF\0\1", 5) << 0LL << "Error #9102: Line 3" << before;
        QTest::newRow("empty file") << QByteArray() << 0LL << "Error #9209: The file holds no prices." << before;
    }

    // A refused file is told with its reason and leaves the prices as they were.
    void importPrices()
    {
        QFETCH(QByteArray, csv);
        QFETCH(qint64, size);
        QVERIFY(writeFile(QStringLiteral("ibm.csv"), csv) && (size == 0 || QFile::resize(QStringLiteral("ibm.csv"), size)));
        replacePrices(*m_db, QStringLiteral("IBM"), {bar(3, 11, 11), bar(6, 11, 11)});
        QString message;
        try {
            message = importSummaryText(ondara::importPrices(*m_db, QStringLiteral("ibm.csv"), {}, QDate(2026, 2, 1)));
        } catch (const NumberedError &error) {
            message = importFailureText(QStringLiteral("ibm.csv"), error);
        }
        QFETCH(QString, told);
        QVERIFY2(message.contains(told), qPrintable(message));
        QTEST(pricesSince(*m_db, QStringLiteral("IBM"), Day), "stored");
    }
};

QTEST_GUILESS_MAIN(TestPriceHistory)
#include "tst_pricehistory.moc"
