#pragma once

#include "LocaleFormat.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace ondara {
class RecordSet;
}

// The rows of the report's record set as the list shows them: one column per
// field, headed by its name. The values are copied once and turned into text
// only when the list draws them, so a query of tens of thousands of rows opens
// without formatting rows nobody scrolls to.
class ReportListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReportListModel(QObject *parent = nullptr);

    // Replaces the columns and rows with those of records, read from its
    // first row to its last; leaves records on its first row.
    void fill(ondara::RecordSet &records);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A cell as text: what the list shows, "" for a null.
    QString text(int row, int column) const;

private:
    QStringList m_headings;
    std::vector<QVariant> m_cells; // row after row
    int m_rows = 0;
    ondara::StoredValueText m_text;
};
