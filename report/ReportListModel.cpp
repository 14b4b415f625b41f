#include "ReportListModel.h"

#include "RecordSet.h"

ReportListModel::ReportListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReportListModel::fill(ondara::RecordSet &records)
{
    QStringList headings;
    const int fields = records.fieldCount();
    for (int field = 0; field < fields; ++field)
        headings += records.fieldName(field);

    const int count = records.recordCount();
    std::vector<QVariant> cells;
    cells.reserve(std::size_t(count) * std::size_t(fields));
    if (count > 0)
        records.moveFirst();
    for (int row = 0; row < count; ++row) {
        for (int field = 0; field < fields; ++field)
            cells.push_back(records.field(field));
        records.moveNext();
    }
    if (count > 0)
        records.moveFirst();

    beginResetModel();
    m_headings = headings;
    m_cells = std::move(cells);
    m_rows = count;
    // The user's locale as it is now: a list filled again follows a changed one.
    m_text = ondara::StoredValueText();
    endResetModel();
}

int ReportListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int ReportListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headings.size());
}

QString ReportListModel::text(int row, int column) const
{
    return m_text(m_cells[std::size_t(row) * std::size_t(m_headings.size()) + std::size_t(column)]);
}

QVariant ReportListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || index.column() >= m_headings.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return text(index.row(), index.column());
    return QVariant();
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headings.size())
        return m_headings[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}
