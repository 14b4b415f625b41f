#pragma once

#include <cstdint>
#include <string>

// The labels laid over the wave chart, as the engine sees them. The window
// implements this with its real labels; tests implement it with a map.
namespace ondara {

// One id per chart label of both directions, plus the two retracement toggle
// pictures (of which the engine only sets the visibility).
enum class ChartLabel {
    lblStartUp, lblEnd1Up, lblTgtWav3Up, lblWav3High, lblWav3Ext,
    lblTgtWav5Up, lblWav5High, lblWav5Ext,
    lblRetLow, lblRetMid, lblRetHigh, lblRetTop,
    picBearRetrace,

    lblStartDn, lblEnd1Dn, lblTgtWav3Dn, lblWav3DnHigh, lblWav3DnExt,
    lblTgtWav5Dn, lblWav5DnHigh, lblWav5DnExt,
    lblRetDnLow, lblRetDnMid, lblRetDnHigh, lblRetDnTop,
    picBullRetrace,
};
inline constexpr int ChartLabelCount = 26;

// The name of a label ("lblTgtWav3Up"), which is also its objectName.
const char *chartLabelName(ChartLabel label);

// Colours in the blue-green-red form 0x00BBGGRR.
using BgrColour = std::uint32_t;
inline constexpr BgrColour ColourGreen = 0x0000FF00;
inline constexpr BgrColour ColourRed = 0x000000FF;
inline constexpr BgrColour ColourYellow = 0x0000FFFF;
inline constexpr BgrColour ColourWhite = 0x00FFFFFF;
inline constexpr BgrColour ColourBlack = 0x00000000;

class ChartLabels {
public:
    virtual ~ChartLabels() = default;
    virtual void setText(ChartLabel label, const std::string &text) = 0;
    // A price shown as text that stands for value exactly (the text may be rounded).
    virtual void setPrice(ChartLabel label, const std::string &text, double value)
    {
        static_cast<void>(value);
        setText(label, text);
    }
    virtual void setTextColour(ChartLabel label, BgrColour colour) = 0;
    virtual void setVisible(ChartLabel label, bool visible) = 0;
};

// The label of each role in the bull or the bear set.
enum class LabelRole {
    Start, End1, Wav3Target, Wav3Point, Wav3Ext, Wav5Target, Wav5Point, Wav5Ext,
    Ret38, Ret50, Ret62, Ret75, RetracePicture,
};
inline constexpr int LabelRoleCount = 13;
ChartLabel labelFor(LabelRole role, bool bull);

} // namespace ondara
