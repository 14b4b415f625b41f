#include "frmOndara.h"

#include "ChartView.h"

// The retracement panel and the hover highlighting: clicks on the target
// labels and toggle pictures show or hide their details, and the clickable
// items light up under the mouse. Each is one table of which item does what.

using ondara::ChartLabel;
using ondara::WaveState;

namespace {

using L = ChartLabel;

// A click on the item shows or hides its labels, in this order, by its flag.
struct Toggle {
    ChartLabel item;
    bool WaveState::*shown;
    std::initializer_list<ChartLabel> labels;
};
const Toggle toggles[] = {
    {L::picBearRetrace, &WaveState::bShowRetUp, {L::lblRetLow, L::lblRetHigh, L::lblRetMid, L::lblRetTop}},
    {L::picBullRetrace, &WaveState::bShowRetDn, {L::lblRetDnLow, L::lblRetDnHigh, L::lblRetDnMid, L::lblRetDnTop}},
    {L::lblTgtWav3Up, &WaveState::bShowWav3Up, {L::lblWav3Ext, L::lblWav3High}},
    {L::lblTgtWav3Dn, &WaveState::bShowWav3Dn, {L::lblWav3DnExt, L::lblWav3DnHigh}},
    {L::lblTgtWav5Up, &WaveState::bShowWav5Up, {L::lblWav5Ext, L::lblWav5High}},
    {L::lblTgtWav5Dn, &WaveState::bShowWav5Dn, {L::lblWav5DnExt, L::lblWav5DnHigh}},
};

// The mouse over the item lights a target (its text white, or a toggle
// picture's white variant) or, over a detail label, puts its target out again.
struct Hover {
    ChartLabel item;
    bool lights;
    bool WaveState::*lit;
    ChartLabel target;
    ondara::BgrColour colour; // the target's text after the move
    const char *picture;      // a toggle picture's lit variant
};
constexpr auto White = ondara::ColourWhite;
constexpr auto Green = ondara::ColourGreen;
constexpr auto Red = ondara::ColourRed;
const Hover hovers[] = {
    {L::picBullRetrace, true, &WaveState::bRetPicLit, L::picBullRetrace, White, "retupwhite.gif"},
    {L::picBearRetrace, true, &WaveState::bRetPicLit, L::picBearRetrace, White, "retdnwhite.gif"},
    {L::lblTgtWav3Up, true, &WaveState::bWav3TgtLit, L::lblTgtWav3Up, White, nullptr},
    {L::lblTgtWav3Dn, true, &WaveState::bWav3TgtLit, L::lblTgtWav3Dn, White, nullptr},
    {L::lblTgtWav5Up, true, &WaveState::bWav5TgtLit, L::lblTgtWav5Up, White, nullptr},
    {L::lblTgtWav5Dn, true, &WaveState::bWav5TgtLit, L::lblTgtWav5Dn, White, nullptr},
    {L::lblWav3High, false, &WaveState::bWav3TgtLit, L::lblTgtWav3Up, Green, nullptr},
    {L::lblWav3Ext, false, &WaveState::bWav3TgtLit, L::lblTgtWav3Up, Green, nullptr},
    {L::lblWav3DnHigh, false, &WaveState::bWav3TgtLit, L::lblTgtWav3Dn, Red, nullptr},
    {L::lblWav3DnExt, false, &WaveState::bWav3TgtLit, L::lblTgtWav3Dn, Red, nullptr},
    {L::lblWav5High, false, &WaveState::bWav5TgtLit, L::lblTgtWav5Up, Green, nullptr},
    {L::lblWav5Ext, false, &WaveState::bWav5TgtLit, L::lblTgtWav5Up, Green, nullptr},
    {L::lblWav5DnHigh, false, &WaveState::bWav5TgtLit, L::lblTgtWav5Dn, Red, nullptr},
    {L::lblWav5DnExt, false, &WaveState::bWav5TgtLit, L::lblTgtWav5Dn, Red, nullptr},
};

} // namespace

void frmOndara::chartItem_Click(ChartLabel id)
{
    for (const Toggle &toggle : toggles) {
        if (toggle.item != id)
            continue;
        // From the flag, not from what the labels show now.
        bool &shown = m_state.*toggle.shown;
        for (ChartLabel label : toggle.labels)
            Picture1->setVisible(label, !shown);
        shown = !shown;
        Picture1->setToggleChecked(id, shown);
    }
}

void frmOndara::chartItem_MouseMove(ChartLabel id)
{
    for (const Hover &hover : hovers) {
        // Repeated moves change nothing once the highlight is as it should be.
        if (hover.item != id || m_state.*hover.lit == hover.lights)
            continue;
        m_state.*hover.lit = hover.lights;
        if (hover.picture)
            Picture1->setItemPicture(hover.target, QString::fromLatin1(hover.picture));
        else
            Picture1->setTextColour(hover.target, hover.colour);
    }
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
        Picture1->setTextColour(ChartLabel::lblTgtWav3Up, Green);
        Picture1->setTextColour(ChartLabel::lblTgtWav3Dn, Red);
    }
    if (m_state.bWav5TgtLit) {
        m_state.bWav5TgtLit = false;
        Picture1->setTextColour(ChartLabel::lblTgtWav5Up, Green);
        Picture1->setTextColour(ChartLabel::lblTgtWav5Dn, Red);
    }
}
