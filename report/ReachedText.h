#pragma once

#include "CalculationsCsv.h"
#include "ReachedLevels.h"

#include <QString>
#include <QStringList>

#include <optional>

// What became of a saved calculation, in words: the report list's three last
// columns, the same cells at the end of the printed table and of an exported
// file, and the prices of the view of one calculation.
namespace ondara {

// Two decimals, or as many as the price carries up to six, with no digit
// before the point below 1 (".50"), a half rounding away from zero.
QString reachedPriceText(double price);

// "Reached", "Extreme", "Invalid", in the user's language.
QStringList reachedHeadings();

// The furthest level reached with its day ("W5 target 37.50 on 2026-03-04",
// or "not reached"), the extreme price since and the day the count broke
// (empty while it holds). All three are empty without a result: no prices
// after the calculation's date say nothing either way.
ReachedCells reachedCells(const std::optional<ReachedResult> &result);

} // namespace ondara
