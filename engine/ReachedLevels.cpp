#include "ReachedLevels.h"

#include <algorithm>

namespace ondara {

std::string_view waveLevelName(WaveLevel level)
{
    switch (level) {
    case WaveLevel::W3Target:
        return "W3 target";
    case WaveLevel::W3Ext:
        return "W3 ext";
    case WaveLevel::W5Target:
        return "W5 target";
    case WaveLevel::W5Ext:
        return "W5 ext";
    }
    return {};
}

std::optional<ReachedLevels> ReachedLevels::forRow(const SavedPrices &row, std::int64_t day)
{
    if (!row.w1Start || !row.w1End)
        return std::nullopt;
    const bool wave3Basis = *row.w1End == 0;
    const std::optional<double> second = wave3Basis ? row.w3Target : row.w1End;
    if (!second)
        return std::nullopt;

    ReachedLevels levels;
    levels.m_bull = *row.w1Start < *second; // equal prices count as bear, as the recall does
    levels.m_start = *row.w1Start;
    levels.m_day = day;
    const auto addLevel = [&](WaveLevel level, const std::optional<double> &price) {
        if (price)
            levels.m_levels.push_back({level, *price, std::nullopt});
    };
    if (!wave3Basis) {
        addLevel(WaveLevel::W3Target, row.w3Target);
        addLevel(WaveLevel::W3Ext, row.w3Ext);
    }
    addLevel(WaveLevel::W5Target, row.w5Target);
    addLevel(WaveLevel::W5Ext, row.w5Ext);
    levels.m_pending = levels.m_levels.size();
    return levels;
}

void ReachedLevels::add(const DayBar &bar)
{
    add(std::span<const DayBar>(&bar, 1));
}

void ReachedLevels::add(std::span<const DayBar> bars)
{
    auto it = std::upper_bound(bars.begin(), bars.end(), m_day,
                               [](std::int64_t day, const DayBar &bar) { return day < bar.day; });
    if (it == bars.end())
        return;
    if (!m_seen) {
        m_seen = true;
        m_extreme = m_bull ? it->high : it->low;
    }
    // Once every level is reached and the count invalidated, only the extreme
    // is left to follow: most of a long history is read through this short loop.
    for (; it != bars.end() && (m_pending > 0 || !m_invalidDay); ++it) {
        const DayBar &bar = *it;
        if (m_bull) {
            m_extreme = std::max(m_extreme, bar.high);
            if (!m_invalidDay && bar.low < m_start)
                m_invalidDay = bar.day;
        } else {
            m_extreme = std::min(m_extreme, bar.low);
            if (!m_invalidDay && bar.high > m_start)
                m_invalidDay = bar.day;
        }
        if (m_pending == 0)
            continue;
        for (LevelReach &level : m_levels) {
            if (!level.day && (m_bull ? bar.high >= level.price : bar.low <= level.price)) {
                level.day = bar.day;
                --m_pending;
            }
        }
    }
    if (m_bull) {
        for (; it != bars.end(); ++it)
            m_extreme = std::max(m_extreme, it->high);
    } else {
        for (; it != bars.end(); ++it)
            m_extreme = std::min(m_extreme, it->low);
    }
}

std::optional<ReachedResult> ReachedLevels::result() const
{
    if (!m_seen)
        return std::nullopt;
    ReachedResult result;
    result.levels = m_levels;
    result.extreme = m_extreme;
    result.invalidDay = m_invalidDay;
    for (std::size_t i = 0; i < m_levels.size(); ++i) {
        if (!m_levels[i].day)
            continue;
        // Ties go to the later level, the one of the further wave.
        const double best = result.furthest ? m_levels[*result.furthest].price : 0;
        if (!result.furthest || (m_bull ? m_levels[i].price >= best : m_levels[i].price <= best))
            result.furthest = i;
    }
    return result;
}

} // namespace ondara
