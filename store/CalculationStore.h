#pragma once

#include "PriceBar.h"
#include "PriceImport.h"
#include "ReachedLevels.h"
#include "ReportFilter.h"
#include "SavedCalculation.h"
#include "modOndara.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <optional>
#include <vector>

namespace ondara {

// The rows of one selection in one order, read a page at a time. Each page
// starts after the last row read, found again by its sort keys, so a page
// costs the same wherever it lies in the list and no statement stays open
// between pages. Rows added or removed between pages are met or missed as
// their keys fall, never repeated. Every read throws StoreError on failure.
class CalculationCursor
{
public:
    CalculationCursor() = default; // an empty list

    // Up to count rows following the last one read; fewer only at the end.
    QList<SavedCalculation> next(int count);
    // Every row not read yet, for a file that takes them all.
    QList<SavedCalculation> rest();
    bool atEnd() const { return m_atEnd; }

    // Goes back to just after row index of the last page read; -1 goes
    // back to the start of the list.
    void rewindTo(qsizetype index);

private:
    friend class CalculationStore;

    struct Key
    {
        const char *column;
        bool descending;
    };

    void read(const QStringList &terms, const QVariantList &values, int count, QList<SavedCalculation> &rows);
    QStringList afterTerms(qsizetype key) const;

    DatabaseHandle m_db;
    bool m_withPrices = true;
    QStringList m_filterTerms;
    QVariantList m_filterValues;
    QList<Key> m_keys;
    QVariantList m_lastKey; // the sort keys of the last row read, as stored
    QList<QVariantList> m_pageKeys;
    bool m_started = false;
    bool m_atEnd = true;
};

// The saved calculations, as both windows use them: every read and write of
// tblSymbols goes through here, on the one connection that start-up opens.
// Listeners learn of rows added or removed through it, so a list that shows
// them can follow at once. Every failure throws StoreError.
class CalculationStore : public QObject
{
    Q_OBJECT

public:
    explicit CalculationStore(DatabaseHandle db, QObject *parent = nullptr);

    bool isReadOnly() const { return m_db->isReadOnly(); }
    // Throws the error every write to a read-only file gives.
    void requireWritable() const { m_db->requireWritable(); }

    // Stores the rows in one transaction (all or none) and returns the IDs the
    // database gave them, in order. The rows' own IDs are ignored.
    QList<qint64> add(const QList<SavedCalculation> &rows);
    qint64 add(const SavedCalculation &row);

    // Deletes the rows with these IDs in one transaction; an ID without a row
    // is passed over. Returns how many rows went.
    qsizetype remove(const QList<qint64> &ids);

    bool exists(qint64 id) const;
    std::optional<SavedCalculation> find(qint64 id) const;

    // The watch list: every row by symbol, newest first, with only the ID,
    // symbol, date and time read (the prices stay empty).
    CalculationCursor watchList() const;

    // The rows that pass filter: dates and times within their ranges (both
    // ends included), symbols among those given when any are.
    CalculationCursor report(const ReportFilter &filter, ReportOrder order) const;

    // Every row with its prices, by symbol, date and time: rows without a date
    // or a time too, which no report filter passes.
    CalculationCursor all() const;

    // The distinct symbols, sorted; rows without a symbol give none.
    QStringList symbols() const;

    // What became of each row against the prices after its date, in the
    // order given; empty where there are none (evaluateReached).
    std::vector<std::optional<ReachedResult>> reached(const QList<SavedCalculation> &rows) const;
    // The days of symbol on and after from, oldest first.
    QList<PriceBar> pricesSince(const QString &symbol, QDate from) const;
    // Takes a price file into the database (importPrices) and tells the
    // listeners; a refused file or a failed write throws and tells no one.
    PriceImport importPrices(const QString &path, QDate today = QDate::currentDate());

signals:
    void rowsAdded(const QList<qint64> &ids);
    void rowsRemoved(const QList<qint64> &ids);
    void pricesChanged();

private:
    CalculationCursor cursor(ReportOrder order, bool withPrices) const;

    DatabaseHandle m_db;
    bool m_symbolIndexed = false;
};

} // namespace ondara
