#pragma once

// The calculator window's state: the prices as Calculate read them, every level
// as shown on the chart, and the window's flags. All zero or false when the
// window is created.
namespace ondara {

struct WaveState {
    double dblWaveStart = 0;
    double dblWaveEnd = 0;
    double dblWaveLength = 0;
    double dblWav3Point = 0;
    double dblWav3Target = 0;
    double dblWav3Ext = 0;
    double dblWav5Point = 0;
    double dblWav5Target = 0;
    double dblWav5Ext = 0;
    double dblRet38 = 0;
    double dblRet50 = 0;
    double dblRet62 = 0;
    double dblRet75 = 0;
    // Decimals of every price and level on the chart: two, or as many as a
    // typed or recalled price carries, up to six.
    int nDecimals = 2;

    bool bBullMarket = false;
    bool bUseWave1 = false;
    bool bShowFractions = false;
    bool bShowWav3Up = false;
    bool bShowWav3Dn = false;
    bool bShowWav5Up = false;
    bool bShowWav5Dn = false;
    bool bShowRetUp = false;
    bool bShowRetDn = false;
    bool bRetPicLit = false;
    bool bWav3TgtLit = false;
    bool bWav5TgtLit = false;
};

} // namespace ondara
