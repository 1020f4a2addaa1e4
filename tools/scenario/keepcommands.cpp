// Scenario commands for what keeps the spell on screen: Undo and Redo, the document behind the
// window, the draft kept as the program ends and brought back by Restore Last Spell in the
// next run.
#include <memory>

#include "design/spellhistory.h"
#include "documents/openedspell.h"
#include "documents/spellcommands.h"
#include "documents/spelldraft.h"
#include "shell/shellcommands.h"
#include "tools/scenario/scenariojson.h"
#include "tools/scenario/scenariorunner.h"

namespace {

// What the program builds around the window for one run, as MenuCommands does.
struct KeepSession
{
    explicit KeepSession(ScenarioRunner &runner)
        : history(runner.window()),
          opened(runner.window(), runner.spellCommands(), history, runner.platform()),
          draft(runner.window(), runner.spellCommands(), opened, runner.platform()),
          shell(runner.platform()), statusSince(runner.platform().statusMessages.size())
    {
    }

    SpellHistory history;
    OpenedSpell opened;
    SpellDraft draft;
    ShellCommands shell;
    // A new run shows a new window, with nothing in its status bar yet.
    qsizetype statusSince;
};

} // namespace

void addKeepScenarioCommands(ScenarioRunner &runner)
{
    using Argument = ScenarioRunner::Argument;
    const auto session = std::make_shared<KeepSession>(runner);
    // Each script line is one user action, settled as the program's event loop settles one.
    runner.addAfterCommand([session] { session->history.settle(); });

    runner.addCommand(QStringLiteral("undo"), Argument::None, [session](const QString &, int) {
        session->history.undo();
        return QString();
    });
    runner.addCommand(QStringLiteral("redo"), Argument::None, [session](const QString &, int) {
        session->history.redo();
        return QString();
    });
    runner.addCommand(QStringLiteral("restore-last-spell"), Argument::None, [session](const QString &, int) {
        session->draft.restore();
        return QString();
    });
    // The program ends as Exit (or closing the window, or the session ending) ends it.
    runner.addCommand(QStringLiteral("exit"), Argument::None, [session](const QString &, int) {
        // A spell that could not be kept, newly told, keeps the program open, as in the window.
        if (session->draft.keepOrTell(SpellDraft::Ending::Closing) != SpellDraft::Keeping::Failed)
            session->shell.mnuExit_Click();
        return QString();
    });
    runner.addCommand(QStringLiteral("restart"), Argument::None, [&runner](const QString &, int) {
        runner.requestRestart();
        return QString();
    });

    RecordingPlatform &platform = runner.platform();
    runner.addDumpField(QStringLiteral("History"), [session] {
        using namespace ScenarioJson;
        return object({{QStringLiteral("undo"), QString::number(session->history.undoSteps())},
                       {QStringLiteral("redo"), QString::number(session->history.redoSteps())}});
    });
    runner.addDumpField(QStringLiteral("Status"), [session, &platform] {
        const bool any = platform.statusMessages.size() > session->statusSince;
        return ScenarioJson::string(any ? platform.statusMessages.constLast() : QString());
    });
}
