// Modifiers, their options, the modifier summary and the drain code computed from it.
#include "design/cantrix.h"

#include "design/drain.h"
#include "design/rulesreaders.h"

QString Cantrix::groupPrefix(const QString &text)
{
    return text.left(groupPrefixLength);
}

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
    const QString tokens = Modifier1List1.row(selected);
    const QString prefix = groupPrefix(text);
    const int searched = std::min(Summary2List.count(), countedSummaryRows);
    for (int i = 0; i < searched; ++i) {
        if (groupPrefix(Summary2List.row(i)) == prefix)
            return; // already represented
    }
    Summary2List.append(text);
    Summary2List1.append(tokens);
    CalculateDrain();
}

void Cantrix::Modifier2List_DblClick()
{
    const int option = Modifier2List.selectedIndex();
    if (option < 0)
        return;
    const QString modifier = Modifier1List.text();

    // The rows of this modifier: for a long text its first six characters, for a short one
    // the whole text followed by ": ", so that short modifiers replace their option too.
    const QString rowStart = modifier.size() >= groupPrefixLength ? modifier.left(groupPrefixLength)
                                                                  : modifier + QStringLiteral(": ");
    // Walk the counted rows from the bottom, so every row examined is one that stood there
    // before the removals and no row moving up is examined twice.
    for (int i = std::min(Summary2List.count(), countedSummaryRows) - 1; i >= 0; --i) {
        if (Summary2List.row(i).startsWith(rowStart)) {
            Summary2List.remove(i);
            Summary2List1.remove(i);
        }
    }
    Summary2List.append(modifier + QStringLiteral(": ") + Modifier2List.row(option));
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
    Drain::Totals totals;
    for (int i = 0; i < 2; ++i)
        Drain::addTokens(Summary1List1.row(i), totals);
    for (int i = 0; i < countedSummaryRows; ++i)
        Drain::addTokens(Summary2List1.row(i), totals);
    DrainText.setText(Drain::code(ForceText.text(), totals));
}
