#include "rules/rulesline.h"

namespace RulesLine {

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

QString columns(QStringView line, int from, int to)
{
    const qsizetype start = from - 1;
    if (start >= line.size() || to < from)
        return QString();
    const qsizetype length = std::min<qsizetype>(to - from + 1, line.size() - start);
    return trimBlanks(line.sliced(start, length)).toString();
}

QString tokenString(QStringView line)
{
    if (line.size() < tokenColumn)
        return QString();
    return trimBlanks(line.sliced(tokenColumn - 1)).toString();
}

bool isReservedMarker(QChar marker)
{
    return marker == u'(' || marker == u')' || marker == u'{' || marker == u'}' || marker == u'[';
}

bool isModifierMarker(QChar marker)
{
    // An empty line (null marker) counts: inside a section it is an empty modifier.
    return marker != commentMarker && marker != optionMarker && marker != categoryMarker
        && marker != typeMarker && !isReservedMarker(marker);
}

} // namespace RulesLine
