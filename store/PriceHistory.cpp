#include "PriceHistory.h"

#include "StoredDateTime.h"

#include <QByteArray>
#include <QSqlQuery>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstring>
#include <map>

namespace ondara {

namespace {

// A packed bar: the Julian day as 32 bits, then High and Low as 64-bit doubles, little-endian.
constexpr int PackedBarSize = 4 + 8 + 8;

const QString BarColumns = QStringLiteral("SELECT CAST(julianday(Date) + 0.5 AS INTEGER), High, Low FROM tblPrices ");

// The statements of the year to be packed again for the row "NEW" or "OLD" of
// a trigger. No conflict can arise in them, so whatever conflict rule the
// changing statement carries (OR IGNORE, OR FAIL) never changes what they do.
QString markYearStale(const QString &row)
{
    return QStringLiteral("UPDATE tblPriceYears SET Bars = NULL WHERE Symbol = %1.Symbol AND Year = CAST(substr(%1.Date, 1, 4) AS INTEGER); "
                          "INSERT INTO tblPriceYears SELECT %1.Symbol, CAST(substr(%1.Date, 1, 4) AS INTEGER), NULL "
                          "WHERE %1.Symbol IS NOT NULL AND %1.Date IS NOT NULL AND NOT EXISTS (SELECT 1 FROM tblPriceYears "
                          "WHERE Symbol = %1.Symbol AND Year = CAST(substr(%1.Date, 1, 4) AS INTEGER)); ")
        .arg(row);
}

QStringList priceTableStatements()
{
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS tblPrices (Symbol TEXT, Date TEXT, Open REAL, High REAL, Low REAL, "
                       "Close REAL, PRIMARY KEY (Symbol, Date)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tblPriceYears (Symbol TEXT, Year INTEGER, Bars BLOB, PRIMARY KEY (Symbol, Year))"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS idxPriceYearsStale ON tblPriceYears (Symbol, Year) WHERE Bars IS NULL"),
        // Every change of a price row, by whatever program, leaves its year to be packed again.
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgPricesInsert AFTER INSERT ON tblPrices BEGIN %1END").arg(markYearStale(QStringLiteral("NEW"))),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgPricesDelete AFTER DELETE ON tblPrices BEGIN %1END").arg(markYearStale(QStringLiteral("OLD"))),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS trgPricesUpdate AFTER UPDATE OF Symbol, Date, High, Low ON tblPrices BEGIN %1%2END")
            .arg(markYearStale(QStringLiteral("OLD")), markYearStale(QStringLiteral("NEW"))),
    };
}

bool tableExists(const Database &db, const QString &name)
{
    QSqlQuery query = db.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?"));
    query.addBindValue(name);
    db.exec(query);
    return query.next() && query.value(0).toInt() > 0;
}

QString yearStart(int year)
{
    return storedDateText(QDate(year, 1, 1));
}

// The bars a query of BarColumns gives, in its order. Rows another program
// wrote with a date or price that is no value are passed over.
std::vector<DayBar> readBars(const Database &db, QSqlQuery &query)
{
    db.exec(query);
    std::vector<DayBar> bars;
    while (query.next()) {
        const QVariant day = query.value(0);
        const QVariant high = query.value(1);
        const QVariant low = query.value(2);
        if (!day.isNull() && !high.isNull() && !low.isNull())
            bars.push_back({day.toLongLong(), high.toDouble(), low.toDouble()});
    }
    return bars;
}

QByteArray packBars(const std::vector<DayBar> &bars)
{
    QByteArray packed(qsizetype(bars.size()) * PackedBarSize, Qt::Uninitialized);
    char *out = packed.data();
    for (const DayBar &bar : bars) {
        qToLittleEndian(qint32(bar.day), out);
        qToLittleEndian(std::bit_cast<quint64>(bar.high), out + 4);
        qToLittleEndian(std::bit_cast<quint64>(bar.low), out + 12);
        out += PackedBarSize;
    }
    return packed;
}

// Empty when packed is not a whole number of bars, which sends the caller to tblPrices.
std::optional<std::vector<DayBar>> unpackBars(const QByteArray &packed)
{
    if (packed.size() % PackedBarSize != 0)
        return std::nullopt;
    std::vector<DayBar> bars(std::size_t(packed.size() / PackedBarSize));
    const char *in = packed.constData();
    for (DayBar &bar : bars) {
        bar.day = qFromLittleEndian<qint32>(in);
        bar.high = std::bit_cast<double>(qFromLittleEndian<quint64>(in + 4));
        bar.low = std::bit_cast<double>(qFromLittleEndian<quint64>(in + 12));
        in += PackedBarSize;
    }
    return bars;
}

// The statements that read one year of a symbol's bars, prepared once per call of the store.
struct YearReader
{
    explicit YearReader(const Database &db)
        : db(db),
          query(db.prepare(BarColumns + QStringLiteral("WHERE Symbol = ? AND Date >= ? AND Date < ? ORDER BY Date")))
    {
    }

    std::vector<DayBar> read(const QString &symbol, int year)
    {
        query.bindValue(0, symbol);
        query.bindValue(1, yearStart(year));
        query.bindValue(2, yearStart(year + 1));
        return readBars(db, query);
    }

    const Database &db;
    QSqlQuery query;
};

void packStaleYears(const Database &db, const std::optional<QString> &symbol)
{
    QSqlQuery stale = db.prepare(symbol ? QStringLiteral("SELECT Symbol, Year FROM tblPriceYears WHERE Bars IS NULL AND Symbol = ?")
                                        : QStringLiteral("SELECT Symbol, Year FROM tblPriceYears WHERE Bars IS NULL"));
    if (symbol)
        stale.addBindValue(*symbol);
    db.exec(stale);
    std::vector<std::pair<QString, int>> years;
    while (stale.next())
        years.emplace_back(stale.value(0).toString(), stale.value(1).toInt());
    stale.finish();

    YearReader reader(db);
    QSqlQuery update = db.prepare(QStringLiteral("UPDATE tblPriceYears SET Bars = ? WHERE Symbol = ? AND Year = ?"));
    QSqlQuery remove = db.prepare(QStringLiteral("DELETE FROM tblPriceYears WHERE Symbol = ? AND Year = ?"));
    for (const auto &[yearSymbol, year] : years) {
        const std::vector<DayBar> bars = reader.read(yearSymbol, year);
        QSqlQuery &write = bars.empty() ? remove : update;
        if (!bars.empty())
            write.addBindValue(packBars(bars));
        write.addBindValue(yearSymbol);
        write.addBindValue(year);
        db.exec(write);
    }
}

bool priceTablesComplete(const Database &db)
{
    QSqlQuery objects = db.prepare(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE name IN ('tblPrices', 'tblPriceYears', 'idxPriceYearsStale', "
        "'trgPricesInsert', 'trgPricesDelete', 'trgPricesUpdate')"));
    db.exec(objects);
    if (!objects.next() || objects.value(0).toInt() != 6)
        return false;
    QSqlQuery stale = db.prepare(QStringLiteral("SELECT count(*) FROM tblPriceYears WHERE Bars IS NULL"));
    db.exec(stale);
    return stale.next() && stale.value(0).toInt() == 0;
}

void createPriceTables(const Database &db)
{
    const bool hadPrices = tableExists(db, QStringLiteral("tblPrices"));
    const bool hadYears = tableExists(db, QStringLiteral("tblPriceYears"));
    for (const QString &statement : priceTableStatements()) {
        QSqlQuery query = db.prepare(statement);
        db.exec(query);
    }
    // Prices written before the triggers existed have no year rows yet.
    if (hadPrices && !hadYears) {
        QSqlQuery query = db.prepare(QStringLiteral(
            "INSERT INTO tblPriceYears SELECT DISTINCT Symbol, CAST(substr(Date, 1, 4) AS INTEGER), NULL "
            "FROM tblPrices WHERE Symbol IS NOT NULL AND Date IS NOT NULL"));
        db.exec(query);
    }
}

[[noreturn]] void refuseBar(const QString &symbol, const PriceBar &bar, const QString &reason)
{
    throw StoreError(StoreError::ValidationRule, QStringLiteral("The prices of %1 on %2 were not stored: %3.")
                                                     .arg(symbol, storedDateText(bar.date), reason));
}

void checkBars(const QString &symbol, const QList<PriceBar> &bars)
{
    if (symbol.isEmpty())
        throw StoreError(StoreError::ValidationRule, QStringLiteral("Prices need a symbol."));
    QDate previous;
    for (const PriceBar &bar : bars) {
        if (!bar.date.isValid())
            throw StoreError(StoreError::ValidationRule, QStringLiteral("The prices of %1 include a day without a valid date.").arg(symbol));
        if (previous.isValid() && bar.date <= previous)
            refuseBar(symbol, bar, QStringLiteral("the days are not in increasing date order"));
        previous = bar.date;
        for (const double price : {bar.open, bar.high, bar.low, bar.close}) {
            if (!std::isfinite(price) || price <= 0)
                refuseBar(symbol, bar, QStringLiteral("every price must be a number above 0"));
        }
        if (bar.low > std::min(bar.open, bar.close) || bar.high < std::max(bar.open, bar.close))
            refuseBar(symbol, bar, QStringLiteral("Open and Close must lie between Low and High"));
    }
}

} // namespace

QString priceSymbol(const QString &symbol)
{
    return symbol.trimmed().toUpper();
}

bool ensurePriceTable(const Database &db)
{
    // The usual start finds everything in place and takes no write lock.
    if (priceTablesComplete(db))
        return false;
    db.inTransaction([&db] {
        createPriceTables(db);
        packStaleYears(db, std::nullopt);
    });
    return true;
}

void replacePrices(Database &db, const QString &symbol, const QList<PriceBar> &bars)
{
    const QString key = priceSymbol(symbol);
    checkBars(key, bars);
    db.inTransaction([&] {
        createPriceTables(db);
        QSqlQuery insert = db.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO tblPrices (Symbol, Date, Open, High, Low, Close) VALUES (?, ?, ?, ?, ?, ?)"));
        for (const PriceBar &bar : bars) {
            insert.bindValue(0, key);
            insert.bindValue(1, storedDateText(bar.date));
            insert.bindValue(2, bar.open);
            insert.bindValue(3, bar.high);
            insert.bindValue(4, bar.low);
            insert.bindValue(5, bar.close);
            db.exec(insert);
        }
        packStaleYears(db, key);
    });
}

QList<PriceBar> pricesSince(const Database &db, const QString &symbol, QDate from)
{
    QList<PriceBar> bars;
    if (!tableExists(db, QStringLiteral("tblPrices")))
        return bars;
    QSqlQuery query = db.prepare(QStringLiteral(
        "SELECT Date, Open, High, Low, Close FROM tblPrices WHERE Symbol = ? AND Date >= ? ORDER BY Date"));
    query.addBindValue(priceSymbol(symbol));
    query.addBindValue(storedDateText(from));
    db.exec(query);
    while (query.next()) {
        const std::optional<QDate> date = parseStoredDate(query.value(0).toString());
        PriceBar bar{date.value_or(QDate()), 0, 0, 0, 0};
        bool complete = date.has_value();
        for (auto [column, price] : {std::pair{1, &bar.open}, {2, &bar.high}, {3, &bar.low}, {4, &bar.close}}) {
            const QVariant value = query.value(column);
            bool isNumber = false;
            *price = value.toDouble(&isNumber);
            complete = complete && !value.isNull() && isNumber && std::isfinite(*price);
        }
        if (complete)
            bars.append(bar);
    }
    return bars;
}

std::vector<std::optional<ReachedResult>> evaluateReached(const Database &db, const QList<SavedCalculation> &calculations)
{
    std::vector<std::optional<ReachedResult>> results(std::size_t(calculations.size()));
    if (!tableExists(db, QStringLiteral("tblPrices")))
        return results;

    // The trackers of each symbol, with the earliest date among them; symbols
    // in key order, which is the order of the price tables on disk.
    struct Symbol
    {
        std::vector<std::pair<std::size_t, ReachedLevels>> trackers;
        QDate earliest;
    };
    std::map<QString, Symbol> symbols;
    for (qsizetype i = 0; i < calculations.size(); ++i) {
        const SavedCalculation &row = calculations[i];
        if (!row.date.isValid())
            continue;
        auto tracker = ReachedLevels::forRow(
            {row.w1Start, row.w1End, row.w3Target, row.w3Ext, row.w5Target, row.w5Ext}, row.date.toJulianDay());
        if (!tracker)
            continue;
        Symbol &symbol = symbols[priceSymbol(row.symbol)];
        symbol.trackers.emplace_back(std::size_t(i), *tracker);
        if (!symbol.earliest.isValid() || row.date < symbol.earliest)
            symbol.earliest = row.date;
    }
    const auto feed = [](Symbol &symbol, const std::vector<DayBar> &bars) {
        for (auto &[index, tracker] : symbol.trackers)
            tracker.add(bars);
    };
    const auto collect = [&results](Symbol &symbol) {
        for (const auto &[index, tracker] : symbol.trackers)
            results[index] = tracker.result();
        symbol.trackers = {};
    };

    if (tableExists(db, QStringLiteral("tblPriceYears"))) {
        QSqlQuery years = db.prepare(
            QStringLiteral("SELECT Year, Bars FROM tblPriceYears WHERE Symbol = ? AND Year >= ? ORDER BY Year"));
        YearReader stale(db);
        for (auto &[key, symbol] : symbols) {
            years.bindValue(0, key);
            years.bindValue(1, symbol.earliest.year());
            db.exec(years);
            while (years.next()) {
                const QVariant packed = years.value(1);
                std::optional<std::vector<DayBar>> bars;
                if (!packed.isNull())
                    bars = unpackBars(packed.toByteArray());
                feed(symbol, bars ? *bars : stale.read(key, years.value(0).toInt()));
            }
            collect(symbol);
        }
    } else {
        // A file whose prices came without the packed years (read-only, never upgraded): row by row.
        QSqlQuery prices = db.prepare(BarColumns + QStringLiteral("WHERE Symbol = ? AND Date > ? ORDER BY Date"));
        for (auto &[key, symbol] : symbols) {
            prices.bindValue(0, key);
            prices.bindValue(1, storedDateText(symbol.earliest));
            feed(symbol, readBars(db, prices));
            collect(symbol);
        }
    }
    return results;
}

} // namespace ondara
