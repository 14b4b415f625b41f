#pragma once

#include "CalculationStore.h"
#include "StoreError.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>
#include <optional>

namespace ondara {

// The rows of one query of the store as a list holds them: a page is read
// when the list opens and further pages as the view scrolls to its end
// (canFetchMore / fetchMore), so a list costs what it shows, not what the
// file holds. It follows the store: rows removed leave it at once, and rows
// added take their places among the rows already read, so a view keeps its
// current row, selection and scroll position. Subclasses give the columns.
class CalculationListModel : public QAbstractTableModel
{
public:
    using Query = std::function<CalculationCursor()>;
    using ErrorHandler = std::function<void(const StoreError &)>;

    // The first page; each later one is as long as the list already is, up to
    // LargestPage, so scrolling through a long list costs a few reads (and a
    // few layouts of the view) rather than one per screenful.
    static constexpr int PageSize = 200;
    static constexpr int LargestPage = 5000;

    explicit CalculationListModel(QObject *parent = nullptr);

    // Rows added or removed through store from now on show here.
    void follow(CalculationStore &store);
    // Failures while a view fetches or the list follows the store, where no caller could catch them.
    void setErrorHandler(ErrorHandler handler) { m_onError = std::move(handler); }

    // Lists the first page of query's rows. Throws StoreError and keeps the
    // rows it had when the first page cannot be read.
    void setQuery(Query query);
    // Reads the first page of the query again.
    void reload();

    const SavedCalculation &calculation(int row) const { return m_rows.at(row); }
    // -1 when no row read so far has that ID.
    int rowOf(qint64 id) const;
    // Reads pages until the row with that ID is among them; -1 when the query has none.
    int fetchUntil(qint64 id);
    // Reads every row not read yet, in one insertion.
    void fetchAll();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    bool canFetchMore(const QModelIndex &parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex &parent = QModelIndex()) override;

protected:
    // Hands a failure to the error handler, for subclasses that meet one while following.
    void reportError(const StoreError &error) const;

private:
    void readPage(); // throws
    void append(QList<SavedCalculation> rows);
    void storeAdded(const QList<qint64> &ids);
    void storeRemoved(const QList<qint64> &ids);
    void fail(const StoreError &error);

    Query m_query;
    std::optional<CalculationCursor> m_cursor; // empty: nothing more to read
    QList<SavedCalculation> m_rows;
    ErrorHandler m_onError;
};

} // namespace ondara
