#pragma once

#include "PriceNotation.h"

#include <QString>

#include <optional>
#include <string>

// The calculator window's view of price texts: the engine's numeric test,
// masks and fraction reading applied to the texts of its widgets.
namespace ondara {

inline bool isNumericText(const QString &text)
{
    return IsNumeric(text.toStdString());
}

inline std::string maskString(double value, Mask mask)
{
    return FormatMask(value, mask).value_or(std::string());
}

inline QString maskText(double value, Mask mask)
{
    return QString::fromStdString(maskString(value, mask));
}

// A price as Calculate reads it: a fraction through Frac2Num, rounded to the
// cents it would show; anything else through the numeric test.
inline std::optional<double> readPrice(const QString &text)
{
    if (text.contains(u'/')) {
        const auto shown = FormatMask(Frac2Num(text.toStdString()), Mask::HashDot00);
        return shown ? ParseNumber(*shown).value_or(FracErrorValue) : FracErrorValue;
    }
    return ParseNumber(text.toStdString());
}

} // namespace ondara
