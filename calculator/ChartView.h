#pragma once

#include "ChartLabels.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>
#include <string>

class ChartItem;
class QLabel;

// The wave chart, Picture1: the chart picture with the result labels of both
// market directions and the two retracement toggle pictures laid over it.
// It is also the engine's view of those labels, so a calculation writes
// straight into what the user sees and reads back what it shows.
class ChartView : public QWidget, public ondara::ChartLabels
{
    Q_OBJECT

public:
    static constexpr int ChartWidth = 404;  // 6060 twips
    static constexpr int ChartHeight = 312; // 4680 twips

    explicit ChartView(QWidget *parent = nullptr);

    QLabel *label(ondara::ChartLabel id) const;

    // What a price label shows, as a trader names it: "Wave 5 target".
    QString levelName(ondara::ChartLabel id) const;

    // A toggle's details (its levels) are shown; screen readers say so.
    void setToggleChecked(ondara::ChartLabel id, bool checked);

    // Pictures are looked up by bare name; one that cannot be loaded leaves
    // the previous picture in place. Both return whether the picture changed.
    bool setPicture(const QString &bareName);
    bool setItemPicture(ondara::ChartLabel id, const QString &bareName);
    const QPixmap &picture() const { return m_picture; }

    // The wave 3 point label stands at the wave 1 low point or, on the wave 3
    // basis, at the end of wave 3 itself.
    void placeWave3Point(bool bull, bool wave1Basis);
    void setLabelToolTip(ondara::ChartLabel id, const QString &tip);

    using QWidget::setVisible;
    void setText(ondara::ChartLabel id, const std::string &text) override;
    void setTextColour(ondara::ChartLabel id, ondara::BgrColour colour) override;
    void setVisible(ondara::ChartLabel id, bool visible) override;
    std::string text(ondara::ChartLabel id) const;

    // A price shown as text while the label stands for value exactly (a typed
    // 12 3/8 shows as 12.38). A label written with setText stands for the
    // number its text denotes; nullopt when it shows no number.
    void setPrice(ondara::ChartLabel id, const std::string &text, double value) override;
    std::optional<double> price(ondara::ChartLabel id) const { return m_values[index(id)]; }

    // The line at the chart's bottom edge that says what the levels were
    // computed from; an empty text hides it.
    void setCaption(const QString &text);
    QLabel *caption() const { return m_caption; }

    // Results that no longer match the prices entered: every result label
    // carries the property "stale" and is drawn in the disabled text colour.
    void setStale(bool stale);
    bool isStale() const { return m_stale; }

signals:
    // The mouse on a label or toggle picture: a left click, a move over it, a
    // right click on a price (the menu that copies it).
    void labelClicked(ondara::ChartLabel id);
    void hovered(ondara::ChartLabel id);
    void priceMenuRequested(ondara::ChartLabel id, const QPoint &globalPos);
    // The mouse over the chart's background, and a button released there.
    void backgroundHovered();
    void mouseUp(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    static std::size_t index(ondara::ChartLabel id) { return static_cast<std::size_t>(id); }
    void setLabelText(ondara::ChartLabel id, const QString &text);
    void applyColour(ondara::ChartLabel id);
    void layoutLabels();

    void updateAccessibleName(ondara::ChartLabel id);

    std::array<ChartItem *, ondara::ChartLabelCount> m_labels{};
    std::array<QRect, ondara::ChartLabelCount> m_design{};
    std::array<bool, ondara::ChartLabelCount> m_autoWidth{};
    std::array<int, ondara::ChartLabelCount> m_textWidth{};
    std::array<ondara::BgrColour, ondara::ChartLabelCount> m_colours{};
    std::array<std::optional<double>, ondara::ChartLabelCount> m_values{};
    QLabel *m_caption = nullptr;
    QPixmap m_picture;
    QPixmap m_doubleSizePicture; // painted where a pixel is more than one device pixel
    bool m_stale = false;
    std::array<bool, 2> m_wave1Basis{true, true}; // bear, bull
};
