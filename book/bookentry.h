#pragma once

#include <QString>
#include <QStringList>

#include "cards/spellcard.h"

// One file of a spell book: a spell as saved and as rebuilt under today's rules, or a file that
// is none, with the reason.
struct BookEntry
{
    QString file;
    // Why the file is not listed as a spell (not a spell document, unreadable, too large); ""
    // for a spell.
    QString reason;
    QString name;
    QString category;  // as saved
    QString type;      // as saved
    QString force;
    QString author;
    QString changed;   // the date it was last saved, as the document gives it
    QString savedDrain;
    QString drain;     // under today's rules
    QStringList savedRows;
    QStringList rows;  // after the rebuild
    QStringList notFound;
    // The rebuilt spell as its card shows it, for the book on paper.
    SpellCard::Spell card;

    bool isSpell() const { return reason.isEmpty(); }
    // Whether today's rules give the spell another drain code or lack some of its choices.
    bool touched() const { return isSpell() && (savedDrain != drain || !notFound.isEmpty()); }
};
