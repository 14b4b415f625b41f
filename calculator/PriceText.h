#pragma once

#include "PriceNotation.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <optional>
#include <string>

// The calculator window's view of price texts: the engine's reading of typed
// numbers and fractions and its masks, applied to the texts of its widgets.
namespace ondara {

// Where the user's locale writes a decimal comma, a typed comma is a decimal point.
inline bool localeWritesDecimalComma()
{
    return QLocale().decimalPoint() == QLatin1String(",");
}

// A price text as the window reads it: a fraction through Frac2Num (which
// never fails, giving FracErrorValue for what it cannot read; two decimals do
// to show it), anything else by the typed-number rule of the user's locale.
inline std::optional<TypedNumber> readPriceText(const QString &text)
{
    if (text.contains(u'/'))
        return TypedNumber{Frac2Num(text.toStdString()), MinShownDecimals};
    return readTypedNumber(text.toStdString(), localeWritesDecimalComma());
}

// What a price field refuses when it is left: a text that is not one number,
// or a fraction with a comma in it, which has no reading in any locale.
inline bool refusedPriceText(const QString &text)
{
    if (text.isEmpty())
        return false;
    return text.contains(u'/') ? text.contains(u',') : !readPriceText(text);
}

// The decimals the chart and the fields show for two prices.
inline int shownDecimals(int startDecimals, int endDecimals)
{
    return std::clamp(std::max(startDecimals, endDecimals), MinShownDecimals, MaxShownDecimals);
}

inline std::string maskString(double value, Mask mask, int decimals = MinShownDecimals)
{
    return formatMask(value, mask, decimals).value_or(std::string());
}

inline QString maskText(double value, Mask mask, int decimals = MinShownDecimals)
{
    return QString::fromStdString(maskString(value, mask, decimals));
}

} // namespace ondara
