#include "CalculationListModel.h"

#include <QSet>

namespace ondara {

CalculationListModel::CalculationListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void CalculationListModel::follow(CalculationStore &store)
{
    connect(&store, &CalculationStore::rowsAdded, this, &CalculationListModel::storeAdded);
    connect(&store, &CalculationStore::rowsRemoved, this, &CalculationListModel::storeRemoved);
}

void CalculationListModel::setQuery(Query query)
{
    CalculationCursor cursor = query();
    QList<SavedCalculation> rows = cursor.next(PageSize);
    beginResetModel();
    m_query = std::move(query);
    m_cursor = std::move(cursor);
    m_rows = std::move(rows);
    endResetModel();
}

void CalculationListModel::reload()
{
    if (m_query)
        setQuery(m_query);
}

int CalculationListModel::rowOf(qint64 id) const
{
    for (qsizetype row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].id == id)
            return int(row);
    }
    return -1;
}

int CalculationListModel::fetchUntil(qint64 id)
{
    int row = rowOf(id);
    while (row < 0 && canFetchMore()) {
        const qsizetype before = m_rows.size();
        readPage();
        for (qsizetype i = before; i < m_rows.size() && row < 0; ++i)
            row = m_rows[i].id == id ? int(i) : -1;
    }
    return row;
}

void CalculationListModel::fetchAll()
{
    // One insertion: a view lays out, and a subclass looks at, the new rows once.
    if (canFetchMore())
        append(m_cursor->rest());
}

int CalculationListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

bool CalculationListModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_cursor && !m_cursor->atEnd();
}

void CalculationListModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    try {
        readPage();
    } catch (const StoreError &error) {
        fail(error);
    }
}

void CalculationListModel::readPage()
{
    append(m_cursor->next(int(qBound(qsizetype(PageSize), m_rows.size(), qsizetype(LargestPage)))));
}

void CalculationListModel::append(QList<SavedCalculation> rows)
{
    if (rows.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_rows.size()), int(m_rows.size() + rows.size() - 1));
    m_rows += std::move(rows);
    endInsertRows();
}

void CalculationListModel::fail(const StoreError &error)
{
    m_cursor.reset(); // a view would otherwise ask again at every scroll
    reportError(error);
}

void CalculationListModel::reportError(const StoreError &error) const
{
    if (m_onError)
        m_onError(error);
}

void CalculationListModel::storeRemoved(const QList<qint64> &ids)
{
    const QSet<qint64> gone(ids.begin(), ids.end());
    for (qsizetype last = m_rows.size() - 1; last >= 0; --last) {
        if (!gone.contains(m_rows[last].id))
            continue;
        qsizetype first = last;
        while (first > 0 && gone.contains(m_rows[first - 1].id))
            --first;
        beginRemoveRows(QModelIndex(), int(first), int(last));
        m_rows.remove(first, last - first + 1);
        endRemoveRows();
        last = first;
    }
    // A list that lost the rows it showed would look empty while rows remain.
    if (m_rows.size() < PageSize)
        fetchMore();
}

void CalculationListModel::storeAdded(const QList<qint64> &ids)
{
    if (!m_query)
        return;
    try {
        // The rows read so far, plus the new ones wherever they fall among them,
        // read again from the start: the first rows of that read, up to the last
        // row listed, are the list as it should be now.
        CalculationCursor fresh = m_query();
        const qsizetype wanted = m_rows.size() + ids.size();
        const QList<SavedCalculation> read = fresh.next(int(wanted));
        qsizetype keep = read.size();
        const bool listedToEnd = !m_cursor || m_cursor->atEnd();
        if (!listedToEnd && read.size() == wanted && !m_rows.isEmpty()) {
            for (qsizetype i = read.size() - 1; i >= 0; --i) {
                if (read[i].id == m_rows.constLast().id) {
                    keep = i + 1;
                    fresh.rewindTo(i); // the rows after it come when the view asks
                    break;
                }
            }
        }

        // The rows listed must all be there, in their order; anything else was
        // changed by another program, and the list starts over.
        qsizetype listed = 0;
        for (qsizetype i = 0; i < keep && listed < m_rows.size(); ++i) {
            if (read[i].id == m_rows[listed].id)
                ++listed;
        }
        if (listed < m_rows.size()) {
            beginResetModel();
            m_rows = read.first(keep);
            m_cursor = std::move(fresh);
            endResetModel();
            return;
        }
        for (qsizetype at = 0; at < keep;) {
            if (at < m_rows.size() && m_rows[at].id == read[at].id) {
                ++at;
                continue;
            }
            qsizetype end = at;
            while (end < keep && (at >= m_rows.size() || read[end].id != m_rows[at].id))
                ++end;
            beginInsertRows(QModelIndex(), int(at), int(end - 1));
            m_rows.insert(at, end - at, SavedCalculation());
            std::copy(read.begin() + at, read.begin() + end, m_rows.begin() + at);
            endInsertRows();
            at = end;
        }
        m_cursor = std::move(fresh);
    } catch (const StoreError &error) {
        fail(error);
    }
}

} // namespace ondara
