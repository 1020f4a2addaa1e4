#include "design/rulesreaders.h"

#include "design/rulesline.h"

namespace RulesReaders {
namespace {

// Walks the option blocks of one modifier; `visit` returns false to stop the walk early.
template <typename Visit>
void scanOptionBlocks(const QStringList &lines, const QString &category,
                      const QString &modifierText, Visit visit)
{
    bool inSection = false;
    bool inBlock = false;
    for (const QString &line : lines) {
        const QChar marker = RulesLine::marker(line);
        if (marker == RulesLine::commentMarker)
            continue;
        if (inBlock) {
            if (marker == RulesLine::optionMarker) {
                if (!visit(Entry{RulesLine::modifierOrOptionText(line), RulesLine::tokenString(line)}))
                    return;
                continue;
            }
            inBlock = false; // the line that ends a block is examined like any other below
        }
        if (marker == RulesLine::categoryMarker) {
            inSection = RulesLine::categoryOrTypeName(line) == category;
            continue;
        }
        if (inSection && line == modifierText)
            inBlock = true;
    }
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
    // The walk of scanOptionBlocks, with every line of a section taken as a possible owner.
    QHash<QString, QList<Entry>> options;
    bool inSection = false;
    QList<Entry> *block = nullptr;
    for (const QString &line : lines) {
        const QChar marker = RulesLine::marker(line);
        if (marker == RulesLine::commentMarker)
            continue;
        if (block) {
            if (marker == RulesLine::optionMarker) {
                block->append({RulesLine::modifierOrOptionText(line), RulesLine::tokenString(line)});
                continue;
            }
            block = nullptr;
        }
        if (marker == RulesLine::categoryMarker) {
            inSection = RulesLine::categoryOrTypeName(line) == category;
            continue;
        }
        if (inSection)
            block = &options[line];
    }
    // Lines that own no option are no keys worth keeping.
    options.removeIf([](const auto &entry) { return entry.value().isEmpty(); });
    return options;
}

} // namespace RulesReaders
