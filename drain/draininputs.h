#pragma once

#include <QString>
#include <QStringList>

// The spell as the drain code reads it: the lists of the design window with their selections,
// the force and the code the drain field shows. The window model hands these over as plain
// data (the lists are shared, not copied), so the drain code, its preview and its breakdown
// know nothing of windows. Members carry the names of the window's controls they are read from.
struct DrainInputs
{
    // One list: its rows and the selected one (-1 for none).
    struct List
    {
        QStringList rowList;
        int selected = -1;

        int count() const { return int(rowList.size()); }
        const QStringList &rows() const { return rowList; }
        QString row(int i) const { return i >= 0 && i < rowList.size() ? rowList.at(i) : QString(); }
        int selectedIndex() const { return selected; }
        QString text() const { return row(selected); }
    };

    QString force;     // the force field as typed
    QString shownCode; // the drain field: an opened spell keeps its stored code until a change
    bool rulesUnreadable = false;

    List Summary1List, Summary1List1; // category, type and force rows, and their tokens
    List Summary2List, Summary2List1; // modifier rows, and their tokens
    List Modifier1List, Modifier1List1; // the category's modifiers, and their tokens
    List Modifier2List, Modifier2List1; // the selected modifier's options, and their tokens
};
