// Category, type and force: the three rows of the category/type/force summary.
#include "windowmodel/cantrix.h"

#include "rules/rulesreaders.h"

namespace {
const QString spellSuffix = QStringLiteral(" Spell");
const QString forcePrefix = QStringLiteral("Force ");
} // namespace

void Cantrix::CategoryCombo_Click()
{
    // A category of thousands of modifiers is shown once listed in full.
    const ScreenUpdates::Hold hold(screenUpdates);
    const int index = CategoryCombo.selectedIndex();
    const QString name = CategoryCombo.row(index);
    const QString tokens = CategoryCombo1.row(index);

    // A new category drops the modifiers chosen so far.
    Modifier1List.clear();
    Modifier1List1.clear();
    Modifier2List.clear();
    Modifier2List1.clear();
    Summary2List.clear();
    Summary2List1.clear();

    // An unreadable file lists nothing.
    const QList<RulesReaders::Entry> modifiers = modifiersOf(name);
    for (const RulesReaders::Entry &modifier : modifiers) {
        Modifier1List.append(modifier.text);
        Modifier1List1.append(modifier.tokens);
    }

    if (name.isEmpty())
        return;
    Summary1List.replace(0, name + spellSuffix);
    Summary1List1.replace(0, tokens);
    CalculateDrain();
}

void Cantrix::TypeCombo_Click()
{
    const int index = TypeCombo.selectedIndex();
    const QString name = TypeCombo.row(index);
    const QString tokens = TypeCombo1.row(index);
    if (name.isEmpty())
        return;
    Summary1List.replace(1, name + spellSuffix);
    Summary1List1.replace(1, tokens);
    CalculateDrain();
}

void Cantrix::ForceText_Change()
{
    const QString force = ForceText.text();
    if (force.isEmpty())
        return;
    Summary1List.replace(2, forcePrefix + force);
    Summary1List1.replace(2, force);
    CalculateDrain();
}

QString Cantrix::forceInUse() const
{
    const QString typed = ForceText.text();
    return typed.isEmpty() ? Summary1List1.row(2) : typed;
}
