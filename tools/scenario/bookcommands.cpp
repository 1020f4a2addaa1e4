// Scenario commands for spells and the rules as they are now: a game master's edit of the rules
// data file, a spell rebuilt under it, and the spell book of a folder.
#include <QDir>
#include <QFile>

#include "book/bookjson.h"
#include "book/spellbookmodel.h"
#include "documents/spellrebuild.h"
#include "files/wholefile.h"
#include "rules/rulesfile.h"
#include "session/rulesproblems.h"
#include "session/spellsession.h"
#include "tools/scenario/scenariorunner.h"

void addBookScenarioCommands(ScenarioRunner &runner)
{
    using Argument = ScenarioRunner::Argument;
    SpellSession &session = runner.session();
    RecordingPlatform &platform = runner.platform();
    const auto rulesPath = [&platform] { return RulesFile::pathIn(platform.programDirectory()); };
    // The watcher tells the session of a change once it has settled; a script has no event loop,
    // so the command tells it as the watcher would.
    const auto rulesTouched = [&session] { session.rulesProblems().changedOnDisk(); };

    // A script has no event loop: the book reads before the command that asks for it returns.
    session.book().setSynchronous(true);
    runner.addCommand(QStringLiteral("book"), Argument::Text, [&session](const QString &folder, int) {
        session.book().setFolder(folder);
        return QString();
    });
    runner.addDumpField(QStringLiteral("Book"), [&session] {
        if (session.book().folder().isEmpty())
            return QString();
        return BookJson::document(session.book().entries(), true);
    });

    runner.addCommand(QStringLiteral("rebuild"), Argument::None, [&session](const QString &, int) {
        session.rebuild().mnuRebuild_Click();
        return QString();
    });
    runner.addCommand(QStringLiteral("replace-rules"), Argument::Text,
                      [&platform, rulesPath, rulesTouched](const QString &file, int) {
        const WholeFile::Contents bytes = WholeFile::read(QDir(platform.programDirectory()).filePath(file), RulesFile::maxBytes);
        if (!bytes.ok())
            return QStringLiteral("\"replace-rules\" cannot read %1: %2").arg(file, bytes.error);
        if (const std::optional<QString> reason = WholeFile::replace(rulesPath(), bytes.bytes))
            return QStringLiteral("\"replace-rules\" cannot write the rules: %1").arg(*reason);
        rulesTouched();
        return QString();
    });
    runner.addCommand(QStringLiteral("remove-rules"), Argument::None, [rulesPath, rulesTouched](const QString &, int) {
        if (!QFile::remove(rulesPath()))
            return QStringLiteral("\"remove-rules\" found no rules data file to remove");
        rulesTouched();
        return QString();
    });
}
