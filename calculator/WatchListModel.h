#pragma once

#include "CalculationListModel.h"
#include "WatchListText.h"

// The entries of the watch-list box, read from the store a page at a time as
// the box's list scrolls: each entry is a saved row's text (symbol, date and
// time) with the row's ID as its item data. Texts are made when the box
// draws them, so a long list costs what the user scrolls through.
class WatchListModel : public ondara::CalculationListModel
{
public:
    explicit WatchListModel(QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    mutable WatchListText m_text; // remembers each day's text
};
