#include "rules/tokenstring.h"

namespace TokenString {

void addTokens(QStringView tokenString, Totals &totals)
{
    forEachToken(tokenString, [&totals](const Token &token) {
        totals.level += token.adds.level;
        totals.drainModifier += token.adds.drainModifier;
    });
}

} // namespace TokenString
