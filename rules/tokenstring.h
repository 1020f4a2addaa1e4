#pragma once

#include <algorithm>

#include <QString>
#include <QStringView>

#include "rules/rulesline.h"

// Token strings, the costs a rules data file gives its categories, types, modifiers and
// options. The drain code adds them up; the rules checker reads them to say what a token
// outside the format really adds.
namespace TokenString {

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

} // namespace TokenString
