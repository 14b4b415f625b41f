#include "WaveCalc.h"

#include "PriceNotation.h"

namespace ondara {
namespace {

bool belowMaximum(double price)
{
    return price > -MaxPriceLevel && price < MaxPriceLevel;
}

std::size_t indexOf(LabelRole role)
{
    return static_cast<std::size_t>(role);
}

// Rounds value to what its label shows; the level is the number that text denotes.
PriceLevel shownLevel(double value, Mask mask, int decimals)
{
    PriceLevel level;
    level.text = formatMask(value, mask, decimals).value_or(std::string());
    level.value = parseNumber(level.text).value_or(0);
    return level;
}

// A price the user gave: shown with the mask, kept exactly as given.
PriceLevel shownPrice(double value, int decimals)
{
    return {value, formatMask(value, Mask::HashDot00, decimals).value_or(std::string())};
}

// Writes one level on its label and keeps the shown number; visible tells the
// label's visibility afterwards, nullptr leaving it as it is.
void drawLevel(const WaveLevels &levels, LabelRole role, WaveState &state, double WaveState::*variable,
               ChartLabels &labels, const bool *visible)
{
    const PriceLevel &level = *levels[role];
    const ChartLabel label = labelFor(role, levels.bull);
    labels.setPrice(label, level.text, level.value);
    state.*variable = level.value;
    if (visible)
        labels.setVisible(label, *visible);
}

} // namespace

bool levelsInRange(double start, double end, bool bull, bool wave1Basis)
{
    if (!belowMaximum(start) || !belowMaximum(end))
        return false;
    if (!bull)
        return true; // every bear level lies between 0 and the end price
    const double highestFactor = wave1Basis ? 2.618 : 1.618;
    return belowMaximum(end + (end - start) * highestFactor);
}

std::optional<WaveLevels> computeLevels(double start, double end, bool bull, bool wave1Basis, int decimals)
{
    if (!levelsInRange(start, end, bull, wave1Basis))
        return std::nullopt;
    WaveLevels result;
    result.bull = bull;
    result.wave1Basis = wave1Basis;
    result.decimals = decimals;
    result.length = bull ? end - start : start - end;

    // Product first; a factor of 1 adds the length itself. Bear levels stop at 0.
    const auto target = [&](double factor) {
        const double move = factor == 1.0 ? result.length : result.length * factor;
        if (bull)
            return end + move;
        const double level = end - move;
        return level < 0 ? 0.0 : level;
    };
    const auto set = [&](LabelRole role, PriceLevel level) { result.levels[indexOf(role)] = std::move(level); };
    const auto setTarget = [&](LabelRole role, double factor) {
        set(role, shownLevel(target(factor), Mask::HashDot00, decimals));
    };

    set(LabelRole::Start, shownPrice(start, decimals));
    if (wave1Basis) {
        set(LabelRole::End1, shownPrice(end, decimals));
        setTarget(LabelRole::Wav3Target, 0.75);
        setTarget(LabelRole::Wav3Point, 0.618);
        setTarget(LabelRole::Wav3Ext, 1.0);
        setTarget(LabelRole::Wav5Point, 1.618);
        setTarget(LabelRole::Wav5Target, 1.75);
        setTarget(LabelRole::Wav5Ext, 2.618);
        // Difference first, then the product; no floor, every level lies between the prices.
        const auto retracement = [&](LabelRole role, double factor) {
            const double level = bull ? end - (end - start) * factor : (start - end) * factor + end;
            set(role, shownLevel(level, Mask::ZeroDot00, decimals));
        };
        retracement(LabelRole::Ret75, 0.75);
        retracement(LabelRole::Ret62, 0.618);
        retracement(LabelRole::Ret50, 0.5);
        retracement(LabelRole::Ret38, 0.38);
    } else {
        // The entered prices are wave 3 itself: its end is shown, nothing of wave 3 projected.
        set(LabelRole::Wav3Point, shownPrice(end, decimals));
        setTarget(LabelRole::Wav5Point, 0.618);
        setTarget(LabelRole::Wav5Target, 0.75);
        setTarget(LabelRole::Wav5Ext, 1.618);
    }
    return result;
}

bool CalcWaveTarget(WaveState &state, ChartLabels &labels, bool wave1Basis)
{
    const bool bull = state.bBullMarket;
    const auto levels = computeLevels(state.dblWaveStart, state.dblWaveEnd, bull, wave1Basis, state.nDecimals);
    if (!levels)
        return false;
    state.dblWaveLength = levels->length;

    const bool *const show3 = bull ? &state.bShowWav3Up : &state.bShowWav3Dn;
    const bool *const show5 = bull ? &state.bShowWav5Up : &state.bShowWav5Dn;
    static constexpr bool always = true;
    const ChartLabel wav3Point = labelFor(LabelRole::Wav3Point, bull);
    if (wave1Basis) {
        labels.setTextColour(wav3Point, bull ? ColourGreen : ColourRed);
        drawLevel(*levels, LabelRole::Wav3Target, state, &WaveState::dblWav3Target, labels, &always);
        drawLevel(*levels, LabelRole::Wav3Point, state, &WaveState::dblWav3Point, labels, show3);
        drawLevel(*levels, LabelRole::Wav3Ext, state, &WaveState::dblWav3Ext, labels, show3);
    } else {
        labels.setVisible(labelFor(LabelRole::Wav3Ext, bull), false);
        labels.setVisible(labelFor(LabelRole::Wav3Target, bull), false);
        drawLevel(*levels, LabelRole::Wav3Point, state, &WaveState::dblWav3Point, labels, nullptr);
        labels.setTextColour(wav3Point, ColourYellow);
    }
    drawLevel(*levels, LabelRole::Wav5Point, state, &WaveState::dblWav5Point, labels, show5);
    drawLevel(*levels, LabelRole::Wav5Target, state, &WaveState::dblWav5Target, labels, &always);
    drawLevel(*levels, LabelRole::Wav5Ext, state, &WaveState::dblWav5Ext, labels, show5);
    return true;
}

bool CalcRetracement(WaveState &state, ChartLabels &labels)
{
    const bool bull = state.bBullMarket;
    const auto levels = computeLevels(state.dblWaveStart, state.dblWaveEnd, bull, true, state.nDecimals);
    if (!levels)
        return false;
    const bool *const visible = bull ? &state.bShowRetUp : &state.bShowRetDn;
    drawLevel(*levels, LabelRole::Ret75, state, &WaveState::dblRet75, labels, visible);
    drawLevel(*levels, LabelRole::Ret62, state, &WaveState::dblRet62, labels, visible);
    drawLevel(*levels, LabelRole::Ret50, state, &WaveState::dblRet50, labels, visible);
    drawLevel(*levels, LabelRole::Ret38, state, &WaveState::dblRet38, labels, visible);
    labels.setVisible(labelFor(LabelRole::RetracePicture, bull), true);
    return true;
}

} // namespace ondara
