// Token strings: a sign ("+" or "-"), one digit, and "DRT" for a drain-modifier token. What a
// token outside that format really adds is worked out by the drain code itself, so the message
// says exactly what the program makes of it.
#include "rulescheck/rulescheckdetail.h"

#include "rules/tokenstring.h"
#include "rules/rulesline.h"

namespace RulesCheckDetail {
namespace {

using Kind = RulesCheck::Kind;

const QString drainKind = QStringLiteral("DRT");

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString signedNumber(qint64 value)
{
    return value < 0 ? QString::number(value) : u'+' + QString::number(value);
}

// What the drain calculation makes of one token, in words.
QString reading(QStringView token)
{
    TokenString::Totals totals;
    TokenString::addTokens(token, totals);
    if (totals.drainModifier != 0)
        return RulesCheck::tr("it is read as a drain modifier of %1").arg(signedNumber(totals.drainModifier));
    if (token.size() > 1 && isDigit(token[1]))
        return RulesCheck::tr("it is read as a level token of %1").arg(signedNumber(totals.level));
    return RulesCheck::tr("it is skipped");
}

// The drain calculation steps on after each blank, so after a doubled blank it also starts at
// the blank right before the next token, takes that blank as a sign and the token's first
// character as the value: "+1  5DRT" reads " 5DRT" as +5DRT, and then "5DRT" itself. What it
// adds between the end of the previous token and the end of this one, in words.
QString readingAfterDoubledBlank(QStringView tokenString, qsizetype previousEnd, qsizetype end)
{
    TokenString::Totals upTo;
    TokenString::Totals before;
    TokenString::addTokens(tokenString.left(end), upTo);
    TokenString::addTokens(tokenString.left(previousEnd), before);
    const qint64 level = upTo.level - before.level;
    const qint64 drainModifier = upTo.drainModifier - before.drainModifier;
    if (drainModifier != 0 && level != 0)
        return RulesCheck::tr("together they are read as a level token of %1 and a drain modifier of %2")
            .arg(signedNumber(level), signedNumber(drainModifier));
    if (drainModifier != 0)
        return RulesCheck::tr("together they are read as a drain modifier of %1").arg(signedNumber(drainModifier));
    return RulesCheck::tr("together they are read as a level token of %1").arg(signedNumber(level));
}

// "+12DRT" written the way the format allows: "+9DRT +3DRT".
QString splitIntoDigits(QStringView token)
{
    qsizetype end = 1;
    while (end < token.size() && isDigit(token[end]))
        ++end;
    const QStringView kind = token.sliced(end);
    const int value = token.sliced(1, std::min<qsizetype>(end - 1, 3)).toInt();
    constexpr int largestDigit = 9;
    constexpr int longestSuggestion = 5; // tokens; beyond that the example helps no one
    if ((!kind.isEmpty() && kind != drainKind) || value == 0 || value > largestDigit * longestSuggestion)
        return QStringLiteral("+9 +3");
    QStringList parts;
    for (int left = value; left > 0; left -= largestDigit)
        parts << token.left(1).toString() + QString::number(std::min(left, largestDigit)) + kind.toString();
    return parts.join(u' ');
}

// `afterDoubledBlank`: whether two or more blanks stand before a token that begins with a
// digit; `tokenString`, `previousEnd` and `end` say what the drain calculation reads from them.
void checkToken(QStringView token, int column, int lineNumber, bool afterDoubledBlank, QStringView tokenString,
                qsizetype previousEnd, qsizetype end, Findings &out)
{
    const QChar sign = token.front();
    const bool signOk = sign == u'+' || sign == u'-';
    const bool digitOk = token.size() > 1 && isDigit(token[1]);
    const QStringView kind = token.size() > 2 ? token.sliced(2) : QStringView();

    if (afterDoubledBlank) {
        out.add(lineNumber, column, Kind::TokenSign, [&] {
            const QString mended = u'+' + token.toString();
            return Texts{
                RulesCheck::tr("the token %1 does not begin with '+' or '-', and more than one blank stands before "
                               "it, so the blank right before it is taken as a sign with %2 as its value, and then "
                               "the token itself with %2 as its sign: %3")
                    .arg(quoted(token), quoted(token.left(1)), readingAfterDoubledBlank(tokenString, previousEnd, end)),
                isWellFormedToken(mended)
                    ? RulesCheck::tr("Separate tokens with single blanks and begin every token with '+' or '-', e.g. %1.")
                          .arg(quoted(mended))
                    : RulesCheck::tr("Separate tokens with single blanks and begin every token with '+' or '-' and "
                                     "one digit, e.g. '+1' or '-2DRT'.")};
        });
    } else if (!signOk) {
        // A forgotten sign ("5DRT") or a wrong one ("x1"): suggest the mended token when there is one.
        out.add(lineNumber, column, Kind::TokenSign, [&] {
            const QString mended = isDigit(sign) ? u'+' + token.toString() : u'+' + token.sliced(1).toString();
            return Texts{RulesCheck::tr("the token %1 does not begin with '+' or '-', so its first character is "
                                        "taken as the sign: %2")
                             .arg(quoted(token), reading(token)),
                         isWellFormedToken(mended)
                             ? RulesCheck::tr("Begin every token with '+' or '-', e.g. %1.").arg(quoted(mended))
                             : RulesCheck::tr("Begin every token with '+' or '-' and one digit, e.g. '+1' or "
                                              "'-2DRT'.")};
        });
    } else if (!digitOk) {
        out.add(lineNumber, column, Kind::TokenValueNotDigit, [&] {
            return Texts{RulesCheck::tr("the token %1 has no digit after its sign, so it is skipped").arg(quoted(token)),
                         RulesCheck::tr("Write one digit after the sign, e.g. '+1' or '-2DRT'.")};
        });
    } else if (isDigit(kind.front())) {
        out.add(lineNumber, column, Kind::TokenMultiDigit, [&] {
            return Texts{RulesCheck::tr("the token %1 has more than one digit, but only the first is its value: %2")
                             .arg(quoted(token), reading(token)),
                         RulesCheck::tr("A token holds one digit; write a larger value as several tokens, e.g. %1.")
                             .arg(quoted(splitIntoDigits(token)))};
        });
    } else if (kind.compare(drainKind, Qt::CaseInsensitive) == 0) {
        out.add(lineNumber, column, Kind::TokenKindCase, [&] {
            return Texts{RulesCheck::tr("the token %1 is not a drain modifier, because 'DRT' counts in capitals only: %2")
                             .arg(quoted(token), reading(token)),
                         RulesCheck::tr("Write %1.").arg(quoted(token.left(2).toString() + drainKind))};
        });
    } else {
        out.add(lineNumber, column, Kind::TokenUnknownKind, [&] {
            return Texts{kind.startsWith(drainKind)
                             ? RulesCheck::tr("the token %1 goes on after 'DRT', and what follows is ignored: %2")
                                   .arg(quoted(token), reading(token))
                             : RulesCheck::tr("the token %1 has the unknown kind %2: %3")
                                   .arg(quoted(token), quoted(kind), reading(token)),
                         RulesCheck::tr("After the digit write nothing for a level token or 'DRT' for a drain "
                                        "modifier, and separate tokens with single blanks.")};
        });
    }
}

} // namespace

bool isWellFormedToken(QStringView token)
{
    const bool signOk = !token.isEmpty() && (token.front() == u'+' || token.front() == u'-');
    const bool digitOk = token.size() > 1 && isDigit(token[1]);
    const QStringView kind = token.size() > 2 ? token.sliced(2) : QStringView();
    return signOk && digitOk && (kind.isEmpty() || kind == drainKind);
}

void checkTokens(QStringView line, int lineNumber, Findings &out)
{
    // The token string is split at blanks, as the drain calculation does.
    const qsizetype start = RulesLine::tokenColumn - 1;
    const QStringView tokenString = line.size() > start ? line.sliced(start) : QStringView();
    qsizetype previousEnd = -1; // in tokenString; none before the first token
    qsizetype problems = 0;
    int firstUnlisted = 0;
    qsizetype i = 0;
    while (i < tokenString.size()) {
        if (tokenString[i] == u' ') {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < tokenString.size() && tokenString[end] != u' ')
            ++end;
        const QStringView token = tokenString.sliced(i, end - i);
        const int column = int(start + i) + 1;
        const bool doubledBlank = previousEnd >= 0 && i - previousEnd >= 2 && isDigit(token.front());
        if (!isWellFormedToken(token)) {
            // A line of thousands of broken tokens (a file of one long line) would bury every
            // other finding and take ages to explain token by token.
            if (++problems <= tokensListedPerLine)
                checkToken(token, column, lineNumber, doubledBlank, tokenString, previousEnd, end, out);
            else if (firstUnlisted == 0)
                firstUnlisted = column;
        }
        previousEnd = end;
        i = end;
    }
    if (problems > tokensListedPerLine) {
        out.add(lineNumber, firstUnlisted, Kind::TokensNotListed, [&] {
            return Texts{RulesCheck::tr("%1 more tokens on this line, from column %2 on, are outside the token "
                                        "format; they are not listed one by one")
                             .arg(problems - tokensListedPerLine)
                             .arg(firstUnlisted),
                         RulesCheck::tr("Mend the tokens listed before this, then check the file again.")};
        });
    }
}

} // namespace RulesCheckDetail
