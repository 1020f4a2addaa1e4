#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include "drain/drain.h"

// The drain rules told in plain words: what a token string adds, and what a level total
// outside the letter table turns into. Every text a user reads about a cost is made here.
class DrainWords final
{
    Q_DECLARE_TR_FUNCTIONS(DrainWords)

public:
    // "+1 level, +1 drain modifier"; tokens the drain code skips are named as skipped.
    static QString tokens(QStringView tokenString);
    // "level +2, drain modifier -1": a row's share of both totals.
    static QString share(const Drain::Totals &totals);
    // A skipped token as a user can find it: quoted, or "an extra blank" for a doubled blank.
    static QString skippedToken(QStringView text);
    // For a level total past the letter table, what the drain code shows instead; "" for
    // any other total.
    static QString levelPastTable(qint64 levelTotal);
    // The same in a few words, for a status bar: "level total 9 is past the table, so the
    // code shows L".
    static QString levelPastTableBriefly(qint64 levelTotal);
};
