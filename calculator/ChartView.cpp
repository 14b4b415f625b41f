#include "ChartView.h"

#include "ChartItem.h"
#include "DataFiles.h"
#include "PriceNotation.h"

#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cstddef>
#include <numeric>

using ondara::BgrColour;
using ondara::ChartLabel;

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int AutoHeightTwips = 195; // labels that size themselves to their text
constexpr int FixedHeightTwips = 255;
constexpr int AutoWidth = 0;

int toPixels(int twips)
{
    return qRound(static_cast<double>(twips) / TwipsPerPixel);
}

QColor fromBgr(BgrColour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

struct LabelLayout {
    ChartLabel id;
    int left;
    int top;
    int width; // twips, or AutoWidth
    BgrColour colour;
    const char *toolTip;
};

// Design positions in twips, relative to the chart's top-left corner.
constexpr LabelLayout labelLayouts[] = {
    {ChartLabel::lblStartUp, 285, 4320, AutoWidth, 0x0000FFFF, QT_TRANSLATE_NOOP("ChartView", "Wave 1 Start point")},
    {ChartLabel::lblEnd1Up, 320, 2180, 1215, 0x0000FFFF, QT_TRANSLATE_NOOP("ChartView", "Wave 1 end point")},
    {ChartLabel::lblWav3Ext, 885, 1215, AutoWidth, 0x0000FF00, QT_TRANSLATE_NOOP("ChartView", "Wave 3 Extension")},
    {ChartLabel::lblTgtWav3Up, 885, 1500, AutoWidth, 0x0000FF00, QT_TRANSLATE_NOOP("ChartView", "Wave 3 target point")},
    {ChartLabel::lblWav3High, 885, 1785, AutoWidth, 0x0000FF00, QT_TRANSLATE_NOOP("ChartView", "Wave 3 low point")},
    {ChartLabel::lblWav5Ext, 3705, 225, AutoWidth, 0x0000FF00, QT_TRANSLATE_NOOP("ChartView", "Wave 5 extension")},
    {ChartLabel::lblTgtWav5Up, 3705, 510, AutoWidth, 0x0000FF00, QT_TRANSLATE_NOOP("ChartView", "Wave 5 target point")},
    {ChartLabel::lblWav5High, 3705, 810, AutoWidth, 0x0000FF00, QT_TRANSLATE_NOOP("ChartView", "Wave 5 low point")},
    {ChartLabel::lblRetLow, 1680, 3420, 1230, 0x00C0E0FF, QT_TRANSLATE_NOOP("ChartView", "38% Retracement")},
    {ChartLabel::lblRetMid, 1680, 3690, 1215, 0x0080C0FF, QT_TRANSLATE_NOOP("ChartView", "50% Retracement")},
    {ChartLabel::lblRetTop, 1680, 3960, 1215, 0x000080FF, QT_TRANSLATE_NOOP("ChartView", "62% Retracement")},
    {ChartLabel::lblRetHigh, 1680, 4215, 1215, 0x000000FF, QT_TRANSLATE_NOOP("ChartView", "75% Retracement")},
    {ChartLabel::lblStartDn, 360, 90, AutoWidth, 0x0000FFFF, QT_TRANSLATE_NOOP("ChartView", "Wave 1 Start point")},
    {ChartLabel::lblEnd1Dn, 300, 2235, 1215, 0x0000FFFF, QT_TRANSLATE_NOOP("ChartView", "Wave 1 end point")},
    {ChartLabel::lblWav3DnHigh, 885, 2625, AutoWidth, 0x000000FF, QT_TRANSLATE_NOOP("ChartView", "Wave 3 low point")},
    {ChartLabel::lblTgtWav3Dn, 885, 2895, AutoWidth, 0x000000FF, QT_TRANSLATE_NOOP("ChartView", "Wave 3 target point")},
    {ChartLabel::lblWav3DnExt, 885, 3165, AutoWidth, 0x000000FF, QT_TRANSLATE_NOOP("ChartView", "Wave 3 extension")},
    {ChartLabel::lblWav5DnHigh, 3705, 3585, AutoWidth, 0x000000FF, QT_TRANSLATE_NOOP("ChartView", "Wave 5 low point")},
    {ChartLabel::lblTgtWav5Dn, 3705, 3855, AutoWidth, 0x000000FF, QT_TRANSLATE_NOOP("ChartView", "Wave 5 target point")},
    {ChartLabel::lblWav5DnExt, 3705, 4125, AutoWidth, 0x000000FF, QT_TRANSLATE_NOOP("ChartView", "Wave 5 extension")},
    {ChartLabel::lblRetDnLow, 1680, 990, 1215, 0x00C0FFC0, QT_TRANSLATE_NOOP("ChartView", "38% Retracement")},
    {ChartLabel::lblRetDnMid, 1680, 735, 1215, 0x00B0FFB0, QT_TRANSLATE_NOOP("ChartView", "50% Retracement")},
    {ChartLabel::lblRetDnHigh, 1680, 450, 1215, 0x0080FF80, QT_TRANSLATE_NOOP("ChartView", "62% Retracement")},
    {ChartLabel::lblRetDnTop, 1680, 180, 1215, 0x0000FF00, QT_TRANSLATE_NOOP("ChartView", "75% Retracement")},
};

// The toggle pictures sit beside the retracement levels they switch, in the
// empty lower middle of the bull chart and upper middle of the bear chart.
struct PictureLayout {
    ChartLabel id;
    int left;
    int top;
    const char *picture;
};
constexpr PictureLayout pictureLayouts[] = {
    {ChartLabel::picBearRetrace, 3000, 3930, "retdnred.gif"},
    {ChartLabel::picBullRetrace, 3000, 450, "retupgreen.gif"},
};
constexpr int RetracePictureWidth = 24;
constexpr int RetracePictureHeight = 18;
constexpr int CaptionPixelSize = 9;

std::size_t indexOf(ChartLabel id)
{
    return static_cast<std::size_t>(id);
}

bool isPicture(ChartLabel id)
{
    return id == ChartLabel::picBearRetrace || id == ChartLabel::picBullRetrace;
}

// The labels a toggle picture shows and hides; the picture keeps clear of them.
constexpr ChartLabel bullRetracements[] = {ChartLabel::lblRetLow, ChartLabel::lblRetMid, ChartLabel::lblRetTop,
                                           ChartLabel::lblRetHigh};
constexpr ChartLabel bearRetracements[] = {ChartLabel::lblRetDnLow, ChartLabel::lblRetDnMid,
                                           ChartLabel::lblRetDnHigh, ChartLabel::lblRetDnTop};

} // namespace

ChartView::ChartView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(ChartWidth, ChartHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    QFont labelFont = font();
    labelFont.setPixelSize(11);
    labelFont.setBold(true);
    setFont(labelFont);

    installChartItemAccessibility();
    const auto addItem = [this](ChartLabel id) {
        auto *item = new ChartItem(id, this);
        connect(item, &ChartItem::clicked, this, &ChartView::labelClicked);
        connect(item, &ChartItem::hovered, this, &ChartView::hovered);
        connect(item, &ChartItem::menuRequested, this, &ChartView::priceMenuRequested);
        m_labels[indexOf(id)] = item;
        return item;
    };
    for (const LabelLayout &layout : labelLayouts) {
        ChartItem *label = addItem(layout.id);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setToolTip(tr(layout.toolTip));
        label->setProperty("stale", false);
        const bool autoWidth = layout.width == AutoWidth;
        const QRect design(toPixels(layout.left), toPixels(layout.top), autoWidth ? 1 : toPixels(layout.width),
                           toPixels(autoWidth ? AutoHeightTwips : FixedHeightTwips));
        label->setGeometry(design);
        label->hide();
        m_design[indexOf(layout.id)] = design;
        m_autoWidth[indexOf(layout.id)] = autoWidth;
        m_textWidth[indexOf(layout.id)] = design.width();
        setTextColour(layout.id, layout.colour);
    }
    for (const PictureLayout &layout : pictureLayouts) {
        ChartItem *picture = addItem(layout.id);
        picture->setToolTip(tr("Click to display or hide wave 1 Retracements"));
        picture->setAccessibleName(tr("Wave 1 retracements"));
        const QRect design(toPixels(layout.left), toPixels(layout.top), RetracePictureWidth, RetracePictureHeight);
        picture->setGeometry(design);
        picture->hide();
        m_design[indexOf(layout.id)] = design;
        m_textWidth[indexOf(layout.id)] = RetracePictureWidth;
        setItemPicture(layout.id, QString::fromLatin1(layout.picture));
    }

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lblComputedFrom"));
    QFont captionFont = font();
    captionFont.setPixelSize(CaptionPixelSize);
    captionFont.setBold(false);
    m_caption->setFont(captionFont);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette captionPalette = m_caption->palette();
    captionPalette.setColor(QPalette::WindowText, QColor(0xC8, 0xD2, 0xE6));
    m_caption->setPalette(captionPalette);
    m_caption->hide();
}

QLabel *ChartView::label(ChartLabel id) const
{
    return m_labels[indexOf(id)];
}

QString ChartView::levelName(ChartLabel id) const
{
    using L = ChartLabel;
    switch (id) {
    case L::lblStartUp: case L::lblStartDn: return tr("Wave 1 start");
    case L::lblEnd1Up: case L::lblEnd1Dn: return tr("Wave 1 end");
    case L::lblTgtWav3Up: case L::lblTgtWav3Dn: return tr("Wave 3 target");
    case L::lblWav3High: case L::lblWav3DnHigh:
        return m_wave1Basis[id == L::lblWav3High] ? tr("Wave 3 low point") : tr("Wave 3 end point");
    case L::lblWav3Ext: case L::lblWav3DnExt: return tr("Wave 3 extension");
    case L::lblWav5High: case L::lblWav5DnHigh: return tr("Wave 5 low point");
    case L::lblTgtWav5Up: case L::lblTgtWav5Dn: return tr("Wave 5 target");
    case L::lblWav5Ext: case L::lblWav5DnExt: return tr("Wave 5 extension");
    case L::lblRetLow: case L::lblRetDnLow: return tr("38% retracement");
    case L::lblRetMid: case L::lblRetDnMid: return tr("50% retracement");
    case L::lblRetTop: case L::lblRetDnHigh: return tr("62% retracement");
    case L::lblRetHigh: case L::lblRetDnTop: return tr("75% retracement");
    case L::picBearRetrace: case L::picBullRetrace: break;
    }
    return {};
}

void ChartView::updateAccessibleName(ChartLabel id)
{
    QLabel *target = label(id);
    target->setAccessibleName(tr("%1: %2").arg(levelName(id), target->text()));
}

void ChartView::setToggleChecked(ChartLabel id, bool checked)
{
    m_labels[indexOf(id)]->setChecked(checked);
}

bool ChartView::setPicture(const QString &bareName)
{
    if (!ondara::loadPicture(bareName, m_picture))
        return false;
    m_doubleSizePicture = QPixmap(ondara::findDoubleSizePicture(bareName)); // null where there is none
    m_doubleSizePicture.setDevicePixelRatio(2);
    update();
    // The window carries the chart's background on beyond it.
    if (parentWidget())
        parentWidget()->update(QRect(0, y(), parentWidget()->width(), height()));
    return true;
}

bool ChartView::setItemPicture(ChartLabel id, const QString &bareName)
{
    QPixmap pixmap;
    if (!ondara::loadPicture(bareName, pixmap, label(id)->devicePixelRatioF()))
        return false;
    label(id)->setPixmap(pixmap);
    return true;
}

void ChartView::placeWave3Point(bool bull, bool wave1Basis)
{
    // left, top in twips: wave 1 basis, then wave 3 basis
    const ChartLabel id = bull ? ChartLabel::lblWav3High : ChartLabel::lblWav3DnHigh;
    QPoint topLeft;
    if (bull)
        topLeft = wave1Basis ? QPoint(toPixels(885), toPixels(1785)) : QPoint(toPixels(1920), toPixels(1250));
    else
        topLeft = wave1Basis ? QPoint(toPixels(885), toPixels(2625)) : QPoint(toPixels(1940), toPixels(3150));
    m_design[indexOf(id)].moveTopLeft(topLeft);
    m_wave1Basis[bull] = wave1Basis;
    updateAccessibleName(id);
    layoutLabels();
}

void ChartView::setLabelToolTip(ChartLabel id, const QString &tip)
{
    label(id)->setToolTip(tip);
}

void ChartView::setText(ChartLabel id, const std::string &text)
{
    m_values[indexOf(id)] = ondara::parseNumber(text);
    setLabelText(id, QString::fromStdString(text));
}

void ChartView::setPrice(ChartLabel id, const std::string &text, double value)
{
    m_values[indexOf(id)] = value;
    setLabelText(id, QString::fromStdString(text));
}

void ChartView::setLabelText(ChartLabel id, const QString &text)
{
    if (isPicture(id))
        return; // a toggle picture has no caption
    label(id)->setText(text);
    updateAccessibleName(id);
    const int width = fontMetrics().horizontalAdvance(text) + 2;
    // A label of a fixed design width widens only for a text that needs it.
    m_textWidth[indexOf(id)] = m_autoWidth[indexOf(id)] ? qMax(1, width) : qMax(m_design[indexOf(id)].width(), width);
    layoutLabels();
}

std::string ChartView::text(ChartLabel id) const
{
    return label(id)->text().toStdString();
}

void ChartView::setTextColour(ChartLabel id, BgrColour colour)
{
    m_colours[indexOf(id)] = colour;
    applyColour(id);
}

void ChartView::applyColour(ChartLabel id)
{
    if (isPicture(id))
        return;
    QLabel *target = label(id);
    // Stale results are drawn as disabled text; the white of the hover
    // highlight still shows, since the labels keep answering the mouse.
    const BgrColour own = m_colours[indexOf(id)];
    const QColor wanted = m_stale && own != ondara::ColourWhite
        ? QApplication::palette().color(QPalette::Disabled, QPalette::WindowText)
        : fromBgr(own);
    QPalette palette = target->palette();
    if (palette.color(QPalette::WindowText) == wanted)
        return;
    palette.setColor(QPalette::WindowText, wanted);
    target->setPalette(palette);
}

void ChartView::setVisible(ChartLabel id, bool visible)
{
    if (label(id)->isVisibleTo(this) == visible)
        return;
    label(id)->setVisible(visible);
    layoutLabels();
}

void ChartView::setCaption(const QString &text)
{
    m_caption->setText(text);
    const int height = m_caption->fontMetrics().height();
    m_caption->setGeometry(0, ChartHeight - height, ChartWidth, height);
    m_caption->setVisible(!text.isEmpty());
    layoutLabels();
}

void ChartView::setStale(bool stale)
{
    m_stale = stale;
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        const auto id = static_cast<ChartLabel>(i);
        if (isPicture(id))
            continue;
        m_labels[i]->setProperty("stale", stale);
        applyColour(id);
    }
    QPalette captionPalette = m_caption->palette();
    captionPalette.setColor(QPalette::WindowText,
                            stale ? QApplication::palette().color(QPalette::Disabled, QPalette::WindowText)
                                  : QColor(0xC8, 0xD2, 0xE6));
    m_caption->setPalette(captionPalette);
}

// Places every shown label at its design position unless it would overlap
// another or leave the chart: then it moves up or down, never across the
// pattern, and a retracement toggle moves right of the levels it switches.
void ChartView::layoutLabels()
{
    const int bottom = m_caption->isVisibleTo(this) ? m_caption->y() : ChartHeight;
    std::array<QRect, ondara::ChartLabelCount> place{};
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        place[i] = QRect(m_design[i].topLeft(), QSize(m_textWidth[i], m_design[i].height()));
        if (m_labels[i]->isVisibleTo(this))
            shown.push_back(i);
    }
    const auto rightOfShown = [&](const auto &ids) {
        int right = 0;
        for (ChartLabel id : ids) {
            if (m_labels[indexOf(id)]->isVisibleTo(this))
                right = qMax(right, place[indexOf(id)].right() + 1);
        }
        return right;
    };
    for (auto [picture, levels] : {std::pair{ChartLabel::picBearRetrace, std::begin(bullRetracements)},
                                   std::pair{ChartLabel::picBullRetrace, std::begin(bearRetracements)}}) {
        QRect &rect = place[indexOf(picture)];
        const int clear = rightOfShown(std::array<ChartLabel, 4>{levels[0], levels[1], levels[2], levels[3]}) + 4;
        rect.moveLeft(qMax(rect.left(), clear));
    }
    for (std::size_t i : shown)
        place[i].moveLeft(qBound(0, place[i].left(), qMax(0, ChartWidth - place[i].width())));

    std::stable_sort(shown.begin(), shown.end(),
                     [&](std::size_t a, std::size_t b) { return m_design[a].top() < m_design[b].top(); });
    const auto sideBySide = [&](std::size_t a, std::size_t b) {
        return place[a].left() <= place[b].right() && place[b].left() <= place[a].right();
    };
    // Down past the labels above in the same column, then, where that ran off
    // the bottom, up again below the ones beneath.
    for (std::size_t k = 0; k < shown.size(); ++k) {
        for (std::size_t j = 0; j < k; ++j) {
            if (sideBySide(shown[j], shown[k]))
                place[shown[k]].moveTop(qMax(place[shown[k]].top(), place[shown[j]].bottom() + 1));
        }
    }
    for (std::size_t k = shown.size(); k-- > 0;) {
        QRect &rect = place[shown[k]];
        rect.moveTop(qMin(rect.top(), bottom - rect.height()));
        for (std::size_t j = k + 1; j < shown.size(); ++j) {
            if (sideBySide(shown[j], shown[k]))
                rect.moveTop(qMin(rect.top(), place[shown[j]].top() - rect.height()));
        }
        rect.moveTop(qMax(0, rect.top()));
    }
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        if (m_labels[i]->geometry() != place[i])
            m_labels[i]->setGeometry(place[i]);
    }
}

void ChartView::mouseMoveEvent(QMouseEvent *)
{
    emit backgroundHovered();
}

void ChartView::mousePressEvent(QMouseEvent *event)
{
    event->accept(); // so that the release comes here too
}

void ChartView::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(event->button());
}

void ChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    // The surface painted on, not this widget, says how dense the pixels
    // are: the screen's backing store, or a picture of the chart at 1x.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    const QPixmap &picture = ratio > 1 && !m_doubleSizePicture.isNull() ? m_doubleSizePicture : m_picture;
    if (!picture.isNull())
        painter.drawPixmap(0, 0, picture);
}
