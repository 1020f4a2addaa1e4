#pragma once

#include <algorithm>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "rules/tokenstring.h"

// The drain code: "[(" force "/2) " signed drain-modifier total "] " level letter.
namespace Drain {

// The rows the drain code counts. Of the category/type/force summary twin only the category
// and the type row carry tokens: the force row is printed, never scanned.
inline constexpr int countedChoiceRows = 2;
// Of the modifier summary only the first thirteen rows count; later rows are listed and
// saved but weigh nothing.
inline constexpr int countedModifierRows = 13;
// Level totals 1 to 8 have a letter of their own; every other total shows the first one.
inline constexpr int levelLetterCount = 8;

using Totals = TokenString::Totals;
using Token = TokenString::Token;
using TokenString::addTokens;
using TokenString::forEachToken;

// Which counted row a token string stands in: the category/type/force twin or the modifier
// summary twin, and its index there.
enum class Summary { Choices, Modifiers };

// Runs `visit(Summary, int index, const QString &tokens)` for every row the drain code counts,
// in the order it counts them. Rows a list does not have contribute nothing and are not visited.
template <typename Visit>
void forEachCountedRow(const QStringList &choiceTwin, const QStringList &modifierTwin, Visit visit)
{
    const int choices = int(std::min<qsizetype>(choiceTwin.size(), countedChoiceRows));
    for (int i = 0; i < choices; ++i)
        visit(Summary::Choices, i, choiceTwin.at(i));
    const int modifiers = int(std::min<qsizetype>(modifierTwin.size(), countedModifierRows));
    for (int i = 0; i < modifiers; ++i)
        visit(Summary::Modifiers, i, modifierTwin.at(i));
}

// The totals of every counted row of the two twin lists.
Totals totalsOf(const QStringList &choiceTwin, const QStringList &modifierTwin);

// Whether a level total has a letter of its own; every other total shows "L".
inline bool levelInTable(qint64 levelTotal) { return levelTotal >= 1 && levelTotal <= levelLetterCount; }
QString levelLetter(qint64 levelTotal);

// The whole code for a force text (printed as typed) and the totals.
QString code(const QString &force, const Totals &totals);

// The code for a force text and the two twin lists: the drain calculation itself.
QString calculate(const QString &force, const QStringList &choiceTwin, const QStringList &modifierTwin);

// A total with its sign, as the drain code writes it: "+2", "-3", and "0".
QString signedNumber(qint64 value);

} // namespace Drain
