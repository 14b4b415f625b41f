#include "ChartView.h"

#include "DataFiles.h"

#include <QColor>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>

#include <cstddef>

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
    {ChartLabel::lblStartUp, 285, 4320, AutoWidth, 0x0000FFFF, "Wave 1 Start point"},
    {ChartLabel::lblEnd1Up, 320, 2180, 1215, 0x0000FFFF, "Wave 1 end point"},
    {ChartLabel::lblWav3Ext, 885, 1215, AutoWidth, 0x0000FF00, "Wave 3 Extension"},
    {ChartLabel::lblTgtWav3Up, 885, 1500, AutoWidth, 0x0000FF00, "Wave 3 target point"},
    {ChartLabel::lblWav3High, 885, 1785, AutoWidth, 0x0000FF00, "Wave 3 low point"},
    {ChartLabel::lblWav5Ext, 3705, 225, AutoWidth, 0x0000FF00, "Wave 5 extension"},
    {ChartLabel::lblTgtWav5Up, 3705, 510, AutoWidth, 0x0000FF00, "Wave 5 target point"},
    {ChartLabel::lblWav5High, 3705, 810, AutoWidth, 0x0000FF00, "Wave 5 low point"},
    {ChartLabel::lblRetLow, 1680, 3420, 1230, 0x00C0E0FF, "38% Retracement"},
    {ChartLabel::lblRetMid, 1680, 3690, 1215, 0x0080C0FF, "50% Retracement"},
    {ChartLabel::lblRetTop, 1680, 3960, 1215, 0x000080FF, "62% Retracement"},
    {ChartLabel::lblRetHigh, 1680, 4215, 1215, 0x000000FF, "75% Retracement"},
    {ChartLabel::lblStartDn, 360, 90, AutoWidth, 0x0000FFFF, "Wave 1 Start point"},
    {ChartLabel::lblEnd1Dn, 300, 2235, 1215, 0x0000FFFF, "Wave 1 end point"},
    {ChartLabel::lblWav3DnHigh, 885, 2625, AutoWidth, 0x000000FF, "Wave 3 low point"},
    {ChartLabel::lblTgtWav3Dn, 885, 2895, AutoWidth, 0x000000FF, "Wave 3 target point"},
    {ChartLabel::lblWav3DnExt, 885, 3165, AutoWidth, 0x000000FF, "Wave 3 extension"},
    {ChartLabel::lblWav5DnHigh, 3705, 3585, AutoWidth, 0x000000FF, "Wave 5 low point"},
    {ChartLabel::lblTgtWav5Dn, 3705, 3855, AutoWidth, 0x000000FF, "Wave 5 target point"},
    {ChartLabel::lblWav5DnExt, 3705, 4125, AutoWidth, 0x000000FF, "Wave 5 extension"},
    {ChartLabel::lblRetDnLow, 1680, 990, 1215, 0x00C0FFC0, "38% Retracement"},
    {ChartLabel::lblRetDnMid, 1680, 735, 1215, 0x00B0FFB0, "50% Retracement"},
    {ChartLabel::lblRetDnHigh, 1680, 450, 1215, 0x0080FF80, "62% Retracement"},
    {ChartLabel::lblRetDnTop, 1680, 180, 1215, 0x0000FF00, "75% Retracement"},
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

std::size_t indexOf(ChartLabel id)
{
    return static_cast<std::size_t>(id);
}

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

    for (const LabelLayout &layout : labelLayouts) {
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(ondara::ChartLabelName(layout.id)));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setMouseTracking(true);
        label->setToolTip(QString::fromLatin1(layout.toolTip));
        const bool autoWidth = layout.width == AutoWidth;
        label->setGeometry(toPixels(layout.left), toPixels(layout.top),
                           autoWidth ? 1 : toPixels(layout.width),
                           toPixels(autoWidth ? AutoHeightTwips : FixedHeightTwips));
        label->hide();
        m_labels[indexOf(layout.id)] = label;
        m_autoWidth[indexOf(layout.id)] = autoWidth;
        setTextColour(layout.id, layout.colour);
    }
    for (const PictureLayout &layout : pictureLayouts) {
        auto *picture = new QLabel(this);
        picture->setObjectName(QString::fromLatin1(ondara::ChartLabelName(layout.id)));
        picture->setMouseTracking(true);
        picture->setToolTip(QStringLiteral("Click to display or hide wave 1 Retracements"));
        picture->setGeometry(toPixels(layout.left), toPixels(layout.top), RetracePictureWidth,
                             RetracePictureHeight);
        picture->hide();
        m_labels[indexOf(layout.id)] = picture;
        setItemPicture(layout.id, QString::fromLatin1(layout.picture));
    }
}

QLabel *ChartView::label(ChartLabel id) const
{
    return m_labels[indexOf(id)];
}

bool ChartView::find(const QObject *object, ChartLabel &id) const
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        if (m_labels[i] == object) {
            id = static_cast<ChartLabel>(i);
            return true;
        }
    }
    return false;
}

bool ChartView::setPicture(const QString &bareName)
{
    if (!ondara::loadPicture(bareName, m_picture))
        return false;
    m_doubleSizePicture = QPixmap(ondara::findDoubleSizePicture(bareName)); // null where there is none
    m_doubleSizePicture.setDevicePixelRatio(2);
    update();
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
    if (bull)
        label(ChartLabel::lblWav3High)->move(wave1Basis ? QPoint(toPixels(885), toPixels(1785))
                                                        : QPoint(toPixels(1920), toPixels(1250)));
    else
        label(ChartLabel::lblWav3DnHigh)->move(wave1Basis ? QPoint(toPixels(885), toPixels(2625))
                                                          : QPoint(toPixels(1940), toPixels(3150)));
}

void ChartView::setLabelToolTip(ChartLabel id, const QString &tip)
{
    label(id)->setToolTip(tip);
}

void ChartView::setText(ChartLabel id, const std::string &text)
{
    setLabelText(id, QString::fromStdString(text));
}

void ChartView::setLabelText(ChartLabel id, const QString &text)
{
    if (id == ChartLabel::picBearRetrace || id == ChartLabel::picBullRetrace)
        return; // a toggle picture has no caption
    QLabel *target = label(id);
    target->setText(text);
    if (m_autoWidth[indexOf(id)])
        target->resize(qMax(1, target->fontMetrics().horizontalAdvance(text) + 2), target->height());
}

std::string ChartView::text(ChartLabel id) const
{
    return label(id)->text().toStdString();
}

void ChartView::setTextColour(ChartLabel id, BgrColour colour)
{
    QLabel *target = label(id);
    QPalette palette = target->palette();
    const QColor wanted = fromBgr(colour);
    if (palette.color(QPalette::WindowText) == wanted)
        return;
    palette.setColor(QPalette::WindowText, wanted);
    target->setPalette(palette);
}

void ChartView::setVisible(ChartLabel id, bool visible)
{
    label(id)->setVisible(visible);
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
