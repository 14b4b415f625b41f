#include "CalculationStore.h"

#include "PriceHistory.h"
#include "StoredDateTime.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ondara {
namespace {

// The columns of a row in the order rowFrom() reads them; the sort keys are
// among the first four, which is all the watch list reads.
constexpr const char *Columns[] = {"ID", "Symbol", "Date", "Time", "W1Start", "W1End", "W3Target", "W3Ext",
                                   "W5Target", "W5Ext"};
constexpr int KeyColumns = 4;
constexpr int AllColumns = int(std::size(Columns));

QString columnList(int first, int end)
{
    QStringList names;
    for (int i = first; i < end; ++i)
        names += QLatin1StringView(Columns[i]);
    return names.join(QStringLiteral(", "));
}

int columnIndex(const char *name)
{
    for (int i = 0; i < AllColumns; ++i) {
        if (qstrcmp(Columns[i], name) == 0)
            return i;
    }
    Q_UNREACHABLE();
    return 0;
}

// A price another program stored as NULL or as text that is no number has no value.
std::optional<double> priceFrom(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const double price = value.toDouble(&ok);
    return ok ? std::optional(price) : std::nullopt;
}

SavedCalculation rowFrom(const QSqlQuery &query, bool withPrices)
{
    SavedCalculation row;
    row.id = query.value(0).toLongLong();
    row.symbol = query.value(1).toString();
    if (const QVariant date = query.value(2); date.typeId() == QMetaType::QString)
        row.date = parseStoredDate(date.toString()).value_or(QDate());
    if (const QVariant time = query.value(3); time.typeId() == QMetaType::QString)
        row.time = parseStoredTime(time.toString()).value_or(QTime());
    if (withPrices) {
        std::optional<double> *prices[] = {&row.w1Start, &row.w1End, &row.w3Target, &row.w3Ext, &row.w5Target,
                                           &row.w5Ext};
        for (int i = 0; i < 6; ++i)
            *prices[i] = priceFrom(query.value(KeyColumns + i));
    }
    return row;
}

QVariant storedPrice(const std::optional<double> &price)
{
    return price ? QVariant(*price) : QVariant(QMetaType::fromType<double>());
}

} // namespace

// ---- CalculationCursor ----

QList<SavedCalculation> CalculationCursor::next(int count)
{
    QList<SavedCalculation> rows;
    m_pageKeys.clear();
    if (m_atEnd || count <= 0)
        return rows;
    if (!m_started) {
        read({}, {}, count, rows);
    } else {
        // The rows after the last one are, in order: those equal to it in every
        // key but the last and after it in that one, then those equal in every
        // key but the last two and after it in the one before, and so on. Each
        // group is one seek into the ordering's index.
        for (qsizetype key = m_keys.size() - 1; key >= 0 && rows.size() < count; --key) {
            QStringList terms;
            QVariantList values;
            for (qsizetype equal = 0; equal < key; ++equal) {
                const QLatin1StringView column(m_keys[equal].column);
                if (m_lastKey[equal].isNull()) {
                    terms += column + QStringLiteral(" IS NULL");
                } else {
                    terms += column + QStringLiteral(" = ?");
                    values += m_lastKey[equal];
                }
            }
            for (const QString &after : afterTerms(key)) {
                const bool comparesKey = after.endsWith(u'?'); // not "IS NULL", "IS NOT NULL"
                read(terms + QStringList{after}, comparesKey ? values + QVariantList{m_lastKey[key]} : values,
                     int(count - rows.size()), rows);
                if (rows.size() >= count)
                    break;
            }
        }
    }
    m_started = true;
    m_atEnd = rows.size() < count;
    if (!m_pageKeys.isEmpty())
        m_lastKey = m_pageKeys.constLast();
    return rows;
}

QList<SavedCalculation> CalculationCursor::rest()
{
    constexpr int RowsPerRead = 1000;
    QList<SavedCalculation> rows;
    while (!m_atEnd)
        rows += next(RowsPerRead);
    return rows;
}

// SQLite puts NULL before every value in a rising order and after every value
// in a falling one; "after" has to agree, or rows without a date would be lost.
QStringList CalculationCursor::afterTerms(qsizetype key) const
{
    const QLatin1StringView column(m_keys[key].column);
    const bool null = m_lastKey[key].isNull();
    if (!m_keys[key].descending)
        return {null ? QStringLiteral("%1 IS NOT NULL").arg(column) : QStringLiteral("%1 > ?").arg(column)};
    if (null)
        return {};
    return {QStringLiteral("%1 < ?").arg(column), QStringLiteral("%1 IS NULL").arg(column)};
}

void CalculationCursor::read(const QStringList &terms, const QVariantList &values, int count,
                             QList<SavedCalculation> &rows)
{
    QStringList order;
    for (const Key &key : std::as_const(m_keys))
        order += QLatin1StringView(key.column) + (key.descending ? QStringLiteral(" DESC") : QString());
    const QStringList where = m_filterTerms + terms;
    QSqlQuery query = m_db->prepare(
        QStringLiteral("SELECT %1 FROM tblSymbols%2 ORDER BY %3 LIMIT ?")
            .arg(columnList(0, m_withPrices ? AllColumns : KeyColumns),
                 where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND ")),
                 order.join(QStringLiteral(", "))));
    for (const QVariant &value : m_filterValues + values)
        query.addBindValue(value);
    query.addBindValue(count);
    m_db->exec(query);
    while (query.next()) {
        rows.append(rowFrom(query, m_withPrices));
        QVariantList key;
        for (const Key &k : std::as_const(m_keys))
            key += query.value(columnIndex(k.column));
        m_pageKeys.append(key);
    }
    if (query.lastError().isValid())
        m_db->fail(query);
}

void CalculationCursor::rewindTo(qsizetype index)
{
    m_atEnd = !m_db;
    m_started = index >= 0;
    if (m_started)
        m_lastKey = m_pageKeys.at(index);
    m_pageKeys.clear();
}

// ---- CalculationStore ----

CalculationStore::CalculationStore(DatabaseHandle db, QObject *parent)
    : QObject(parent), m_db(std::move(db))
{
    QSqlQuery indexed = m_db->prepare(QStringLiteral(
        "SELECT count(*) FROM pragma_index_list('tblSymbols') AS list, pragma_index_info(list.name) AS part "
        "WHERE part.seqno = 0 AND part.name = 'Symbol'"));
    m_db->exec(indexed);
    m_symbolIndexed = indexed.next() && indexed.value(0).toInt() > 0;
}

QList<qint64> CalculationStore::add(const QList<SavedCalculation> &rows)
{
    QList<qint64> ids;
    m_db->inTransaction([&] {
        // Every column but the ID, which the database gives.
        QSqlQuery insert = m_db->prepare(QStringLiteral("INSERT INTO tblSymbols (%1) VALUES (?%2)")
                                             .arg(columnList(1, AllColumns), QStringLiteral(", ?").repeated(AllColumns - 2)));
        for (const SavedCalculation &row : rows) {
            insert.bindValue(0, row.symbol);
            insert.bindValue(1, row.date.isValid() ? QVariant(storedDateText(row.date)) : QVariant());
            insert.bindValue(2, row.time.isValid() ? QVariant(storedTimeText(row.time)) : QVariant());
            int at = 3;
            for (const auto &price : {row.w1Start, row.w1End, row.w3Target, row.w3Ext, row.w5Target, row.w5Ext})
                insert.bindValue(at++, storedPrice(price));
            m_db->exec(insert);
            ids += insert.lastInsertId().toLongLong();
        }
    });
    if (!ids.isEmpty())
        emit rowsAdded(ids);
    return ids;
}

qint64 CalculationStore::add(const SavedCalculation &row)
{
    return add(QList<SavedCalculation>{row}).constFirst();
}

qsizetype CalculationStore::remove(const QList<qint64> &ids)
{
    QList<qint64> removed;
    m_db->inTransaction([&] {
        QSqlQuery remove = m_db->prepare(QStringLiteral("DELETE FROM tblSymbols WHERE ID = ?"));
        for (qint64 id : ids) {
            remove.bindValue(0, id);
            m_db->exec(remove);
            if (remove.numRowsAffected() > 0)
                removed += id;
        }
    });
    if (!removed.isEmpty())
        emit rowsRemoved(removed);
    return removed.size();
}

bool CalculationStore::exists(qint64 id) const
{
    QSqlQuery query = m_db->prepare(QStringLiteral("SELECT 1 FROM tblSymbols WHERE ID = ?"));
    query.addBindValue(id);
    m_db->exec(query);
    const bool found = query.next();
    if (query.lastError().isValid())
        m_db->fail(query);
    return found;
}

std::optional<SavedCalculation> CalculationStore::find(qint64 id) const
{
    QSqlQuery query = m_db->prepare(QStringLiteral("SELECT %1 FROM tblSymbols WHERE ID = ?").arg(columnList(0, AllColumns)));
    query.addBindValue(id);
    m_db->exec(query);
    if (query.next())
        return rowFrom(query, true);
    if (query.lastError().isValid())
        m_db->fail(query);
    return std::nullopt;
}

CalculationCursor CalculationStore::cursor(ReportOrder order, bool withPrices) const
{
    CalculationCursor cursor;
    cursor.m_db = m_db;
    cursor.m_withPrices = withPrices;
    cursor.m_atEnd = false;
    switch (order) {
    case ReportOrder::SymbolDateTime:
        cursor.m_keys = {{"Symbol", false}, {"Date", false}, {"Time", false}};
        break;
    case ReportOrder::NewestFirst:
        cursor.m_keys = {{"Date", true}, {"Time", true}, {"Symbol", false}};
        break;
    case ReportOrder::SymbolNewestFirst:
        cursor.m_keys = {{"Symbol", false}, {"Date", true}, {"Time", true}};
        break;
    }
    cursor.m_keys += {"ID", false};
    return cursor;
}

CalculationCursor CalculationStore::watchList() const
{
    return cursor(ReportOrder::SymbolNewestFirst, false);
}

CalculationCursor CalculationStore::report(const ReportFilter &filter, ReportOrder order) const
{
    CalculationCursor rows = cursor(order, true);
    // Ordered by symbol, the date range only sifts rows (a + keeps SQLite from
    // seeking by it): walking the ordering's index stops after a page, where
    // seeking by date would sort every row of the range first. The time range
    // never helps a seek, and offered as one SQLite takes it over the equal
    // time that starts a page.
    const QString date = order == ReportOrder::NewestFirst ? QStringLiteral("Date") : QStringLiteral("+Date");
    rows.m_filterTerms = {date + QStringLiteral(" >= ?"), date + QStringLiteral(" <= ?"),
                          filter.timeFrom > filter.timeTo ? QStringLiteral("(+Time >= ? OR +Time <= ?)")
                                                          : QStringLiteral("+Time >= ? AND +Time <= ?")};
    rows.m_filterValues = {storedDateText(filter.dateFrom), storedDateText(filter.dateTo),
                           storedTimeText(filter.timeFrom), storedTimeText(filter.timeTo)};
    if (!filter.symbols.isEmpty()) {
        rows.m_filterTerms += QStringLiteral("Symbol IN (?%1)").arg(QStringLiteral(", ?").repeated(filter.symbols.size() - 1));
        for (const QString &symbol : filter.symbols)
            rows.m_filterValues += symbol;
    }
    return rows;
}

CalculationCursor CalculationStore::all() const
{
    return cursor(ReportOrder::SymbolDateTime, true);
}

QStringList CalculationStore::symbols() const
{
    // With an index on Symbol each next symbol is one seek, however many rows
    // share it; without one (a read-only file of an older kind) a seek would be
    // a scan, and one scan of the whole table is cheaper.
    QSqlQuery query = m_db->prepare(
        m_symbolIndexed ? QStringLiteral("WITH RECURSIVE s(Symbol) AS (SELECT min(Symbol) FROM tblSymbols UNION ALL "
                              "SELECT (SELECT min(Symbol) FROM tblSymbols WHERE Symbol > s.Symbol) FROM s "
                              "WHERE s.Symbol IS NOT NULL) SELECT Symbol FROM s WHERE Symbol IS NOT NULL")
             : QStringLiteral("SELECT DISTINCT Symbol FROM tblSymbols WHERE Symbol IS NOT NULL ORDER BY Symbol"));
    m_db->exec(query);
    QStringList symbols;
    while (query.next())
        symbols += query.value(0).toString();
    if (query.lastError().isValid())
        m_db->fail(query);
    return symbols;
}

std::vector<std::optional<ReachedResult>> CalculationStore::reached(const QList<SavedCalculation> &rows) const
{
    return evaluateReached(*m_db, rows);
}

QList<PriceBar> CalculationStore::pricesSince(const QString &symbol, QDate from) const
{
    return ondara::pricesSince(*m_db, symbol, from);
}

PriceImport CalculationStore::importPrices(const QString &path, QDate today)
{
    const PriceImport import = ondara::importPrices(*m_db, path, {}, today);
    emit pricesChanged();
    return import;
}

} // namespace ondara
