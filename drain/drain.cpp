#include "drain/drain.h"

#include <array>

namespace Drain {

Totals totalsOf(const QStringList &choiceTwin, const QStringList &modifierTwin)
{
    Totals totals;
    forEachCountedRow(choiceTwin, modifierTwin,
                      [&totals](Summary, int, const QString &tokens) { addTokens(tokens, totals); });
    return totals;
}

QString levelLetter(qint64 levelTotal)
{
    static const std::array<const char *, levelLetterCount> letters = {"L",   "M",   "S",   "D",
                                                                       "D+1", "D+2", "D+3", "D+4"};
    if (levelInTable(levelTotal))
        return QString::fromLatin1(letters[std::size_t(levelTotal - 1)]);
    return QStringLiteral("L");
}

QString signedNumber(qint64 value)
{
    return value > 0 ? u'+' + QString::number(value) : QString::number(value);
}

QString code(const QString &force, const Totals &totals)
{
    QString result = QStringLiteral("[(") + force + QStringLiteral("/2) ");
    if (totals.drainModifier != 0)
        result += signedNumber(totals.drainModifier);
    result += QStringLiteral("] ") + levelLetter(totals.level);
    return result;
}

QString calculate(const QString &force, const QStringList &choiceTwin, const QStringList &modifierTwin)
{
    return code(force, totalsOf(choiceTwin, modifierTwin));
}

} // namespace Drain
