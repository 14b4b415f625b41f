#pragma once

#include <optional>
#include <string>
#include <string_view>

// Price notation: the one numeric test and text-to-number conversion that the
// entry fields, Frac2Num and Calculate share, the fractional notation of the
// halves-to-sixty-fourths ladder, and the two-decimal display masks.
// Pure functions of the standard library; the decimal point is always "."
// whatever locale the process runs in.
namespace ondara {

// What Frac2Num returns for any text it cannot read. Callers compare for equality.
inline constexpr double FracErrorValue = 1e10;

// Digits with at most one decimal point, an optional leading sign, an optional
// exponent, surrounded by optional blanks. Empty text, inf, nan, hexadecimal,
// thousands separators and values beyond the double range are not numbers.
// Values too small for a double read as zero.
std::optional<double> ParseNumber(std::string_view text);
bool IsNumeric(std::string_view text);

// Reads "12 3/8", "3/8", "-12 3/8": FracErrorValue on any failure, 0 without a slash.
double Frac2Num(std::string_view frac);

// Writes a price as a fraction of the sixty-fourths ladder in lowest terms: "12 3/8".
// Zero gives an empty text; a fraction rounding to 0 or 64 sixty-fourths gives the
// whole number alone; a negative value gives "-" and the text of its magnitude.
std::string Num2Frac(double dblNum);

enum class Mask {
    HashDot00, // "#.00": no digit before the point below 1 (.50, .00)
    ZeroDot00, // "0.00": at least one digit before the point (0.50)
};

// Two decimals, a half rounding away from zero on the value written with 15
// significant digits (1.005 -> 1.01). nullopt for a value that is not finite.
std::optional<std::string> FormatMask(double value, Mask mask);

// The general decimal form: up to 15 significant digits, no trailing zeros
// (12.5, 0, 26.18). nullopt for a value that is not finite.
std::optional<std::string> FormatGeneral(double value);

} // namespace ondara
