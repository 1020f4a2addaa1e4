#pragma once

#include <algorithm>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "design/rulesline.h"

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

// Totals are kept wide so that no rules file, however long its token strings, can wrap them.
struct Totals
{
    qint64 level = 0;
    qint64 drainModifier = 0;
    friend bool operator==(const Totals &, const Totals &) = default;
};

// One step of the token scan: the text up to the next blank and what it adds. A token whose
// second character is no digit adds nothing and is skipped; after a doubled blank the step
// starts at a blank, whose text is then empty.
struct Token
{
    QStringView text;
    Totals adds;
    bool drainModifier = false; // a "DRT" token, even one that adds 0
    bool skipped = false;
};

// Runs `visit(const Token &)` for every step of the scan of one token string. A token is a
// sign ("-" subtracts, anything else adds), one digit, and "DRT" in characters 3 to 5 for a
// drain-modifier token. After each token the scan goes on behind the next blank.
template <typename Visit>
void forEachToken(QStringView tokenString, Visit visit)
{
    QStringView s = RulesLine::trimBlanks(tokenString);
    while (!s.isEmpty()) {
        const qsizetype blank = s.indexOf(u' ');
        Token token{blank < 0 ? s : s.first(blank), {}, false, true};
        const QChar digit = s.size() > 1 ? s[1] : QChar();
        if (digit >= u'0' && digit <= u'9') {
            const qint64 value = digit.unicode() - u'0';
            // The kind is read from characters 3 to 5 whatever they hold, so "+1 -1DRT"
            // keeps its first token a level token.
            const QStringView kind = RulesLine::trimBlanks(s.sliced(2, std::min<qsizetype>(3, s.size() - 2)));
            token.drainModifier = kind == u"DRT";
            qint64 &total = token.drainModifier ? token.adds.drainModifier : token.adds.level;
            total = s.front() == u'-' ? -value : value;
            token.skipped = false;
        }
        visit(std::as_const(token));
        if (blank < 0)
            break;
        s = s.sliced(blank + 1);
    }
}

// Adds the tokens of one token string into `totals`; skipped tokens add nothing.
void addTokens(QStringView tokenString, Totals &totals);

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
