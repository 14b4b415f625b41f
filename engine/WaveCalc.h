#pragma once

#include "ChartLabels.h"
#include "WaveState.h"

#include <array>
#include <optional>
#include <string>

// Wave targets and retracement levels of the measured wave. computeLevels
// works out every level of one calculation, already rounded to what the chart
// shows; CalcWaveTarget and CalcRetracement draw it on the labels and keep the
// shown numbers in the window state.
namespace ondara {

// Largest level the chart shows: beyond it a double no longer keeps the cents.
inline constexpr double MaxPriceLevel = 1e15;

// True when every level of these prices stays below MaxPriceLevel (bear levels
// are floored at 0).
bool levelsInRange(double start, double end, bool bull, bool wave1Basis);

// A price as the chart shows it: text is value written with the label's mask.
struct PriceLevel {
    double value = 0;
    std::string text;
};

// All levels of one calculation, by the role of the label that shows each.
// Start and End1 hold the two prices themselves (End1 on the wave 1 basis
// only); on the wave 3 basis Wav3Point holds the end of wave 3, and the wave 3
// target and extension and the retracements have no level.
struct WaveLevels {
    bool bull = true;
    bool wave1Basis = true;
    int decimals = 2;
    double length = 0;
    std::array<std::optional<PriceLevel>, LabelRoleCount> levels;

    const std::optional<PriceLevel> &operator[](LabelRole role) const
    {
        return levels[static_cast<std::size_t>(role)];
    }
};

// Every level of the measured wave from start to end, each rounded to decimals
// places (a half away from zero) as its label shows it. Precondition:
// start < end for a bull market, start > end for a bear one. nullopt when the
// levels would leave the chart's range.
std::optional<WaveLevels> computeLevels(double start, double end, bool bull, bool wave1Basis, int decimals);

// The wave 3 and wave 5 levels drawn on the labels of state.bBullMarket's set,
// with state.nDecimals decimals, and stored as shown. Precondition as above.
// Returns false, touching nothing, when the levels are out of range.
// wave1Basis: optUse1 is selected; anything else is the wave 3 basis.
bool CalcWaveTarget(WaveState &state, ChartLabels &labels, bool wave1Basis);

// The retracements of wave 1, drawn and stored the same way, from
// dblWaveStart and dblWaveEnd. Returns false, touching nothing, when out of range.
bool CalcRetracement(WaveState &state, ChartLabels &labels);

} // namespace ondara
