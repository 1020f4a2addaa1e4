#pragma once

#include <functional>
#include <memory>

#include <QHash>
#include <QList>
#include <QSettings>
#include <QString>
#include <QTextStream>

#include "session/spellsession.h"
#include "tests/support/recordingplatform.h"
#include "windowmodel/cantrix.h"

class SpellCommands;

// Runs a script of user actions against the design core, one command a line, and prints the
// window's state as JSON on `dump`. Commands are registered by name, so each area of the
// program adds its own in a file of its own. "restart" starts the program again on the same
// folders: every command is registered anew against a new window, as a new run would see it.
class ScenarioRunner final
{
    Q_DISABLE_COPY_MOVE(ScenarioRunner)

public:
    enum class Argument { None, Number, Text };
    // A command returns an error text, or an empty string when it ran.
    using Command = std::function<QString(const QString &text, int number)>;
    // An extra key of the dump: returns a complete JSON value, or "" to leave the key out.
    using DumpField = std::function<QString()>;

    ScenarioRunner(const QString &programDirectory, QTextStream &out);
    ~ScenarioRunner();

    RecordingPlatform &platform() { return m_platform; }
    // The program of this run, assembled as the real one is.
    SpellSession &session() { return *m_session; }
    Cantrix &window() { return m_session->window(); }
    // The File menu's Open and Save of this run.
    SpellCommands &spellCommands() { return m_session->spellCommands(); }

    void addCommand(const QString &name, Argument argument, Command command);
    void addDumpField(const QString &key, DumpField field);
    // Runs after every command of the script, as the program's event loop follows every action.
    void addAfterCommand(std::function<void()> after);
    // Ends this run once the current command is over and starts a new one on the same folders.
    void requestRestart() { m_restartRequested = true; }

    // Runs one script line; returns false with `error` set for an unknown command or a bad argument.
    bool runLine(const QString &line, QString *error);
    // Runs a whole script; on the first bad line writes "LINE: reason" to `errors`.
    bool runScript(const QString &script, QTextStream &errors);

    // Decodes \n, \r, \t and \\ in a text argument.
    static QString unescape(const QString &text);

private:
    struct Entry
    {
        Argument argument;
        Command command;
    };
    // Makes the window and registers every command against it.
    void startRun();
    void endRun();
    QString dump();

    RecordingPlatform m_platform;
    // The user's settings of every run, in the run's own user folder.
    QSettings m_settings;
    std::unique_ptr<SpellSession> m_session;
    QTextStream &m_out;
    QHash<QString, Entry> m_commands;
    QList<std::pair<QString, DumpField>> m_dumpFields;
    QList<std::function<void()>> m_afterCommand;
    bool m_restartRequested = false;
    int m_reportedWarnings = 0;
};

// Each area registers its commands here (defined in the file of that area).
void addDesignScenarioCommands(ScenarioRunner &runner);
void addDocumentScenarioCommands(ScenarioRunner &runner);
void addDrainScenarioCommands(ScenarioRunner &runner);
void addKeepScenarioCommands(ScenarioRunner &runner);
void addBookScenarioCommands(ScenarioRunner &runner);
