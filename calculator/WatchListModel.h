#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

// The entries of the watch-list box: a text and a saved row's ID each. The box's
// own item model keeps an object per entry, which at tens of thousands of saved
// calculations makes filling the list slower than reading the rows; this one
// keeps two plain lists and takes a whole list in one move.
class WatchListModel : public QAbstractListModel
{
public:
    explicit WatchListModel(QObject *parent = nullptr);

    // Replaces every entry: texts[i] stands for the row whose ID is ids[i].
    void setEntries(QStringList texts, QList<int> ids);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

private:
    bool isEntry(const QModelIndex &index) const;

    QStringList m_texts;
    QList<int> m_ids;
};
