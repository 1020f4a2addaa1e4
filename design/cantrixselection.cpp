// Category, type and force: the three rows of the category/type/force summary.
#include "design/cantrix.h"

#include "design/rulesreaders.h"

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
    Summary1List.insert(0, name + spellSuffix);
    Summary1List1.insert(0, tokens);
    Summary1List.remove(1);
    Summary1List1.remove(1);
    CalculateDrain();
}

void Cantrix::TypeCombo_Click()
{
    const int index = TypeCombo.selectedIndex();
    const QString name = TypeCombo.row(index);
    const QString tokens = TypeCombo1.row(index);
    if (name.isEmpty())
        return;
    Summary1List.insert(1, name + spellSuffix);
    Summary1List.remove(2);
    Summary1List1.insert(1, tokens);
    Summary1List1.remove(2);
    CalculateDrain();
}

void Cantrix::ForceText_Change()
{
    const QString force = ForceText.text();
    if (force.isEmpty())
        return;
    Summary1List.insert(2, forcePrefix + force);
    Summary1List1.insert(2, force);
    Summary1List.remove(3);
    Summary1List1.remove(3);
    CalculateDrain();
}
