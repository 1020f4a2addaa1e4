// Modifiers, their options, the modifier summary and the drain code computed from it.
#include "windowmodel/cantrix.h"

#include "drain/drain.h"
#include "drain/modifiersummary.h"
#include "rules/rulesreaders.h"

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

DrainInputs Cantrix::drainInputs() const
{
    const auto list = [](const ListControl &control) {
        return DrainInputs::List{control.rows(), control.selectedIndex()};
    };
    DrainInputs inputs;
    inputs.force = ForceText.text();
    inputs.shownCode = DrainText.text();
    inputs.rulesUnreadable = rulesUnreadable();
    inputs.Summary1List = list(Summary1List);
    inputs.Summary1List1 = list(Summary1List1);
    inputs.Summary2List = list(Summary2List);
    inputs.Summary2List1 = list(Summary2List1);
    inputs.Modifier1List = list(Modifier1List);
    inputs.Modifier1List1 = list(Modifier1List1);
    inputs.Modifier2List = list(Modifier2List);
    inputs.Modifier2List1 = list(Modifier2List1);
    return inputs;
}

Drain::Totals Cantrix::drainTotals() const
{
    return Drain::totalsOf(Summary1List1.rows(), Summary2List1.rows());
}
