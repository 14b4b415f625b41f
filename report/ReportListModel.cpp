#include "ReportListModel.h"

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

} // namespace

std::span<const ReportColumn> reportColumns()
{
    return Columns;
}

} // namespace ondara

ReportListModel::ReportListModel(QObject *parent)
    : CalculationListModel(parent)
{
    // Each new query formats in the user's locale as it is then.
    connect(this, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_text = ondara::StoredValueText(); });
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ondara::reportColumns().size());
}

QString ReportListModel::text(int row, int column) const
{
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
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columnCount())
        return QString::fromLatin1(ondara::reportColumns()[std::size_t(section)].heading);
    return CalculationListModel::headerData(section, orientation, role);
}
