#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "drain/drain.h"
#include "drain/draininputs.h"


// The drain code taken apart: each row it counts with its share of the two totals, the rows
// it leaves out, the tokens it skips, and the totals the code is made of. Built by walking the
// counted rows exactly as the drain calculation does, so it explains the code it shows.
class DrainBreakdown final
{
    Q_DECLARE_TR_FUNCTIONS(DrainBreakdown)

public:
    struct Row
    {
        Drain::Summary summary = Drain::Summary::Modifiers;
        int index = 0;      // in its summary list, from 0
        QString text;       // the row as the summary shows it
        QString tokens;     // its token string
        Drain::Totals share;
        QStringList skipped; // tokens the scan skips, as written ("" for a doubled blank)

        // "Category", "Type", or "Row 3" for the third modifier row.
        QString name() const;
    };

    // The spell as the window holds it now.
    static DrainBreakdown of(const DrainInputs &window);

    QString force;
    QList<Row> counted;
    QList<Row> notCounted; // modifier rows past the thirteenth
    Drain::Totals totals;
    QString code;          // the code these totals make
    QString shownCode;     // the code the drain field shows (an opened spell keeps its stored one)

    // "(6/2)": the drain code prints the force over two; it never divides it.
    QString forceHalved() const;
    QString letter() const { return Drain::levelLetter(totals.level); }
    bool levelPastTable() const { return totals.level > Drain::levelLetterCount; }

    // A skipped token told as a sentence.
    static QString skippedNote(const QString &token);
    // What the totals alone do not tell: a level total past the letter table, a drain field
    // that still shows the code stored in an opened spell.
    QStringList notes() const;
    // The whole breakdown as lines of text, for a tooltip.
    QStringList lines() const;
};
