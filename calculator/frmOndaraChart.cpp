#include "frmOndara.h"

#include "ChartView.h"

#include <QLabel>
#include <QContextMenuEvent>
#include <QMouseEvent>

// The retracement panel and the hover highlighting: clicks on the target
// labels and toggle pictures show or hide their details, and the clickable
// items light up under the mouse.

using ondara::ChartLabel;

namespace {

struct ChartHandlers {
    ChartLabel id;
    void (frmOndara::*click)();
    void (frmOndara::*move)();
};
constexpr ChartHandlers chartHandlers[] = {
    {ChartLabel::picBullRetrace, &frmOndara::picBullRetrace_Click, &frmOndara::picBullRetrace_MouseMove},
    {ChartLabel::picBearRetrace, &frmOndara::picBearRetrace_Click, &frmOndara::picBearRetrace_MouseMove},
    {ChartLabel::lblTgtWav3Up, &frmOndara::lblTgtWav3Up_Click, &frmOndara::lblTgtWav3Up_MouseMove},
    {ChartLabel::lblTgtWav3Dn, &frmOndara::lblTgtWav3Dn_Click, &frmOndara::lblTgtWav3Dn_MouseMove},
    {ChartLabel::lblTgtWav5Up, &frmOndara::lblTgtWav5Up_Click, &frmOndara::lblTgtWav5Up_MouseMove},
    {ChartLabel::lblTgtWav5Dn, &frmOndara::lblTgtWav5Dn_Click, &frmOndara::lblTgtWav5Dn_MouseMove},
    {ChartLabel::lblWav3High, nullptr, &frmOndara::lblWav3High_MouseMove},
    {ChartLabel::lblWav3Ext, nullptr, &frmOndara::lblWav3Ext_MouseMove},
    {ChartLabel::lblWav3DnHigh, nullptr, &frmOndara::lblWav3DnHigh_MouseMove},
    {ChartLabel::lblWav3DnExt, nullptr, &frmOndara::lblWav3DnExt_MouseMove},
    {ChartLabel::lblWav5High, nullptr, &frmOndara::lblWav5High_MouseMove},
    {ChartLabel::lblWav5Ext, nullptr, &frmOndara::lblWav5Ext_MouseMove},
    {ChartLabel::lblWav5DnHigh, nullptr, &frmOndara::lblWav5DnHigh_MouseMove},
    {ChartLabel::lblWav5DnExt, nullptr, &frmOndara::lblWav5DnExt_MouseMove},
};

} // namespace

bool frmOndara::filterChartEvent(ChartLabel id, QEvent *event)
{
    const ChartHandlers *handlers = nullptr;
    for (const ChartHandlers &candidate : chartHandlers) {
        if (candidate.id == id)
            handlers = &candidate;
    }
    QLabel *item = Picture1->label(id);
    const bool price = id != ChartLabel::picBullRetrace && id != ChartLabel::picBearRetrace;
    // A right click on a price offers to copy it; the chart's help is for its background.
    if (price && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        return true;
    if (price && event->type() == QEvent::ContextMenu) {
        showLevelMenu(id, static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseMove:
        // A label laid on the chart takes the moves over itself, handled or not.
        if (handlers && handlers->move)
            (this->*handlers->move)();
        return true;
    case QEvent::MouseButtonPress:
        if (!handlers || !handlers->click)
            return false;
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_chartPressed = item;
        return true;
    case QEvent::MouseButtonRelease: {
        if (!handlers || !handlers->click)
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const bool click = mouse->button() == Qt::LeftButton && m_chartPressed == item
            && item->rect().contains(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton)
            m_chartPressed = nullptr;
        if (click)
            (this->*handlers->click)();
        return true;
    }
    default:
        return false;
    }
}

void frmOndara::toggleGroup(std::initializer_list<ChartLabel> labels, bool &flag)
{
    for (ChartLabel id : labels)
        Picture1->setVisible(id, !flag);
    flag = !flag;
}

void frmOndara::picBearRetrace_Click()
{
    using L = ChartLabel;
    toggleGroup({L::lblRetLow, L::lblRetHigh, L::lblRetMid, L::lblRetTop}, m_state.bShowRetUp);
}

void frmOndara::picBullRetrace_Click()
{
    using L = ChartLabel;
    toggleGroup({L::lblRetDnLow, L::lblRetDnHigh, L::lblRetDnMid, L::lblRetDnTop}, m_state.bShowRetDn);
}

void frmOndara::lblTgtWav3Up_Click()
{
    toggleGroup({ChartLabel::lblWav3Ext, ChartLabel::lblWav3High}, m_state.bShowWav3Up);
}

void frmOndara::lblTgtWav3Dn_Click()
{
    toggleGroup({ChartLabel::lblWav3DnExt, ChartLabel::lblWav3DnHigh}, m_state.bShowWav3Dn);
}

void frmOndara::lblTgtWav5Up_Click()
{
    toggleGroup({ChartLabel::lblWav5Ext, ChartLabel::lblWav5High}, m_state.bShowWav5Up);
}

void frmOndara::lblTgtWav5Dn_Click()
{
    toggleGroup({ChartLabel::lblWav5DnExt, ChartLabel::lblWav5DnHigh}, m_state.bShowWav5Dn);
}

void frmOndara::picBullRetrace_MouseMove()
{
    if (m_state.bRetPicLit)
        return;
    m_state.bRetPicLit = true;
    Picture1->setItemPicture(ChartLabel::picBullRetrace, QStringLiteral("retupwhite.gif"));
}

void frmOndara::picBearRetrace_MouseMove()
{
    if (m_state.bRetPicLit)
        return;
    m_state.bRetPicLit = true;
    Picture1->setItemPicture(ChartLabel::picBearRetrace, QStringLiteral("retdnwhite.gif"));
}

void frmOndara::lblTgtWav3Up_MouseMove()
{
    if (m_state.bWav3TgtLit)
        return;
    m_state.bWav3TgtLit = true;
    Picture1->setTextColour(ChartLabel::lblTgtWav3Up, ondara::ColourWhite);
}

void frmOndara::lblTgtWav3Dn_MouseMove()
{
    if (m_state.bWav3TgtLit)
        return;
    m_state.bWav3TgtLit = true;
    Picture1->setTextColour(ChartLabel::lblTgtWav3Dn, ondara::ColourWhite);
}

void frmOndara::lblTgtWav5Up_MouseMove()
{
    if (m_state.bWav5TgtLit)
        return;
    m_state.bWav5TgtLit = true;
    Picture1->setTextColour(ChartLabel::lblTgtWav5Up, ondara::ColourWhite);
}

void frmOndara::lblTgtWav5Dn_MouseMove()
{
    if (m_state.bWav5TgtLit)
        return;
    m_state.bWav5TgtLit = true;
    Picture1->setTextColour(ChartLabel::lblTgtWav5Dn, ondara::ColourWhite);
}

void frmOndara::Picture1_MouseMove()
{
    if (m_state.bRetPicLit) {
        m_state.bRetPicLit = false;
        Picture1->setItemPicture(ChartLabel::picBullRetrace, QStringLiteral("retupgreen.gif"));
        Picture1->setItemPicture(ChartLabel::picBearRetrace, QStringLiteral("retdnred.gif"));
    }
    if (m_state.bWav3TgtLit) {
        m_state.bWav3TgtLit = false;
        Picture1->setTextColour(ChartLabel::lblTgtWav3Up, ondara::ColourGreen);
        Picture1->setTextColour(ChartLabel::lblTgtWav3Dn, ondara::ColourRed);
    }
    if (m_state.bWav5TgtLit) {
        m_state.bWav5TgtLit = false;
        Picture1->setTextColour(ChartLabel::lblTgtWav5Up, ondara::ColourGreen);
        Picture1->setTextColour(ChartLabel::lblTgtWav5Dn, ondara::ColourRed);
    }
}

void frmOndara::lblWav3High_MouseMove()
{
    if (!m_state.bWav3TgtLit)
        return;
    m_state.bWav3TgtLit = false;
    Picture1->setTextColour(ChartLabel::lblTgtWav3Up, ondara::ColourGreen);
}

void frmOndara::lblWav3Ext_MouseMove()
{
    lblWav3High_MouseMove();
}

void frmOndara::lblWav3DnHigh_MouseMove()
{
    if (!m_state.bWav3TgtLit)
        return;
    m_state.bWav3TgtLit = false;
    Picture1->setTextColour(ChartLabel::lblTgtWav3Dn, ondara::ColourRed);
}

void frmOndara::lblWav3DnExt_MouseMove()
{
    lblWav3DnHigh_MouseMove();
}

void frmOndara::lblWav5High_MouseMove()
{
    if (!m_state.bWav5TgtLit)
        return;
    m_state.bWav5TgtLit = false;
    Picture1->setTextColour(ChartLabel::lblTgtWav5Up, ondara::ColourGreen);
}

void frmOndara::lblWav5Ext_MouseMove()
{
    lblWav5High_MouseMove();
}

void frmOndara::lblWav5DnHigh_MouseMove()
{
    if (!m_state.bWav5TgtLit)
        return;
    m_state.bWav5TgtLit = false;
    Picture1->setTextColour(ChartLabel::lblTgtWav5Dn, ondara::ColourRed);
}

void frmOndara::lblWav5DnExt_MouseMove()
{
    lblWav5DnHigh_MouseMove();
}
