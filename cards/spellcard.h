#pragma once

#include <QList>
#include <QString>

class Cantrix;

// A spell card: the composed spell laid out for reading and printing, as one self-contained
// HTML page. The program exports it as HTML or PDF and prints it; the stylesheet that saved
// documents name draws the same card from the XML.
namespace SpellCard {

struct Modifier
{
    QString text;
    QString tokens;
};

struct Spell
{
    QString name;
    QString category;   // the summary's category row, e.g. "Combat Spell"
    QString type;
    QString force;
    QString drain;
    QString description;
    QList<Modifier> modifiers;
    QString author;     // optional
    QString created;    // optional, as written in documents
};

// The spell as the design window shows it now.
Spell fromWindow(const Cantrix &window);

// The card as a complete HTML document; every value is escaped.
QString html(const Spell &spell);

// Writes the HTML card to `path` without ever leaving a half-written file behind; a card
// larger than the program reads back is refused.
// Returns an empty string on success, otherwise the reason.
QString saveHtml(const Spell &spell, const QString &path);

} // namespace SpellCard
