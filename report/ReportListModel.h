#pragma once

#include "CalculationListModel.h"
#include "LocaleFormat.h"

#include <QVariant>

#include <span>

namespace ondara {

// A column of the report list: its heading and the value it shows of a row.
struct ReportColumn
{
    const char *heading;
    QVariant (*value)(const SavedCalculation &row);
};

// The list's columns in order: the hidden ID, then the nine the user sees.
// A further column is one more entry in their table.
std::span<const ReportColumn> reportColumns();

} // namespace ondara

// The rows of the report's query as the list shows them, a column per entry
// of ReportColumns. Values are turned into text only when the list draws them.
class ReportListModel : public ondara::CalculationListModel
{
public:
    explicit ReportListModel(QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A cell as the list shows it; "" for a missing value.
    QString text(int row, int column) const;

private:
    ondara::StoredValueText m_text; // the user's locale when the model was made
};
