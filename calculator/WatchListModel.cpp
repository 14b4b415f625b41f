#include "WatchListModel.h"

WatchListModel::WatchListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void WatchListModel::setEntries(QStringList texts, QList<int> ids)
{
    Q_ASSERT(texts.size() == ids.size());
    beginResetModel();
    m_texts = std::move(texts);
    m_ids = std::move(ids);
    endResetModel();
}

bool WatchListModel::isEntry(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && !index.parent().isValid() && index.row() < rowCount()
        && index.column() == 0;
}

int WatchListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_texts.size());
}

QVariant WatchListModel::data(const QModelIndex &index, int role) const
{
    // The box asks for its current entry even when none is picked.
    if (!isEntry(index))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_texts.at(index.row());
    case Qt::UserRole:
        return m_ids.at(index.row());
    default:
        return {};
    }
}

bool WatchListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!isEntry(index))
        return false;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        m_texts[index.row()] = value.toString();
    else if (role == Qt::UserRole)
        m_ids[index.row()] = value.toInt();
    else
        return false;
    emit dataChanged(index, index, {role});
    return true;
}

bool WatchListModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > rowCount() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    m_texts.insert(row, count, QString());
    m_ids.insert(row, count, 0);
    endInsertRows();
    return true;
}

bool WatchListModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_texts.remove(row, count);
    m_ids.remove(row, count);
    endRemoveRows();
    return true;
}
