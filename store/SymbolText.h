#pragma once

#include <QString>
#include <QStringView>

// Ticker symbols as the saved calculations hold them and the watch list, the
// report and the CSV files count them: blanks around a symbol are kept but do
// not count, and a letter outside the basic plane is one character.
namespace ondara {

// The longest symbol that is saved, without its surrounding blanks.
inline constexpr qsizetype MaxSymbolLength = 15;

// Only blanks count as surrounding blanks; a tab or other space belongs to the symbol.
QStringView trimmedBlanks(QStringView text);
qsizetype characterCount(QStringView text);
QStringView firstCharacters(QStringView text, qsizetype count);

// The symbol at the start of a watch-list text: its first 15 characters,
// blanks around them dropped ("IBM" of "IBM             1/15/2001 ...").
QString symbolPart(QStringView text);

} // namespace ondara
