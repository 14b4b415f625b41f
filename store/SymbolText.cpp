#include "SymbolText.h"

namespace ondara {

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

QStringView firstCharacters(QStringView text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype taken = 0; end < text.size() && taken < count; ++taken) {
        ++end;
        if (end < text.size() && text[end - 1].isHighSurrogate() && text[end].isLowSurrogate())
            ++end;
    }
    return text.first(end);
}

QString symbolPart(QStringView text)
{
    return trimmedBlanks(firstCharacters(trimmedBlanks(text), MaxSymbolLength)).toString();
}

} // namespace ondara
