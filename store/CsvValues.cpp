#include "CsvValues.h"

#include <cmath>

namespace ondara::csvvalues {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QStringView trimmedBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    for (QChar c : text) {
        if (!c.isLowSurrogate())
            ++count;
    }
    return count;
}

std::optional<double> number(QStringView text)
{
    text = trimmedBlanks(text);
    // The grammar is checked here, since toDouble() also takes "nan", "inf" and blanks of any kind.
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < n && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < n && text[i] == u'-')
        ++i;
    qsizetype mantissa = digits();
    if (i < n && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
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
