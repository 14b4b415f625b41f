#include "WaveCalc.h"

#include "PriceNotation.h"

#include <array>
#include <cmath>

namespace ondara {
namespace {

struct Level {
    LabelRole role;
    double factor;
    double WaveState::*variable;
    bool *visibleFlag; // nullptr: always visible
};

// Writes the level as the chart shows it and returns the number the label now
// denotes, so that stored and shown values agree.
double showPriceLevel(ChartLabels &labels, ChartLabel label, double value, Mask mask)
{
    const std::string text = FormatMask(value, mask).value_or(std::string());
    labels.setText(label, text);
    if (const auto shown = ParseNumber(labels.text(label)))
        return *shown;
    return ParseNumber(text).value_or(0);
}

bool belowMaximum(double price)
{
    return price > -MaxPriceLevel && price < MaxPriceLevel;
}

} // namespace

bool LevelsInRange(double start, double end, bool bull, bool wave1Basis)
{
    if (!belowMaximum(start) || !belowMaximum(end))
        return false;
    if (!bull)
        return true; // every bear level lies between 0 and the end price
    const double highestFactor = wave1Basis ? 2.618 : 1.618;
    return belowMaximum(end + (end - start) * highestFactor);
}

bool CalcWaveTarget(WaveState &state, ChartLabels &labels, bool wave1Basis)
{
    const bool bull = state.bBullMarket;
    if (!LevelsInRange(state.dblWaveStart, state.dblWaveEnd, bull, wave1Basis))
        return false;

    state.dblWaveLength = bull ? state.dblWaveEnd - state.dblWaveStart
                               : state.dblWaveStart - state.dblWaveEnd;
    const auto levelFor = [&](double factor) {
        const double move = factor == 1.0 ? state.dblWaveLength : state.dblWaveLength * factor;
        if (bull)
            return state.dblWaveEnd + move;
        const double level = state.dblWaveEnd - move;
        return level < 0 ? 0.0 : level;
    };

    bool *const show3 = bull ? &state.bShowWav3Up : &state.bShowWav3Dn;
    bool *const show5 = bull ? &state.bShowWav5Up : &state.bShowWav5Dn;
    const ChartLabel wav3Point = LabelFor(LabelRole::Wav3Point, bull);

    std::array<Level, 6> levels{};
    std::size_t count = 0;
    if (wave1Basis) {
        labels.setTextColour(wav3Point, bull ? ColourGreen : ColourRed);
        levels = {{
            {LabelRole::Wav3Target, 0.75, &WaveState::dblWav3Target, nullptr},
            {LabelRole::Wav3Point, 0.618, &WaveState::dblWav3Point, show3},
            {LabelRole::Wav3Ext, 1.0, &WaveState::dblWav3Ext, show3},
            {LabelRole::Wav5Point, 1.618, &WaveState::dblWav5Point, show5},
            {LabelRole::Wav5Target, 1.75, &WaveState::dblWav5Target, nullptr},
            {LabelRole::Wav5Ext, 2.618, &WaveState::dblWav5Ext, show5},
        }};
        count = 6;
    } else {
        // The entered prices are wave 3 itself: its end point is shown, nothing projected.
        labels.setVisible(LabelFor(LabelRole::Wav3Ext, bull), false);
        labels.setVisible(LabelFor(LabelRole::Wav3Target, bull), false);
        state.dblWav3Point = showPriceLevel(labels, wav3Point, state.dblWaveEnd, Mask::HashDot00);
        labels.setTextColour(wav3Point, ColourYellow);
        levels = {{
            {LabelRole::Wav5Point, 0.618, &WaveState::dblWav5Point, show5},
            {LabelRole::Wav5Target, 0.75, &WaveState::dblWav5Target, nullptr},
            {LabelRole::Wav5Ext, 1.618, &WaveState::dblWav5Ext, show5},
        }};
        count = 3;
    }

    for (std::size_t i = 0; i < count; ++i) {
        const Level &level = levels[i];
        const ChartLabel label = LabelFor(level.role, bull);
        state.*level.variable = showPriceLevel(labels, label, levelFor(level.factor), Mask::HashDot00);
        labels.setVisible(label, level.visibleFlag ? *level.visibleFlag : true);
    }
    return true;
}

bool CalcRetracement(WaveState &state, ChartLabels &labels)
{
    const bool bull = state.bBullMarket;
    const double start = state.dblWaveStart;
    const double end = state.dblWaveEnd;
    if (!LevelsInRange(start, end, bull, true))
        return false;

    struct Retracement {
        double factor;
        LabelRole role;
        double WaveState::*variable;
    };
    static constexpr std::array<Retracement, 4> retracements = {{
        {0.75, LabelRole::Ret75, &WaveState::dblRet75},
        {0.618, LabelRole::Ret62, &WaveState::dblRet62},
        {0.5, LabelRole::Ret50, &WaveState::dblRet50},
        {0.38, LabelRole::Ret38, &WaveState::dblRet38},
    }};
    const bool visible = bull ? state.bShowRetUp : state.bShowRetDn;
    for (const Retracement &r : retracements) {
        const double level = bull ? end - (end - start) * r.factor : (start - end) * r.factor + end;
        const ChartLabel label = LabelFor(r.role, bull);
        state.*r.variable = showPriceLevel(labels, label, level, Mask::ZeroDot00);
        labels.setVisible(label, visible);
    }
    labels.setVisible(LabelFor(LabelRole::RetracePicture, bull), true);
    return true;
}

} // namespace ondara
