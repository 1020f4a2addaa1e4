// Scenario commands for the cost of a choice: selecting an option as a single click does, the
// status-bar preview of the selected row, and the drain code taken apart.
#include "drain/drainbreakdown.h"
#include "drain/drainpreview.h"
#include "tools/scenario/scenariojson.h"
#include "tools/scenario/scenariorunner.h"

namespace {

QString rowJson(const DrainBreakdown::Row &row)
{
    using namespace ScenarioJson;
    const QString list = row.summary == Drain::Summary::Choices ? QStringLiteral("Summary1List1")
                                                                : QStringLiteral("Summary2List1");
    return object({{QStringLiteral("list"), string(list)},
                   {QStringLiteral("index"), QString::number(row.index)},
                   {QStringLiteral("text"), string(row.text)},
                   {QStringLiteral("tokens"), string(row.tokens)},
                   {QStringLiteral("level"), QString::number(row.share.level)},
                   {QStringLiteral("drainModifier"), QString::number(row.share.drainModifier)},
                   {QStringLiteral("skipped"), stringArray(row.skipped)}});
}

QString rowsJson(const QList<DrainBreakdown::Row> &rows)
{
    QStringList encoded;
    for (const DrainBreakdown::Row &row : rows)
        encoded.append(rowJson(row));
    return u'[' + encoded.join(u',') + u']';
}

QString breakdownJson(const DrainBreakdown &breakdown)
{
    using namespace ScenarioJson;
    return object({{QStringLiteral("counted"), rowsJson(breakdown.counted)},
                   {QStringLiteral("notCounted"), rowsJson(breakdown.notCounted)},
                   {QStringLiteral("force"), string(breakdown.force)},
                   {QStringLiteral("forceHalved"), string(breakdown.forceHalved())},
                   {QStringLiteral("drainModifier"), QString::number(breakdown.totals.drainModifier)},
                   {QStringLiteral("level"), QString::number(breakdown.totals.level)},
                   {QStringLiteral("letter"), string(breakdown.letter())},
                   {QStringLiteral("levelPastTable"), boolean(breakdown.levelPastTable())},
                   {QStringLiteral("code"), string(breakdown.code)}});
}

} // namespace

void addDrainScenarioCommands(ScenarioRunner &runner)
{
    Cantrix &w = runner.window();
    runner.addCommand(QStringLiteral("option"), ScenarioRunner::Argument::Number, [&w](const QString &, int n) {
        if (n < -1 || n >= w.Modifier2List.count())
            return QStringLiteral("Modifier2List has no row %1").arg(n);
        w.Modifier2List.setSelectedIndex(n);
        return QString();
    });
    runner.addDumpField(QStringLiteral("Preview"),
                        [&w] { return ScenarioJson::string(DrainPreview::ofSelection(w.drainInputs()).statusText()); });
    runner.addDumpField(QStringLiteral("Breakdown"), [&w] { return breakdownJson(DrainBreakdown::of(w.drainInputs())); });
}
