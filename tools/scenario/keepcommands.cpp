// Scenario commands for what keeps the spell on screen: Undo and Redo, the document behind the
// window, the draft kept as the program ends and brought back by Restore Last Spell in the
// next run.
#include <memory>

#include "documents/spelldraft.h"
#include "session/spellsession.h"
#include "shell/shellcommands.h"
#include "windowmodel/spellhistory.h"
#include "tools/scenario/scenariojson.h"
#include "tools/scenario/scenariorunner.h"

namespace {

// What the keeping commands of one run work with.
struct KeepSession
{
    explicit KeepSession(ScenarioRunner &runner)
        : history(runner.session().history()), draft(runner.session().draft()),
          shell(runner.session().shellCommands()), session(runner.session()),
          statusSince(runner.platform().statusMessages.size())
    {
    }

    SpellHistory &history;
    SpellDraft &draft;
    ShellCommands &shell;
    SpellSession &session;
    // A new run shows a new window, with nothing in its status bar yet.
    qsizetype statusSince;
};

} // namespace

void addKeepScenarioCommands(ScenarioRunner &runner)
{
    using Argument = ScenarioRunner::Argument;
    const auto session = std::make_shared<KeepSession>(runner);
    // Each script line is one user action, settled as the program's event loop settles one.
    runner.addAfterCommand([session] { session->session.settle(); });

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
        if (session->session.mayEnd()) {
            session->shell.mnuExit_Click();
            session->session.end();
        }
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
