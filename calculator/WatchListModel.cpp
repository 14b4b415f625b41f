#include "WatchListModel.h"

WatchListModel::WatchListModel(QObject *parent)
    : CalculationListModel(parent)
{
    // Each refill writes dates and times in the user's locale as it is then.
    connect(this, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_text = WatchListText(); });
}

int WatchListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant WatchListModel::data(const QModelIndex &index, int role) const
{
    // The box asks for its current entry even when none is picked.
    if (!index.isValid() || index.row() >= rowCount() || index.column() != 0)
        return {};
    const ondara::SavedCalculation &row = calculation(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_text.entry(row.symbol, row.date.isValid() ? QVariant(row.date) : QVariant(),
                            row.time.isValid() ? QVariant(row.time) : QVariant());
    case Qt::UserRole:
        return QVariant::fromValue<qint64>(row.id);
    default:
        return {};
    }
}
