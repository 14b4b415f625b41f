#include "PriceNotation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace ondara {
namespace {

constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Checks the grammar [sign] digits [. digits] [e [sign] digits] on a trimmed text
// and, for the rare text that std::from_chars finds out of range, tells whether it
// is too large (not a number) or too small (reads as zero).
struct NumberShape {
    bool valid = false;
    bool negative = false;
    bool tooSmallWhenOutOfRange = false;
};

NumberShape inspectNumber(std::string_view s)
{
    NumberShape shape;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        shape.negative = s[i] == '-';
        ++i;
    }
    std::size_t intDigits = 0;
    std::size_t fracDigits = 0;
    // Decimal exponent of the first significant digit, relative to the point.
    long long leadingExponent = 0;
    bool seenSignificant = false;
    while (i < s.size() && isDigit(s[i])) {
        if (s[i] != '0')
            seenSignificant = true;
        if (seenSignificant)
            ++leadingExponent;
        ++intDigits;
        ++i;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            if (!seenSignificant) {
                if (s[i] == '0')
                    --leadingExponent;
                else
                    seenSignificant = true;
            }
            ++fracDigits;
            ++i;
        }
    }
    if (intDigits + fracDigits == 0)
        return shape;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        const std::size_t firstExponentDigit = i;
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < 100000000)
                exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (i == firstExponentDigit)
            return shape;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != s.size())
        return shape;
    shape.valid = true;
    shape.tooSmallWhenOutOfRange = leadingExponent + exponent <= 0;
    return shape;
}

// Splits a value into its 15 significant decimal digits and the decimal exponent
// of the first one: the decimal value a user sees, not the binary double.
struct Decimal15 {
    std::array<char, 15> digits{};
    int exponent = 0;
};

Decimal15 toDecimal15(double magnitude)
{
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, 14);
    // d.dddddddddddddde[+-]xx
    Decimal15 decimal;
    decimal.digits[0] = buffer[0];
    for (int k = 1; k < 15; ++k)
        decimal.digits[k] = buffer[k + 1];
    const char *exponentText = buffer.data() + 17;
    if (*exponentText == '+')
        ++exponentText;
    std::from_chars(exponentText, result.ptr, decimal.exponent);
    return decimal;
}

// Decimals a number text carries: digits after its point, less its exponent.
int decimalsOfText(std::string_view s)
{
    const std::size_t point = s.find('.');
    const std::size_t exponentAt = s.find_first_of("eE");
    long long decimals = 0;
    if (point != std::string_view::npos) {
        for (std::size_t i = point + 1; i < s.size() && isDigit(s[i]); ++i)
            ++decimals;
    }
    if (exponentAt != std::string_view::npos) {
        std::size_t i = exponentAt + 1;
        const bool negative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+'))
            ++i;
        long long exponent = 0;
        for (; i < s.size() && isDigit(s[i]); ++i) {
            if (exponent < 100000)
                exponent = exponent * 10 + (s[i] - '0');
        }
        decimals += negative ? exponent : -exponent;
    }
    return static_cast<int>(std::clamp<long long>(decimals, 0, 100000));
}

// "1,234,567.5" without its thousands separators, or nullopt when a comma
// stands anywhere but between groups of three digits before the point.
std::optional<std::string> withoutThousandsSeparators(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t integerEnd = i;
    while (integerEnd < s.size() && (isDigit(s[integerEnd]) || s[integerEnd] == ','))
        ++integerEnd;
    if (s.find(',', integerEnd) != std::string_view::npos)
        return std::nullopt;
    const std::string_view integerPart = s.substr(i, integerEnd - i);
    const std::size_t firstComma = integerPart.find(',');
    if (firstComma == 0 || firstComma > 3)
        return std::nullopt;
    for (std::size_t at = firstComma; at < integerPart.size(); at += 4) {
        if (integerPart[at] != ',' || integerPart.size() - at < 4)
            return std::nullopt;
        for (std::size_t k = at + 1; k <= at + 3; ++k) {
            if (!isDigit(integerPart[k]))
                return std::nullopt;
        }
    }
    std::string plain;
    plain.reserve(s.size());
    for (const char c : s) {
        if (c != ',')
            plain += c;
    }
    return plain;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    const std::string_view s = trimBlanks(text);
    const NumberShape shape = inspectNumber(s);
    if (!shape.valid)
        return std::nullopt;
    // from_chars takes no leading plus and is independent of the locale.
    std::string_view unsignedPart = s;
    if (unsignedPart.front() == '+' || unsignedPart.front() == '-')
        unsignedPart.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(),
                                        value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (!shape.tooSmallWhenOutOfRange)
            return std::nullopt;
        value = 0;
    } else if (result.ec != std::errc() || result.ptr != unsignedPart.data() + unsignedPart.size()) {
        return std::nullopt;
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return shape.negative ? -value : value;
}

bool isNumeric(std::string_view text)
{
    return parseNumber(text).has_value();
}

std::optional<TypedNumber> readTypedNumber(std::string_view text, bool commaIsDecimal)
{
    const std::string_view trimmed = trimBlanks(text);
    std::string plain;
    if (trimmed.find(',') == std::string_view::npos) {
        plain.assign(trimmed);
    } else if (commaIsDecimal) {
        // A text with both marks has no single reading in such a locale.
        if (trimmed.find('.') != std::string_view::npos)
            return std::nullopt;
        plain.assign(trimmed);
        std::replace(plain.begin(), plain.end(), ',', '.');
    } else {
        auto ungrouped = withoutThousandsSeparators(trimmed);
        if (!ungrouped)
            return std::nullopt;
        plain = std::move(*ungrouped);
    }
    const auto value = parseNumber(plain);
    if (!value)
        return std::nullopt;
    return TypedNumber{*value, decimalsOfText(plain)};
}

int decimalsOf(double value)
{
    if (!std::isfinite(value))
        return 0;
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return decimalsOfText(std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())));
}

double Frac2Num(std::string_view frac)
{
    double whole = 0;
    const std::size_t blank = frac.find(' ');
    std::size_t numeratorStart = 0;
    if (blank != std::string_view::npos) {
        const auto wholePart = parseNumber(frac.substr(0, blank));
        if (!wholePart)
            return FracErrorValue;
        whole = *wholePart;
        numeratorStart = blank + 1;
    }
    const std::size_t slash = frac.find('/', numeratorStart);
    if (slash == std::string_view::npos)
        return 0;
    const auto numerator = parseNumber(frac.substr(numeratorStart, slash - numeratorStart));
    if (!numerator)
        return FracErrorValue;
    const auto denominator = parseNumber(frac.substr(slash + 1));
    if (!denominator || *denominator == 0)
        return FracErrorValue;
    const double fraction = *numerator / *denominator;
    const double result = whole == 0 ? fraction : whole + (whole < 0 ? -fraction : fraction);
    if (!std::isfinite(result))
        return FracErrorValue;
    return result;
}

std::string Num2Frac(double dblNum)
{
    if (!std::isfinite(dblNum))
        return {};
    if (dblNum < 0) {
        const std::string magnitude = Num2Frac(-dblNum);
        return magnitude.empty() ? magnitude : "-" + magnitude;
    }
    double whole = std::floor(dblNum);
    const double frac = dblNum - whole;
    // Round to the nearest sixty-fourth, a half to the even neighbour.
    const long long n = frac == 0 ? 0 : static_cast<long long>(std::nearbyint(frac * 64));
    if (n == 64)
        whole += 1;

    std::string text;
    if (whole > 0) {
        std::array<char, 320> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole,
                                          std::chars_format::fixed, 0);
        text.assign(buffer.data(), result.ptr);
    }
    if (n == 0 || n == 64)
        return text;

    long long numerator = n;
    int denominator = 64;
    while (numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    if (!text.empty())
        text += ' ';
    text += std::to_string(numerator);
    text += '/';
    text += std::to_string(denominator);
    return text;
}

std::optional<std::string> formatMask(double value, Mask mask, int decimals)
{
    if (!std::isfinite(value) || decimals < 0)
        return std::nullopt;
    const Decimal15 decimal = toDecimal15(std::fabs(value));
    const std::size_t places = static_cast<std::size_t>(decimals);

    // Digits kept: everything up to the last decimal shown.
    const int kept = decimal.exponent + 1 + decimals;
    std::string digits; // all kept digits, without the point
    if (kept > 0) {
        const int fromDecimal = kept < 15 ? kept : 15;
        digits.assign(decimal.digits.data(), static_cast<std::size_t>(fromDecimal));
        digits.append(static_cast<std::size_t>(kept - fromDecimal), '0');
    }
    const bool roundUp = kept >= 0 && kept < 15 && decimal.digits[static_cast<std::size_t>(kept)] >= '5';
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0)
            ++digits[static_cast<std::size_t>(i)];
        else
            digits.insert(digits.begin(), '1');
    }
    if (digits.size() < places)
        digits.insert(0, places - digits.size(), '0');

    std::string integerPart = digits.substr(0, digits.size() - places);
    const std::string fractionPart = digits.substr(digits.size() - places);
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? std::string() : integerPart.substr(firstNonZero);
    if (integerPart.empty() && mask == Mask::ZeroDot00)
        integerPart = "0";

    const bool isZero = integerPart.find_first_not_of('0') == std::string::npos
                        && fractionPart.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += integerPart;
    if (places > 0) {
        text += '.';
        text += fractionPart;
    }
    return text;
}

std::optional<std::string> formatGeneral(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return std::string("0");
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

} // namespace ondara
