#pragma once

#include "CalculationListModel.h"
#include "LocaleFormat.h"
#include "ReachedLevels.h"

#include <QHash>
#include <QVariant>

#include <span>

namespace ondara {

// A column of the report list: its heading and the value it shows of a row.
struct ReportColumn
{
    const char *heading;
    QVariant (*value)(const SavedCalculation &row);
};

// The columns of the saved rows in order: the hidden ID, then the nine the
// user sees. A further column of the row is one more entry in their table.
std::span<const ReportColumn> reportColumns();

} // namespace ondara

// The rows of the report's query as the list shows them: a column per entry
// of reportColumns, then what became of each row against the prices after
// its date (Reached, Extreme, Invalid). Values are turned into text only when
// the list draws them. The prices are checked for the rows as they are read,
// a page at a time, and again for every row read when the store's prices change.
class ReportListModel : public ondara::CalculationListModel
{
    Q_OBJECT

public:
    // Lists and checks rows of store, and follows its rows and prices.
    explicit ReportListModel(ondara::CalculationStore &store, QObject *parent = nullptr);

    // The first of the three columns of what became of a row.
    static int firstReachedColumn() { return int(ondara::reportColumns().size()); }

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A cell as the list shows it; "" for a missing value.
    QString text(int row, int column) const;
    // What the prices after the row's date say of it; empty without such prices.
    std::optional<ondara::ReachedResult> reached(int row) const;

private:
    void checkRows(int first, int last);
    void checkAllRows();

    ondara::CalculationStore &m_store;
    ondara::StoredValueText m_text; // the user's locale when the model was made
    QHash<qint64, ondara::ReachedResult> m_reached; // by ID; rows without a result have none
    bool m_failureShown = false;
};
