#include "CsvValues.h"

#include <cmath>

namespace ondara::csvvalues {

std::optional<double> number(QStringView text)
{
    // The C locale's reading: "." for decimals, no group separators; but
    // "nan" and "inf" too, which no price is.
    bool ok = false;
    const double value = trimmedBlanks(text).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString shown(QStringView value)
{
    constexpr qsizetype Longest = 24;
    if (value.size() <= Longest)
        return u'"' + value.toString() + u'"';
    return u'"' + value.first(Longest).toString() + QStringLiteral("...\"");
}

} // namespace ondara::csvvalues
