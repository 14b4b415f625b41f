// Saved calculations checked against the prices that followed them: 32,767
// calculations over 3,000 symbols, each symbol with 2,500 days (ten years) of
// prices, 7.5 million rows. Prints the median of several runs of the check for
// the 40 rows a report shows first (the oldest ones, which have the most prices
// after them) and for the whole list, each beside the time a bare query takes
// to step through the same price rows (what reading them row by row costs)
// and a bare read of the calculations; the peak resident memory of a process
// that checks the whole list beside one that only steps through those rows;
// and the cost of writing one symbol's prices beside a bare insert of them.
// Then the report window over the same file, listing every calculation: the
// first screenful listed with its Reached, Extreme and Invalid columns and
// painted, and the whole list after Select All, each beside the time a bare
// query takes to step through the price rows of the rows it checked.
//
// bench_reached [--fixture FILE]: the fixture is built in a temporary folder,
// or in FILE and kept there for the next run (building it takes minutes).
#include "BenchStore.h"
#include "BenchSupport.h"
#include "PriceHistory.h"
#include "ReportListModel.h"
#include "StoredDateTime.h"
#include "frmPrint.h"
#include "modOndara.h"

#include <QApplication>
#include <QDateEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeView>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <set>

using namespace ondara;

namespace {

constexpr int Calculations = 32767;
constexpr int Symbols = 3000;
constexpr int Days = 2500;
constexpr int ScreenRows = 40;
constexpr int Runs = 7;

// Weekdays ending on a fixed day, so a kept fixture means the same thing in every run.
double cents(double price)
{
    return std::round(price * 100) / 100;
}

std::vector<QDate> tradingDays()
{
    std::vector<QDate> days;
    for (QDate day(2026, 11, 30); int(days.size()) < Days; day = day.addDays(-1)) {
        if (day.dayOfWeek() <= 5)
            days.push_back(day);
    }
    std::reverse(days.begin(), days.end());
    return days;
}

// Random walks with 2% daily moves, one seed per symbol so a walk can be made
// again; each saved calculation measures a wave ending at the close of its
// day, so its levels lie where prices go.
QList<PriceBar> priceWalk(int symbolIndex, const std::vector<QDate> &days)
{
    std::mt19937_64 random(7000 + std::uint64_t(symbolIndex));
    std::normal_distribution<double> normal;
    QList<PriceBar> bars;
    double close = std::uniform_real_distribution<double>(5, 300)(random);
    for (const QDate &day : days) {
        const double open = close;
        close = cents(std::max(0.05, open * std::exp(0.02 * normal(random))));
        const double high = cents(std::max(open, close) * (1 + 0.01 * std::abs(normal(random))) + 0.01);
        const double low = cents(std::max(0.01, std::min(open, close) * (1 - 0.01 * std::abs(normal(random)))));
        bars.append({day, open, high, low, close});
    }
    return bars;
}

void buildFixture(const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    std::mt19937_64 random(20260315);
    const auto uniform = [&](double from, double to) { return std::uniform_real_distribution<double>(from, to)(random); };

    std::set<QString> tickerSet;
    while (int(tickerSet.size()) < Symbols) {
        QString ticker;
        for (int length = 1 + int(random() % 5); length > 0; --length)
            ticker += QChar(u'A' + int(random() % 26));
        tickerSet.insert(ticker);
    }
    const std::vector<QString> tickers(tickerSet.begin(), tickerSet.end());
    // Which symbol and which day each calculation is about; a few come after the last price.
    std::vector<std::vector<int>> calculationDays(Symbols);
    for (int i = 0; i < Calculations; ++i)
        calculationDays[random() % Symbols].push_back(int(random() % (Days + 10)));

    const std::vector<QDate> days = tradingDays();
    std::vector<SavedCalculation> rows;
    for (int s = 0; s < Symbols; ++s) {
        const QList<PriceBar> bars = priceWalk(s, days);
        for (const int day : calculationDays[std::size_t(s)]) {
            const bool bull = random() % 2 == 0;
            const bool wave1 = random() % 4 != 0;
            const double end = bars[std::min(day, Days - 1)].close;
            const double length = cents(end * uniform(0.03, 0.25));
            const double sign = bull ? 1 : -1;
            const auto level = [&](double factor) { return std::max(0.0, cents(end + sign * length * factor)); };
            SavedCalculation row;
            row.symbol = tickers[std::size_t(s)];
            row.date = day < Days ? days[std::size_t(day)] : days.back().addDays(day - Days + 1);
            row.time = QTime(0, 0).addSecs(int(random() % 86400));
            const auto prices = wave1 ? std::array{end - sign * length, end, level(0.75), level(1.0), level(1.75), level(2.618)}
                                      : std::array{end - sign * length, 0.0, end, 0.0, level(0.75), level(1.618)};
            std::tie(row.w1Start, row.w1End, row.w3Target, row.w3Ext, row.w5Target, row.w5Ext) =
                std::tuple(prices[0], prices[1], prices[2], prices[3], prices[4], prices[5]);
            rows.push_back(row);
        }
    }
    bench::fillSymbols(path, int(rows.size()), [&](int i) { return rows[std::size_t(i)]; });
    const DatabaseHandle db = openDatabase(path);
    for (int s = 0; s < Symbols; ++s)
        replacePrices(*db, tickers[std::size_t(s)], priceWalk(s, days));
    std::printf("fixture built in %.0f s\n", double(timer.elapsed()) / 1000);
}

std::optional<double> price(const QVariant &value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toDouble());
}

QList<SavedCalculation> calculations(const Database &db, int limit)
{
    QSqlQuery query = db.prepare(QStringLiteral("SELECT ID, Symbol, Date, Time, W1Start, W1End, W3Target, W3Ext, "
                                                "W5Target, W5Ext FROM tblSymbols ORDER BY Date, Time LIMIT ?"));
    query.addBindValue(limit);
    db.exec(query);
    QList<SavedCalculation> rows;
    while (query.next()) {
        rows.append({query.value(0).toLongLong(), query.value(1).toString(),
                     parseStoredDate(query.value(2).toString()).value_or(QDate()),
                     parseStoredTime(query.value(3).toString()).value_or(QTime()), price(query.value(4)),
                     price(query.value(5)), price(query.value(6)), price(query.value(7)), price(query.value(8)),
                     price(query.value(9))});
    }
    return rows;
}

// The floor: every price row the check covers, stepped through with a bare
// query, one ordered range per symbol from its earliest calculation.
long stepPriceRows(const Database &db, const QList<SavedCalculation> &rows)
{
    std::map<QString, QDate> earliest;
    for (const SavedCalculation &row : rows) {
        QDate &date = earliest[priceSymbol(row.symbol)];
        if (!date.isValid() || row.date < date)
            date = row.date;
    }
    QSqlQuery query = db.prepare(
        QStringLiteral("SELECT Date, High, Low FROM tblPrices WHERE Symbol = ? AND Date > ? ORDER BY Date"));
    long stepped = 0;
    double sum = 0;
    for (const auto &[symbol, date] : earliest) {
        query.bindValue(0, symbol);
        query.bindValue(1, storedDateText(date));
        db.exec(query);
        while (query.next()) {
            sum += double(query.value(0).toString().size()) + query.value(1).toDouble() + query.value(2).toDouble();
            ++stepped;
        }
    }
    return sum > 0 ? stepped : -1;
}

// The peak memory of a started process that checks the whole list, or only steps through its price rows.
int peakChild(const QString &path, bool check)
{
    const DatabaseHandle db = openDatabase(path);
    const QList<SavedCalculation> rows = calculations(*db, Calculations);
    const std::size_t done = check ? evaluateReached(*db, rows).size() : std::size_t(stepPriceRows(*db, rows));
    std::printf("peak %ld %zu\n", bench::peakResidentKb(), done);
    return 0;
}

long peakOfChild(const QString &path, const char *mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode), path});
    child.waitForFinished(-1);
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.value(0) != "peak") {
        std::fprintf(stderr, "%s failed: %s\n", mode, child.readAllStandardError().constData());
        return -1;
    }
    return words.value(1).toLong();
}

QByteArray ratio(double value, double floor)
{
    return floor > 0 ? QByteArray::number(value / floor, 'f', 2) + 'x' : QByteArray("-");
}

void printFigure(const char *figure, double value, const char *floorName, double floor)
{
    std::printf("%-44s %9.1f   %-44s %9.1f %8s\n", figure, value, floorName, floor, ratio(value, floor).constData());
}

// The report window listing every calculation of the file, sorted by date and
// by symbol in turn, so that each listing is a new query with new rows.
void windowFigures(const QString &path)
{
    CalculationStore store(openDatabase(path));
    frmPrint form(store);
    form.findChild<QDateEdit *>(QStringLiteral("dtpDateFrom"))->setDate(QDate(2000, 1, 1));
    form.findChild<QDateEdit *>(QStringLiteral("dtpDateTo"))->setDate(QDate(2099, 12, 31));
    form.RefreshQuery();
    form.show();
    QCoreApplication::processEvents();
    auto *list = form.findChild<QTreeView *>(QStringLiteral("ListView1"));
    auto *model = qobject_cast<ReportListModel *>(list->model());
    auto *selectAll = form.findChild<QToolButton *>(QStringLiteral("cmdSelectAll"));
    QRadioButton *const orders[] = {form.findChild<QRadioButton *>(QStringLiteral("optSortDate")),
                                    form.findChild<QRadioButton *>(QStringLiteral("optSortSymbol"))};
    const auto rowsRead = [&] {
        QList<SavedCalculation> rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows += model->calculation(row);
        return rows;
    };
    const auto paint = [&] {
        bench::PaintWatch watch;
        list->viewport()->installEventFilter(&watch);
        list->viewport()->update();
        while (!watch.painted)
            QCoreApplication::processEvents();
    };
    const auto filled = [&] {
        int cells = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            cells += !model->text(row, ReportListModel::firstReachedColumn() + 1).isEmpty();
        return cells;
    };

    int turn = 0;
    QList<SavedCalculation> screen;
    const double screenMs = bench::medianMs(Runs, [&] {
        orders[turn++ % 2]->click();
        paint();
    });
    screen = rowsRead();
    const int screenFilled = filled();
    long screenStepped = 0;
    const DatabaseHandle bare = openDatabase(path);
    const double screenFloorMs = bench::medianMs(Runs, [&] { screenStepped = stepPriceRows(*bare, screen); });

    QList<double> allTimes;
    for (int run = 0; run < Runs; ++run) {
        if (selectAll->toolTip() != QLatin1String("Select All"))
            selectAll->click();
        orders[turn++ % 2]->click();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        selectAll->click();
        paint();
        allTimes += double(timer.nsecsElapsed()) / 1e6;
    }
    const double allMs = bench::median(std::vector<double>(allTimes.begin(), allTimes.end()));
    const QList<SavedCalculation> all = rowsRead();
    const int allFilled = filled();
    long allStepped = 0;
    const double allFloorMs = bench::medianMs(Runs, [&] { allStepped = stepPriceRows(*bare, all); });

    std::printf("\nreport window, every calculation listed: %lld rows read at first, %d of them with an Extreme; "
                "after Select All %lld, %d\n",
                qint64(screen.size()), screenFilled, qint64(all.size()), allFilled);
    printFigure("window: first screenful listed, columns, painted", screenMs,
                qPrintable(QStringLiteral("step their %1 price rows").arg(screenStepped)), screenFloorMs);
    printFigure("window: Select All, whole list's columns", allMs,
                qPrintable(QStringLiteral("step its %1 price rows").arg(allStepped)), allFloorMs);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::quietPlatformMessages();
    if (argc == 3 && (qstrcmp(argv[1], "--peak-check") == 0 || qstrcmp(argv[1], "--peak-floor") == 0))
        return peakChild(QString::fromLocal8Bit(argv[2]), qstrcmp(argv[1], "--peak-check") == 0);

    QTemporaryDir folder;
    bench::useScratchSettings(folder.path());
    QString path = folder.filePath(QStringLiteral("ondara.mdb"));
    if (argc == 3 && qstrcmp(argv[1], "--fixture") == 0)
        path = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    else if (argc != 1 || !folder.isValid()) {
        std::fprintf(stderr, "usage: bench_reached [--fixture FILE]\n");
        return 2;
    }
    if (!QFileInfo::exists(path))
        buildFixture(path);

    const DatabaseHandle db = openDatabase(path);
    const QList<SavedCalculation> all = calculations(*db, Calculations);
    const QList<SavedCalculation> screen = calculations(*db, ScreenRows);

    QSqlQuery counts = db->prepare(QStringLiteral(
        "SELECT (SELECT count(*) FROM tblPrices), (SELECT count(DISTINCT Symbol) FROM tblSymbols), "
        "(SELECT sum(length(Bars)) FROM tblPriceYears)"));
    db->exec(counts);
    counts.next();
    std::printf("%lld calculations over %lld symbols, %lld price rows; file %.0f MB, of which packed years %.0f MB\n",
                qint64(all.size()), counts.value(1).toLongLong(), counts.value(0).toLongLong(),
                double(QFileInfo(path).size()) / 1e6, counts.value(2).toDouble() / 1e6);
    counts.finish();

    // What the check found, so a fixture whose levels never come near the prices shows.
    const auto found = evaluateReached(*db, all);
    int withPrices = 0, reached = 0, invalid = 0;
    for (const auto &result : found) {
        withPrices += result.has_value();
        reached += result && result->furthest;
        invalid += result && result->invalidDay;
    }
    std::printf("with prices after them %d, a level reached %d, invalidated %d\n", withPrices, reached, invalid);

    std::printf("\n%-44s %9s   %-44s %9s %8s\n", "figure (median of 7)", "ms", "floor (same run)", "ms", "ratio");
    long screenRowsStepped = 0, allRowsStepped = 0;
    const double screenMs = bench::medianMs(Runs, [&] { evaluateReached(*db, screen); });
    const double screenFloorMs = bench::medianMs(Runs, [&] { screenRowsStepped = stepPriceRows(*db, screen); });
    const double allMs = bench::medianMs(Runs, [&] { evaluateReached(*db, all); });
    const double allFloorMs = bench::medianMs(Runs, [&] { allRowsStepped = stepPriceRows(*db, all); });
    const double listMs = bench::medianMs(Runs, [&] { calculations(*db, Calculations); });
    printFigure("check, 40 rows on screen (target < 100)", screenMs,
                qPrintable(QStringLiteral("step their %1 price rows").arg(screenRowsStepped)), screenFloorMs);
    printFigure("check, whole list (target < 2000)", allMs,
                qPrintable(QStringLiteral("step its %1 price rows").arg(allRowsStepped)), allFloorMs);
    printFigure("", allMs, "SELECT the 32,767 calculations", listMs);

    // Writing: one symbol's ten years again, against a bare insert of the same rows into a plain table.
    QList<PriceBar> bars;
    const QString symbol = all.first().symbol;
    QSqlQuery read = db->prepare(QStringLiteral("SELECT Date, Open, High, Low, Close FROM tblPrices WHERE Symbol = ? ORDER BY Date"));
    read.addBindValue(symbol);
    db->exec(read);
    while (read.next()) {
        bars.append({*parseStoredDate(read.value(0).toString()), read.value(1).toDouble(), read.value(2).toDouble(),
                     read.value(3).toDouble(), read.value(4).toDouble()});
    }
    read.finish();
    const double writeMs = bench::medianMs(Runs, [&] { replacePrices(*db, symbol, bars); });
    QSqlQuery bare = db->prepare(QStringLiteral(
        "CREATE TEMP TABLE IF NOT EXISTS benchPrices (Symbol TEXT, Date TEXT, Open REAL, High REAL, Low REAL, Close REAL, "
        "PRIMARY KEY (Symbol, Date)) WITHOUT ROWID"));
    db->exec(bare);
    const double bareWriteMs = bench::medianMs(Runs, [&] {
        db->inTransaction([&] {
            QSqlQuery insert = db->prepare(QStringLiteral("INSERT OR REPLACE INTO benchPrices VALUES (?, ?, ?, ?, ?, ?)"));
            for (const PriceBar &bar : bars) {
                insert.bindValue(0, symbol);
                insert.bindValue(1, storedDateText(bar.date));
                insert.bindValue(2, bar.open);
                insert.bindValue(3, bar.high);
                insert.bindValue(4, bar.low);
                insert.bindValue(5, bar.close);
                db->exec(insert);
            }
        });
    });
    printFigure(qPrintable(QStringLiteral("replacePrices, %1 days of one symbol").arg(bars.size())), writeMs,
                "bare INSERT of the same rows", bareWriteMs);

    windowFigures(path);

    const long checkKb = peakOfChild(path, "--peak-check");
    const long floorKb = peakOfChild(path, "--peak-floor");
    std::printf("%-44s %9.1f   %-44s %9.1f %8s\n", "peak memory MB, process checking whole list", double(checkKb) / 1024,
                "process stepping its price rows", double(floorKb) / 1024, ratio(double(checkKb), double(floorKb)).constData());
    return 0;
}
