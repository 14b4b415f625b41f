#include "ChartLabels.h"

#include <array>
#include <cstddef>

namespace ondara {

const char *chartLabelName(ChartLabel label)
{
    static constexpr std::array<const char *, ChartLabelCount> names = {
        "lblStartUp", "lblEnd1Up", "lblTgtWav3Up", "lblWav3High", "lblWav3Ext",
        "lblTgtWav5Up", "lblWav5High", "lblWav5Ext",
        "lblRetLow", "lblRetMid", "lblRetHigh", "lblRetTop",
        "picBearRetrace",
        "lblStartDn", "lblEnd1Dn", "lblTgtWav3Dn", "lblWav3DnHigh", "lblWav3DnExt",
        "lblTgtWav5Dn", "lblWav5DnHigh", "lblWav5DnExt",
        "lblRetDnLow", "lblRetDnMid", "lblRetDnHigh", "lblRetDnTop",
        "picBullRetrace",
    };
    return names[static_cast<std::size_t>(label)];
}

ChartLabel labelFor(LabelRole role, bool bull)
{
    using L = ChartLabel;
    switch (role) {
    case LabelRole::Start: return bull ? L::lblStartUp : L::lblStartDn;
    case LabelRole::End1: return bull ? L::lblEnd1Up : L::lblEnd1Dn;
    case LabelRole::Wav3Target: return bull ? L::lblTgtWav3Up : L::lblTgtWav3Dn;
    case LabelRole::Wav3Point: return bull ? L::lblWav3High : L::lblWav3DnHigh;
    case LabelRole::Wav3Ext: return bull ? L::lblWav3Ext : L::lblWav3DnExt;
    case LabelRole::Wav5Target: return bull ? L::lblTgtWav5Up : L::lblTgtWav5Dn;
    case LabelRole::Wav5Point: return bull ? L::lblWav5High : L::lblWav5DnHigh;
    case LabelRole::Wav5Ext: return bull ? L::lblWav5Ext : L::lblWav5DnExt;
    // The bull chart's 75% level sits lowest (lblRetHigh), the bear chart's highest (lblRetDnTop).
    case LabelRole::Ret38: return bull ? L::lblRetLow : L::lblRetDnLow;
    case LabelRole::Ret50: return bull ? L::lblRetMid : L::lblRetDnMid;
    case LabelRole::Ret62: return bull ? L::lblRetTop : L::lblRetDnHigh;
    case LabelRole::Ret75: return bull ? L::lblRetHigh : L::lblRetDnTop;
    case LabelRole::RetracePicture: return bull ? L::picBearRetrace : L::picBullRetrace;
    }
    return L::lblStartUp;
}

} // namespace ondara
