// Modifiers, their options, the modifier summary and the drain code computed from it.
#include "design/cantrix.h"

#include "design/drain.h"
#include "design/modifiersummary.h"
#include "design/rulesreaders.h"

void Cantrix::Modifier1List_Click()
{
    const ScreenUpdates::Hold hold(screenUpdates);
    Modifier2List.clear();
    Modifier2List1.clear();
    Text2.setText(Modifier1List.text());
    const QList<RulesReaders::Entry> options = optionsOf(CategoryCombo.text(), Text2.text());
    for (const RulesReaders::Entry &option : options) {
        Modifier2List.append(option.text);
        Modifier2List1.append(option.tokens);
    }
}

void Cantrix::Modifier1List_DblClick()
{
    const int selected = Modifier1List.selectedIndex();
    if (selected < 0)
        return;
    // A modifier with options enters the summary only through one of its options. Without a
    // readable rules file nobody can tell, so nothing enters.
    if (ownsOptions(CategoryCombo.text(), Text2.text()).value_or(true))
        return;

    const QString text = Modifier1List.row(selected);
    if (ModifierSummary::representedAt(Summary2List, text) >= 0)
        return;
    Summary2List.append(text);
    Summary2List1.append(Modifier1List1.row(selected));
    CalculateDrain();
}

void Cantrix::Modifier2List_DblClick()
{
    const int option = Modifier2List.selectedIndex();
    if (option < 0)
        return;
    const QString modifier = Modifier1List.text();
    ModifierSummary::removeRowsOf(Summary2List, Summary2List1, modifier, [](int, const QString &) {});
    Summary2List.append(ModifierSummary::optionRow(modifier, Modifier2List.row(option)));
    Summary2List1.append(Modifier2List1.row(option));
    CalculateDrain();
}

void Cantrix::RemoveCommand_Click()
{
    const int selected = Summary2List.selectedIndex();
    if (selected < 0)
        return;
    Summary2List.remove(selected);
    Summary2List1.remove(selected);
    CalculateDrain();
}

void Cantrix::userDoubleClickModifier(int row)
{
    Modifier1List.setSelectedIndex(row);
    Modifier1List_DblClick();
}

void Cantrix::userDoubleClickOption(int row)
{
    Modifier2List.setSelectedIndex(row);
    Modifier2List_DblClick();
}

void Cantrix::CalculateDrain()
{
    // The counted rows are the drain rules' to name, so the preview and the breakdown count
    // the very same ones.
    DrainText.setText(Drain::calculate(ForceText.text(), Summary1List1.rows(), Summary2List1.rows()));
}
