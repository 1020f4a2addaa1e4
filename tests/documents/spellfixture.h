#pragma once

// Shared by the spell document tests: a small rules data file, a way to compose a spell in
// the window as a user would, and a snapshot of every control to compare windows with.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "windowmodel/spellsnapshot.h"
#include "tests/support/rulesfixture.h"
#include "tests/support/testfiles.h"

namespace SpellFixture {

// Rules data file lines: names and texts end by column 60, token strings start at column 61.
inline QString categoryLine(const QString &name, const QString &tokens = QString())
{
    return RulesFixture::withTokens(QLatin1Char('#') + name, tokens);
}
inline QString typeLine(const QString &name, const QString &tokens = QString())
{
    return RulesFixture::withTokens(QLatin1Char(']') + name, tokens);
}
inline QString modifierLine(const QString &text, const QString &tokens)
{
    return RulesFixture::withTokens(text, tokens);
}
// A modifier that owns options is its text alone, nothing after it.
inline QString optionOwnerLine(const QString &text)
{
    return text;
}
inline QString optionLine(const QString &text, const QString &tokens)
{
    return RulesFixture::withTokens(QLatin1Char(' ') + text, tokens);
}

// Categories Combat (+1) and Detection (-1DRT); types Physical (+1DRT) and Mana (none).
// Combat offers a plain modifier, a modifier with two options and a drain-lowering modifier.
inline QStringList rules()
{
    return {
        QStringLiteral("! categories, types and modifiers for the document tests"),
        categoryLine(QStringLiteral("Combat"), QStringLiteral("+1")),
        modifierLine(QStringLiteral("Area effect"), QStringLiteral("+1")),
        optionOwnerLine(QStringLiteral("Damage")),
        optionLine(QStringLiteral("Light"), QStringLiteral("+1")),
        optionLine(QStringLiteral("Serious"), QStringLiteral("+3 +1DRT")),
        modifierLine(QStringLiteral("Voice only"), QStringLiteral("-1DRT")),
        categoryLine(QStringLiteral("Detection"), QStringLiteral("-1DRT")),
        modifierLine(QStringLiteral("Extended range"), QStringLiteral("+1")),
        typeLine(QStringLiteral("Physical"), QStringLiteral("+1DRT")),
        typeLine(QStringLiteral("Mana")),
    };
}

inline int rowOf(const ListControl &list, const QString &text)
{
    return int(list.rows().indexOf(text));
}

// The spell the golden document and the round trips use: Combat, Physical, force 6, the plain
// modifier "Area effect" and the option row "Damage: Serious".
inline void composeCombatSpell(Cantrix &window)
{
    window.CategoryCombo.setSelectedIndex(rowOf(window.CategoryCombo, QStringLiteral("Combat")));
    window.TypeCombo.setSelectedIndex(rowOf(window.TypeCombo, QStringLiteral("Physical")));
    window.ForceText.setText(QStringLiteral("6"));
    window.userDoubleClickModifier(rowOf(window.Modifier1List, QStringLiteral("Area effect")));
    window.Modifier1List.setSelectedIndex(rowOf(window.Modifier1List, QStringLiteral("Damage")));
    window.userDoubleClickOption(rowOf(window.Modifier2List, QStringLiteral("Serious")));
}

// Everything the window shows or keeps, so two windows (or one window before and after a
// command) can be compared in one go.
struct WindowSnapshot
{
    SpellSnapshot spell;
    bool closed = false;

    explicit WindowSnapshot(Cantrix &window) : spell(SpellSnapshot::of(window)), closed(window.isClosed()) {}
    friend bool operator==(const WindowSnapshot &, const WindowSnapshot &) = default;
};

// What a spell document carries back into the window, and what follows from it (the
// category's modifiers, the summary twins), one "control: value" line each; the options of the
// modifier clicked last and Text2 are not part of a spell.
inline QStringList storedSpell(Cantrix &window)
{
    QStringList lines{
        QStringLiteral("NameText: ") + window.NameText.text(),
        QStringLiteral("ForceText: ") + window.ForceText.text(),
        QStringLiteral("DrainText: ") + window.DrainText.text(),
        QStringLiteral("DescriptionText: ") + window.DescriptionText.text(),
        QStringLiteral("CreationDate: ") + window.CreationDate,
        QStringLiteral("CategoryCombo selected: %1").arg(window.CategoryCombo.selectedIndex()),
        QStringLiteral("TypeCombo selected: %1").arg(window.TypeCombo.selectedIndex()),
    };
    for (const ListControl *list : {&window.CategoryCombo, &window.CategoryCombo1, &window.TypeCombo,
                                    &window.TypeCombo1, &window.Modifier1List, &window.Modifier1List1,
                                    &window.Summary1List, &window.Summary1List1, &window.Summary2List,
                                    &window.Summary2List1}) {
        lines.append(list->name() + QStringLiteral(": ") + list->rows().join(QStringLiteral(" | ")));
    }
    return lines;
}

using TestFiles::fileBytes;
using TestFiles::writeBytes;

} // namespace SpellFixture
