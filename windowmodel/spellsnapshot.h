#pragma once

#include <array>

#include <QString>
#include <QStringList>

class Cantrix;
class TextControl;

// Everything the design window holds at one moment: every text, every list with its twin and
// selection, Text2 and the creation date. Lists are shared with the window until either side
// changes them, so taking one costs next to nothing however long the modifier summary is.
struct SpellSnapshot
{
    struct List
    {
        QStringList rows;
        int selected = -1;
        friend bool operator==(const List &, const List &) = default;
    };
    static constexpr int listCount = 12;
    static constexpr int textCount = 5;

    // In the order of the window's parts (spellsnapshot.cpp), which Cantrix::restore shares.
    std::array<List, listCount> lists;
    std::array<QString, textCount> texts;
    QString creationDate;
    QString documentPath;

    static SpellSnapshot of(Cantrix &window);

    // Whether both hold the same spell: what a spell document keeps and what the window derives
    // from it. Which modifier was clicked last, its options, the selections in the summaries, the
    // creation date and the document's path make no difference.
    bool sameSpell(const SpellSnapshot &other) const;

    // The text field that `before` and this differ in when that is all the user did: typed in the
    // name, the force or the description (the force also rewrites its summary row and the drain
    // code). nullptr for any other change.
    TextControl *typedField(Cantrix &window, const SpellSnapshot &before) const;

    // Gives the window's lists the rows of this snapshot, taken of the window and since made to
    // share equal rows kept elsewhere: one copy of them is then enough.
    void shareRowsWith(Cantrix &window) const;

    friend bool operator==(const SpellSnapshot &, const SpellSnapshot &) = default;
};
