#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "rules/rulesline.h"

// The readers of the rules data file, each a single pass over its lines.
namespace RulesReaders {

// The spell summary keeps one row per group of modifiers, a group being the rows that share
// this many leading characters; a rules file whose modifiers share them can never list both.
inline constexpr int groupPrefixLength = 6;

// The option block below line `owner`: the option lines that follow it, comment lines passed
// over, up to the first line of another kind. Calls `visit(index)` for each option line until it
// returns false, and gives the index of the line that ended the block (the line count at the end).
// Every reader and the rules checker know an option block by this one walk.
template <typename Visit>
qsizetype forEachOptionLineBelow(const QStringList &lines, qsizetype owner, Visit visit)
{
    qsizetype i = owner + 1;
    for (; i < lines.size(); ++i) {
        const QChar marker = RulesLine::marker(lines[i]);
        if (marker == RulesLine::commentMarker)
            continue;
        if (marker != RulesLine::optionMarker || !visit(i))
            break;
    }
    return i;
}

// A listed name or text with the token string that goes with it.
struct Entry
{
    QString text;
    QString tokens;
    friend bool operator==(const Entry &, const Entry &) = default;
};

struct CategoriesAndTypes
{
    QList<Entry> categories;
    QList<Entry> types;
};

// Every category line and every type line of the file, in file order.
CategoriesAndTypes categoriesAndTypes(const QStringList &lines);

// The modifier lines of every section opened by a category line named `category`
// (the whole trimmed name field is compared, so names past 15 characters work too).
QList<Entry> categoryModifiers(const QStringList &lines, const QString &category);

// The option lines of the modifier whose line is exactly `modifierText`, in the sections of
// `category`. A modifier line that carries anything besides its text owns no options.
QList<Entry> modifierOptions(const QStringList &lines, const QString &category,
                             const QString &modifierText);

// Whether that modifier owns at least one option line; stops at the first one.
bool ownsOption(const QStringList &lines, const QString &category, const QString &modifierText);

// modifierOptions for every modifier text of `category` at once, in one pass: the options of
// the blocks below each line of its sections, keyed by that whole line (a text no line equals
// owns none).
QHash<QString, QList<Entry>> optionsByModifier(const QStringList &lines, const QString &category);

} // namespace RulesReaders
