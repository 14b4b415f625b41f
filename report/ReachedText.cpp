#include "ReachedText.h"

#include "PriceNotation.h"
#include "StoredDateTime.h"

#include <QCoreApplication>

#include <algorithm>

namespace ondara {

namespace {

// The translation context of these texts.
struct ReachedText
{
    Q_DECLARE_TR_FUNCTIONS(ReachedText)
};

QString levelName(WaveLevel level)
{
    switch (level) {
    case WaveLevel::W3Target:
        return ReachedText::tr("W3 target");
    case WaveLevel::W3Ext:
        return ReachedText::tr("W3 ext");
    case WaveLevel::W5Target:
        return ReachedText::tr("W5 target");
    case WaveLevel::W5Ext:
        break;
    }
    return ReachedText::tr("W5 ext");
}

QString dayText(std::int64_t julianDay)
{
    return storedDateText(QDate::fromJulianDay(julianDay));
}

} // namespace

QString reachedPriceText(double price)
{
    const int decimals = std::clamp(decimalsOf(price), MinShownDecimals, MaxShownDecimals);
    return QString::fromStdString(formatMask(price, Mask::HashDot00, decimals).value_or(std::string()));
}

QStringList reachedHeadings()
{
    return {ReachedText::tr("Reached"), ReachedText::tr("Extreme"), ReachedText::tr("Invalid")};
}

ReachedCells reachedCells(const std::optional<ReachedResult> &result)
{
    if (!result)
        return {};
    QString reached = ReachedText::tr("not reached");
    if (result->furthest) {
        const LevelReach &level = result->levels.at(*result->furthest);
        reached = ReachedText::tr("%1 %2 on %3")
                      .arg(levelName(level.level), reachedPriceText(level.price), dayText(level.day.value_or(0)));
    }
    return {reached, reachedPriceText(result->extreme),
            result->invalidDay ? dayText(*result->invalidDay) : QString()};
}

} // namespace ondara
