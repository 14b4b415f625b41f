#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// What became of one saved calculation: which of its levels the daily prices
// after its date reached and on which day first, the extreme price since, and
// the first day the count was invalidated (the price went back past the
// measured wave's start). Days are plain day numbers (the store uses Julian
// days), so the engine stays free of any calendar type.
namespace ondara {

enum class WaveLevel { W3Target, W3Ext, W5Target, W5Ext };

// "W3 target", "W3 ext", "W5 target", "W5 ext".
std::string_view waveLevelName(WaveLevel level);

// One day's range; bars are given in increasing day order.
struct DayBar
{
    std::int64_t day = 0;
    double high = 0;
    double low = 0;
};

// The prices of a saved row as the store holds them; empty where the column is NULL.
struct SavedPrices
{
    std::optional<double> w1Start;
    std::optional<double> w1End; // 0 marks the wave 3 basis, W3Target then holds the wave 3 end
    std::optional<double> w3Target;
    std::optional<double> w3Ext;
    std::optional<double> w5Target;
    std::optional<double> w5Ext;
};

struct LevelReach
{
    WaveLevel level;
    double price = 0;
    std::optional<std::int64_t> day; // the first day it was reached; empty: not (yet) reached
};

struct ReachedResult
{
    std::vector<LevelReach> levels;          // in the row's order; NULL levels left out
    std::optional<std::size_t> furthest;     // index in levels of the reached level farthest from the start
    double extreme = 0;                      // bull: highest High since; bear: lowest Low
    std::optional<std::int64_t> invalidDay;  // bull: first Low below the start; bear: first High above it
};

// Follows one saved calculation through the bars after its day. A level reached
// after the count was invalidated still counts as reached: the invalid day is
// reported beside it, and the trader judges.
class ReachedLevels
{
public:
    // Empty when the row has no start or no second price, so no direction can be told.
    static std::optional<ReachedLevels> forRow(const SavedPrices &row, std::int64_t day);

    bool bull() const { return m_bull; }
    std::int64_t day() const { return m_day; }

    // Bars on or before day() are passed over, so a caller may feed a symbol's
    // bars from any earlier point. Bars must come in increasing day order.
    void add(const DayBar &bar);
    void add(std::span<const DayBar> bars);

    // Empty while no bar after day() has been seen: nothing can be said yet.
    std::optional<ReachedResult> result() const;

private:
    ReachedLevels() = default;

    bool m_bull = false;
    double m_start = 0;
    std::int64_t m_day = 0;
    std::vector<LevelReach> m_levels;
    std::size_t m_pending = 0; // levels not reached yet
    bool m_seen = false;
    double m_extreme = 0;
    std::optional<std::int64_t> m_invalidDay;
};

} // namespace ondara
