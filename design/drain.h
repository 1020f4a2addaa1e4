#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The drain code: "[(" force "/2) " signed drain-modifier total "] " level letter.
namespace Drain {

// Totals are kept wide so that no rules file, however long its token strings, can wrap them.
struct Totals
{
    qint64 level = 0;
    qint64 drainModifier = 0;
    friend bool operator==(const Totals &, const Totals &) = default;
};

// Adds the tokens of one token string into `totals`. A token is a sign ("-" subtracts,
// anything else adds), one digit, and "DRT" in characters 3 to 5 for a drain-modifier token.
// Tokens whose second character is not a digit are skipped.
void addTokens(QStringView tokenString, Totals &totals);

QString levelLetter(qint64 levelTotal);

// The whole code for a force text (printed as typed) and the totals.
QString code(const QString &force, const Totals &totals);

} // namespace Drain
