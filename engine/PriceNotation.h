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
std::optional<double> parseNumber(std::string_view text);
bool isNumeric(std::string_view text);

// Reads "12 3/8", "3/8", "-12 3/8": FracErrorValue on any failure, 0 without a slash.
double Frac2Num(std::string_view frac);

// Writes a price as a fraction of the sixty-fourths ladder in lowest terms: "12 3/8".
// Zero gives an empty text; a fraction rounding to 0 or 64 sixty-fourths gives the
// whole number alone; a negative value gives "-" and the text of its magnitude.
std::string Num2Frac(double dblNum);

// Prices and levels are shown with two decimals, or with as many as a typed
// or recalled price has, up to six.
inline constexpr int MinShownDecimals = 2;
inline constexpr int MaxShownDecimals = 6;

// A number as the user typed it, and how many decimals the text carries
// ("1.0850" carries 4, "1.5e-3" carries 4).
struct TypedNumber {
    double value = 0;
    int decimals = 0;
};

// Reads a number typed into a price field. "." is always a decimal point.
// Where the user's locale writes a decimal comma (commaIsDecimal), "," is a
// decimal point too; elsewhere a comma is only a thousands separator between
// groups of three digits before the point ("1,234.50"). Anything that is not
// exactly one number under that rule ("12,5" without a decimal comma,
// "1,2,3", "1.234,5") gives nullopt.
std::optional<TypedNumber> readTypedNumber(std::string_view text, bool commaIsDecimal);

// Decimals of the shortest text that reads back as value: 12.375 gives 3, 12 gives 0.
int decimalsOf(double value);

enum class Mask {
    HashDot00, // "#.00": no digit before the point below 1 (.50, .00)
    ZeroDot00, // "0.00": at least one digit before the point (0.50)
};

// decimals places (two by default), a half rounding away from zero on the value
// written with 15 significant digits (1.005 -> 1.01; at four, 1.00005 -> 1.0001).
// nullopt for a value that is not finite.
std::optional<std::string> formatMask(double value, Mask mask, int decimals = MinShownDecimals);

// The general decimal form: up to 15 significant digits, no trailing zeros
// (12.5, 0, 26.18). nullopt for a value that is not finite.
std::optional<std::string> formatGeneral(double value);

} // namespace ondara
