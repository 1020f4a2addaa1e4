// Scenario commands for composing a spell: the window's own controls and handlers.
#include "tools/scenario/scenariorunner.h"

namespace {

// Selecting a row of a list the way the view does it; an index outside the list is refused
// so that a script with a wrong number fails loudly instead of silently doing nothing.
QString select(ListControl &list, int row)
{
    if (row < -1 || row >= list.count())
        return QStringLiteral("%1 has no row %2").arg(list.name()).arg(row);
    list.setSelectedIndex(row);
    return QString();
}

} // namespace

void addDesignScenarioCommands(ScenarioRunner &runner)
{
    using Argument = ScenarioRunner::Argument;
    Cantrix &w = runner.window();
    runner.addCommand(QStringLiteral("start"), Argument::None, [&w](const QString &, int) {
        w.Form_Load();
        return QString();
    });
    runner.addCommand(QStringLiteral("new"), Argument::None, [&w](const QString &, int) {
        w.mnuNew_Click();
        return QString();
    });
    runner.addCommand(QStringLiteral("category"), Argument::Number,
                      [&w](const QString &, int n) { return select(w.CategoryCombo, n); });
    runner.addCommand(QStringLiteral("type"), Argument::Number,
                      [&w](const QString &, int n) { return select(w.TypeCombo, n); });
    runner.addCommand(QStringLiteral("modifier"), Argument::Number,
                      [&w](const QString &, int n) { return select(w.Modifier1List, n); });
    runner.addCommand(QStringLiteral("summary"), Argument::Number,
                      [&w](const QString &, int n) { return select(w.Summary2List, n); });
    runner.addCommand(QStringLiteral("modifier-dblclick"), Argument::Number, [&w](const QString &, int n) {
        if (n < 0 || n >= w.Modifier1List.count())
            return QStringLiteral("Modifier1List has no row %1").arg(n);
        w.userDoubleClickModifier(n);
        return QString();
    });
    runner.addCommand(QStringLiteral("option-dblclick"), Argument::Number, [&w](const QString &, int n) {
        if (n < 0 || n >= w.Modifier2List.count())
            return QStringLiteral("Modifier2List has no row %1").arg(n);
        w.userDoubleClickOption(n);
        return QString();
    });
    runner.addCommand(QStringLiteral("remove"), Argument::None, [&w](const QString &, int) {
        w.RemoveCommand_Click();
        return QString();
    });
    runner.addCommand(QStringLiteral("force"), Argument::Text, [&w](const QString &text, int) {
        w.ForceText.setText(text);
        return QString();
    });
    runner.addCommand(QStringLiteral("name"), Argument::Text, [&w](const QString &text, int) {
        w.NameText.setText(text);
        return QString();
    });
    runner.addCommand(QStringLiteral("description"), Argument::Text, [&w](const QString &text, int) {
        w.DescriptionText.setText(text);
        return QString();
    });
}
