#pragma once

#include "ChartLabels.h"
#include "WaveState.h"

// Wave targets and retracement levels of the measured wave. Every level is
// formatted, written to its label, read back and stored, so that what the
// state holds is exactly what the chart shows.
namespace ondara {

// Largest level the chart shows: beyond it a double no longer keeps the cents.
inline constexpr double MaxPriceLevel = 1e15;

// True when every level that CalcWaveTarget and CalcRetracement would compute
// for these prices stays below MaxPriceLevel (bear levels are floored at 0).
bool LevelsInRange(double start, double end, bool bull, bool wave1Basis);

// Precondition: start < end (bull) or start > end (bear), and LevelsInRange.
// Returns false, touching nothing, when the levels are out of range.
// wave1Basis: optUse1 is selected; anything else is the wave 3 basis.
bool CalcWaveTarget(WaveState &state, ChartLabels &labels, bool wave1Basis);

// Wave 1 basis only; takes its prices from dblWaveStart and dblWaveEnd, which
// Calculate has already parsed. Returns false, touching nothing, when out of range.
bool CalcRetracement(WaveState &state, ChartLabels &labels);

} // namespace ondara
