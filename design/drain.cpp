#include "design/drain.h"

#include <array>

#include "design/rulesline.h"

namespace Drain {

void addTokens(QStringView tokenString, Totals &totals)
{
    QStringView s = RulesLine::trimBlanks(tokenString);
    while (!s.isEmpty()) {
        const QChar sign = s.front();
        const QChar digit = s.size() > 1 ? s[1] : QChar();
        if (digit >= u'0' && digit <= u'9') {
            const qint64 value = digit.unicode() - u'0';
            // The kind is read from characters 3 to 5 whatever they hold, so "+1 -1DRT"
            // keeps its first token a level token.
            const QStringView kind = RulesLine::trimBlanks(s.sliced(2, std::min<qsizetype>(3, s.size() - 2)));
            qint64 &total = kind == u"DRT" ? totals.drainModifier : totals.level;
            total += sign == u'-' ? -value : value;
        }
        const qsizetype blank = s.indexOf(u' ');
        if (blank < 0)
            break;
        s = s.sliced(blank + 1);
    }
}

QString levelLetter(qint64 levelTotal)
{
    static const std::array<const char *, 8> letters = {"L", "M", "S", "D", "D+1", "D+2", "D+3", "D+4"};
    if (levelTotal >= 1 && levelTotal <= qint64(letters.size()))
        return QString::fromLatin1(letters[std::size_t(levelTotal - 1)]);
    return QStringLiteral("L");
}

QString code(const QString &force, const Totals &totals)
{
    QString result = QStringLiteral("[(") + force + QStringLiteral("/2) ");
    if (totals.drainModifier > 0)
        result += u'+' + QString::number(totals.drainModifier);
    else if (totals.drainModifier < 0)
        result += u'-' + QString::number(-totals.drainModifier);
    result += QStringLiteral("] ") + levelLetter(totals.level);
    return result;
}

} // namespace Drain
