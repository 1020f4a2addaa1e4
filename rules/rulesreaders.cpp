#include "rules/rulesreaders.h"

#include "rules/rulesline.h"

namespace RulesReaders {
namespace {

// Every option block of the sections of `category`, each with the whole line it stands below:
// any line of a section may own one, and the line that ends a block may own the next.
// `visit(owner, option)` returns false to stop the walk.
template <typename Visit>
void forEachOptionBlock(const QStringList &lines, const QString &category, Visit visit)
{
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size();) {
        const QString &line = lines[i];
        const QChar marker = RulesLine::marker(line);
        if (marker == RulesLine::categoryMarker)
            inSection = RulesLine::categoryOrTypeName(line) == category;
        if (!inSection || marker == RulesLine::categoryMarker || marker == RulesLine::commentMarker) {
            ++i;
            continue;
        }
        bool stopped = false;
        i = forEachOptionLineBelow(lines, i, [&](qsizetype option) {
            const QString &optionLine = lines[option];
            stopped = !visit(line, Entry{RulesLine::modifierOrOptionText(optionLine), RulesLine::tokenString(optionLine)});
            return !stopped;
        });
        if (stopped)
            return;
    }
}

// The option blocks of one modifier; `visit` returns false to stop the walk early.
template <typename Visit>
void scanOptionBlocks(const QStringList &lines, const QString &category,
                      const QString &modifierText, Visit visit)
{
    forEachOptionBlock(lines, category, [&](const QString &owner, Entry &&option) {
        return owner != modifierText || visit(std::move(option));
    });
}

} // namespace

CategoriesAndTypes categoriesAndTypes(const QStringList &lines)
{
    CategoriesAndTypes result;
    for (const QString &line : lines) {
        const QChar marker = RulesLine::marker(line);
        if (marker == RulesLine::categoryMarker)
            result.categories.append({RulesLine::categoryOrTypeName(line), RulesLine::tokenString(line)});
        else if (marker == RulesLine::typeMarker)
            result.types.append({RulesLine::categoryOrTypeName(line), RulesLine::tokenString(line)});
    }
    return result;
}

QList<Entry> categoryModifiers(const QStringList &lines, const QString &category)
{
    QList<Entry> modifiers;
    bool inSection = false;
    for (const QString &line : lines) {
        const QChar marker = RulesLine::marker(line);
        if (marker == RulesLine::commentMarker)
            continue;
        if (inSection && RulesLine::isModifierMarker(marker))
            modifiers.append({RulesLine::modifierOrOptionText(line), RulesLine::tokenString(line)});
        if (marker == RulesLine::categoryMarker)
            inSection = RulesLine::categoryOrTypeName(line) == category;
    }
    return modifiers;
}

QList<Entry> modifierOptions(const QStringList &lines, const QString &category,
                             const QString &modifierText)
{
    QList<Entry> options;
    scanOptionBlocks(lines, category, modifierText, [&](Entry &&option) {
        options.append(std::move(option));
        return true;
    });
    return options;
}

bool ownsOption(const QStringList &lines, const QString &category, const QString &modifierText)
{
    bool found = false;
    scanOptionBlocks(lines, category, modifierText, [&](Entry &&) {
        found = true;
        return false;
    });
    return found;
}

QHash<QString, QList<Entry>> optionsByModifier(const QStringList &lines, const QString &category)
{
    QHash<QString, QList<Entry>> options;
    forEachOptionBlock(lines, category, [&options](const QString &owner, Entry &&option) {
        options[owner].append(std::move(option));
        return true;
    });
    return options;
}

} // namespace RulesReaders
