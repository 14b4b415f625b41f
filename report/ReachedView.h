#pragma once

#include "LevelsText.h"
#include "PriceBar.h"
#include "ReachedLevels.h"
#include "SavedCalculation.h"

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QScatterSeries>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QDateTimeAxis;
class QGraphicsSimpleTextItem;
class QLabel;
class QLineSeries;
class QPushButton;

namespace ondara {

// Writes a price as the windows show prices: decimals or fractions, at the
// precision the user sees.
using PriceWriter = std::function<QString(double)>;

// What became of one saved calculation, drawn: the daily closes from its date
// with the range of each day behind them, its levels and start price as
// horizontal lines labelled at the right, a marker on the first day each level
// was reached and the day the count was invalidated. A trader checks a count
// at a glance here, and copies or saves the picture for a journal or a mail.
class ReachedView : public QDialog
{
    Q_OBJECT

public:
    // "W5 target", in the user's language.
    static QString levelName(ondara::WaveLevel level);

    // bars: the symbol's days from the calculation's date on, oldest first;
    // result: what the reached-levels check found for them. writePrice writes
    // the levels' prices; two decimals without one.
    ReachedView(const SavedCalculation &calculation, const std::optional<ReachedResult> &result,
                const QList<PriceBar> &bars, PriceWriter writePrice = {}, QWidget *parent = nullptr);
    ~ReachedView() override;

    // The copied text: a heading line, then the start, each level (with the
    // day it was first reached), the extreme and the invalid day, one a line,
    // name and value separated by a tab. Empty when there is nothing to chart.
    QString levelsText() const;

    // The chart as it stands on the screen, at the screen's pixel density;
    // null when there is nothing to chart.
    QPixmap chartPicture() const;

    // Writes the chart to path: a PDF whose text can be searched and copied
    // when path ends in ".pdf", else a PNG of chartPicture()'s pixels. The file
    // takes its name only once complete. Throws SaveError.
    void saveChart(const QString &path) const;

private:
    struct LevelLabel
    {
        QGraphicsSimpleTextItem *item;
        double price;
    };

    void buildChart(const ReachedResult &result, const QList<PriceBar> &bars);
    QLineSeries *addLine(const QString &name, const QList<QPointF> &points, const QPen &pen);
    void addMarks(const QString &name, const QList<QPointF> &points, const QColor &color,
                  QScatterSeries::MarkerShape shape);
    void addLevelLabel(const QString &text, double price, const QColor &color);
    void fitPlotArea();
    void placeLevelLabels();
    QString caption() const;

    void cmdCopy_Click();
    void cmdSave_Click();

    SavedCalculation m_calculation;
    PriceWriter m_writePrice;
    QString m_heading;
    QList<LevelLine> m_levels;
    QChart *m_chart = nullptr;
    QChartView *m_chartView = nullptr;
    QDateTimeAxis *m_axisX = nullptr;
    qint64 m_days = 0; // from the first day of the chart to the last
    QLineSeries *m_anchor = nullptr; // the series the labels are placed by
    std::vector<LevelLabel> m_labels;
    QLabel *lblNoPrices = nullptr;
    QPushButton *cmdCopy = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace ondara
