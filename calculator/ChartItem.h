#pragma once

#include "ChartLabels.h"

#include <QLabel>

// One label or toggle picture laid over the chart. It takes the mouse over
// itself (moves, clicks, the right button's menu) and says so; a toggle (a
// target label or a retracement picture) can also be reached with Tab and
// pressed with Space or Enter, and tells screen readers whether its details
// are shown.
class ChartItem : public QLabel
{
    Q_OBJECT

public:
    ChartItem(ondara::ChartLabel id, QWidget *chart);

    ondara::ChartLabel id() const { return m_id; }
    bool isToggle() const;
    bool isPrice() const;

    // A toggle's details are shown.
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

signals:
    void clicked(ondara::ChartLabel id);
    void hovered(ondara::ChartLabel id);
    void menuRequested(ondara::ChartLabel id, const QPoint &globalPos);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    ondara::ChartLabel m_id;
    bool m_pressed = false;
    bool m_checked = false;
};

// Makes screen readers see toggles as check boxes with their state; installed once.
void installChartItemAccessibility();
