#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "drain/drain.h"
#include "drain/draininputs.h"


// What a double-click on the selected modifier or option would do to the spell, worked out
// before it is made: the same steps on a copy of the modifier summary, the drain code of the
// copy. Nothing in the window changes and the rules data file is not read: whether a
// modifier owns options is what its single click already listed.
class DrainPreview final
{
    Q_DECLARE_TR_FUNCTIONS(DrainPreview)

public:
    enum class Outcome {
        None,            // nothing selected
        Adds,            // the double-click adds a row
        PickAnOption,    // a modifier that enters only through one of its options
        Represented,     // a stand-alone modifier whose group is in the summary already
        RulesUnreadable, // the double-click adds nothing while the rules cannot be read
    };
    struct SummaryRow
    {
        int index = -1;
        QString text;
    };

    // The selected option when there is one, otherwise the selected modifier.
    static DrainPreview ofSelection(const DrainInputs &window);
    // What Modifier1List_DblClick would do with the selected modifier.
    static DrainPreview ofModifier(const DrainInputs &window);
    // What Modifier2List_DblClick would do with the selected option.
    static DrainPreview ofOption(const DrainInputs &window);

    Outcome outcome = Outcome::None;
    QString text;             // the row it would add, or the modifier that cannot be added
    QString tokens;           // the token string it adds
    int options = 0;          // PickAnOption: how many there are
    SummaryRow represented;   // Represented: the row already there
    QList<SummaryRow> replaced; // Adds: rows of the same modifier it takes the place of
    int position = -1;        // Adds: the index the new row would take
    Drain::Totals totals;     // Adds: the totals afterwards
    QString codeBefore;       // the drain field now
    qint64 levelBefore = 0;   // the level total now
    QString codeAfter;        // Adds: the drain code afterwards

    // A modifier row's tooltip: its tokens in words. A modifier that owns options has no
    // tokens of its own, which the words say rather than calling it free.
    static QString modifierToolTip(const DrainInputs &window, int row);

    bool counts() const { return position < Drain::countedModifierRows; }
    // The status-bar text: "Adds +1 +1DRT: drain becomes [(6/2) +4] D"; "" for None.
    QString statusText() const;

private:
    QString addsText() const;
    QString refusalText() const;
};
