#include "ReportListModel.h"

#include "ReachedText.h"

namespace ondara {
namespace {

QVariant price(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant();
}

const ReportColumn Columns[] = {
    {"ID", [](const SavedCalculation &row) { return QVariant(row.id); }},
    {"Symbol", [](const SavedCalculation &row) { return QVariant(row.symbol); }},
    {"Date", [](const SavedCalculation &row) { return row.date.isValid() ? QVariant(row.date) : QVariant(); }},
    {"Time", [](const SavedCalculation &row) { return row.time.isValid() ? QVariant(row.time) : QVariant(); }},
    {"W1Start", [](const SavedCalculation &row) { return price(row.w1Start); }},
    {"W1End", [](const SavedCalculation &row) { return price(row.w1End); }},
    {"W3Target", [](const SavedCalculation &row) { return price(row.w3Target); }},
    {"W3Ext", [](const SavedCalculation &row) { return price(row.w3Ext); }},
    {"W5Target", [](const SavedCalculation &row) { return price(row.w5Target); }},
    {"W5Ext", [](const SavedCalculation &row) { return price(row.w5Ext); }},
};

constexpr int ReachedColumnCount = 3;

} // namespace

std::span<const ReportColumn> reportColumns()
{
    return Columns;
}

} // namespace ondara

ReportListModel::ReportListModel(ondara::CalculationStore &store, QObject *parent)
    : CalculationListModel(parent), m_store(store)
{
    follow(store);
    // Connected before any view is, so a view that learns of rows finds them checked.
    connect(this, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_text = ondara::StoredValueText(); // each new query formats in the user's locale as it is then
        m_reached.clear();
        m_failureShown = false;
    });
    connect(this, &QAbstractItemModel::modelReset, this, [this] { checkRows(0, rowCount() - 1); });
    connect(this, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { checkRows(first, last); });
    connect(&store, &ondara::CalculationStore::pricesChanged, this, &ReportListModel::checkAllRows);
}

void ReportListModel::checkRows(int first, int last)
{
    if (first > last)
        return;
    QList<ondara::SavedCalculation> rows;
    rows.reserve(last - first + 1);
    for (int row = first; row <= last; ++row)
        rows += calculation(row);
    try {
        const auto results = m_store.reached(rows);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (results[std::size_t(i)])
                m_reached.insert(rows[i].id, *results[std::size_t(i)]);
        }
    } catch (const ondara::StoreError &error) {
        // The rows show without what became of them; the user hears of it once
        // a query, after the list has taken the rows.
        if (!std::exchange(m_failureShown, true))
            QMetaObject::invokeMethod(this, [this, error] { reportError(error); }, Qt::QueuedConnection);
    }
}

void ReportListModel::checkAllRows()
{
    m_reached.clear();
    checkRows(0, rowCount() - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, firstReachedColumn()), index(rowCount() - 1, columnCount() - 1));
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : firstReachedColumn() + ondara::ReachedColumnCount;
}

std::optional<ondara::ReachedResult> ReportListModel::reached(int row) const
{
    const auto found = m_reached.constFind(calculation(row).id);
    return found == m_reached.cend() ? std::nullopt : std::optional(*found);
}

QString ReportListModel::text(int row, int column) const
{
    if (column >= firstReachedColumn())
        return ondara::reachedCells(reached(row))[std::size_t(column - firstReachedColumn())];
    return m_text(ondara::reportColumns()[std::size_t(column)].value(calculation(row)));
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return text(index.row(), index.column());
    return QVariant();
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount()) {
        if (section >= firstReachedColumn())
            return ondara::reachedHeadings().value(section - firstReachedColumn());
        return QString::fromLatin1(ondara::reportColumns()[std::size_t(section)].heading);
    }
    return CalculationListModel::headerData(section, orientation, role);
}
