#pragma once

#include <QString>
#include <QStringView>

#include "SymbolText.h"

#include <optional>

// The values of the CSV codecs, read the same way in each whatever the
// user's locale: numbers with a "." for decimals and nothing else (no NaN, no
// infinity, no thousands separators), symbols measured as the watch list
// measures them.
namespace ondara::csvvalues {

using ondara::MaxSymbolLength;
using ondara::characterCount;
using ondara::trimmedBlanks;

// text, blanks around it allowed, as a finite number: "-12.5", "0.000001",
// "1e+21"; nothing for anything else ("1,5", "nan", "1e999").
std::optional<double> number(QStringView text);

// value as a message shows it: in quotes, cut short when long.
QString shown(QStringView value);

} // namespace ondara::csvvalues
