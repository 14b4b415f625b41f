#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The values of the CSV codecs, read the same way in each whatever the
// user's locale: numbers with a "." for decimals and nothing else (no NaN, no
// infinity, no thousands separators), symbols measured as the watch list
// measures them.
namespace ondara::csvvalues {

// The longest symbol the watch list saves, without its surrounding blanks.
inline constexpr qsizetype MaxSymbolLength = 15;

// Only blanks count as surrounding blanks, as in the watch list.
QStringView trimmedBlanks(QStringView text);
// Characters as the user counts them: a letter outside the basic plane is one.
qsizetype characterCount(QStringView text);

// text, blanks around it allowed, as a finite number: "-12.5", "0.000001",
// "1e+21"; nothing for anything else ("1,5", "nan", "1e999").
std::optional<double> number(QStringView text);

// value as a message shows it: in quotes, cut short when long.
QString shown(QStringView value);

} // namespace ondara::csvvalues
