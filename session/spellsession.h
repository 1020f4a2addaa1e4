#pragma once

#include <optional>

#include <QObject>
#include <QString>

#include "documents/spelldraft.h"

class Cantrix;
class OpenedSpell;
class Platform;
class QSettings;
class RecentSpells;
class RulesProblems;
class ShellCommands;
class SpellCommands;
class SpellHistory;

// One running program, assembled: the design window's model and every core service that works
// on the spell it holds, each created once here and wired to the others. The program's window
// and the scenario driver both drive a session, so what is wired here is wired for both; a new
// service is created and wired in this class, and its menu entry or driver command calls it.
//
// What the program is made of:
//   window()         the design window as a model: controls, handlers, drain code
//   spellCommands()  File > Open and Save: spell documents in and out of the window
//   history()        Edit > Undo and Redo: a step for each user action
//   openedSpell()    the document behind the window, for the title and its modified marker
//   draft()          the spell kept as the program ends, and File > Restore Last Spell
//   recentSpells()   File > Open Recent, kept in the user's settings
//   shellCommands()  Help Index and Exit
//   rulesProblems()  the rules data file checked at each design start and whenever it changes
class SpellSession final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellSession)

public:
    // `platform` and `settings` outlive the session.
    SpellSession(Platform &platform, QSettings &settings, QObject *parent = nullptr);
    ~SpellSession() override;

    Platform &platform() const { return m_platform; }
    Cantrix &window() const { return *m_window; }
    SpellCommands &spellCommands() const { return *m_spellCommands; }
    SpellHistory &history() const { return *m_history; }
    OpenedSpell &openedSpell() const { return *m_opened; }
    SpellDraft &draft() const { return *m_draft; }
    RecentSpells &recentSpells() const { return *m_recent; }
    ShellCommands &shellCommands() const { return *m_shell; }
    RulesProblems &rulesProblems() const { return *m_rulesProblems; }

    // Starts the program: the window loads its lists from the rules data file. False when it
    // could not (the user has been told, and the window is closed).
    bool start();
    // A user action is over, nested handlers and all: it becomes one step of the history.
    void settle();
    // Exit chosen, or the window about to close: an unsaved spell is kept as the draft. False
    // when it could not be and the user has just been told why: the program then stays, its
    // spell on screen to be saved, and ending again ends it.
    bool mayEnd();
    // The program ends (Exit, the window closed, the desktop session over): an unsaved spell
    // is kept as the draft, or the user is told, as `ending` allows, why it could not be.
    SpellDraft::Keeping end(SpellDraft::Ending ending = SpellDraft::Ending::Exit);

private:
    Platform &m_platform;
    Cantrix *m_window;
    SpellCommands *m_spellCommands;
    SpellHistory *m_history;
    OpenedSpell *m_opened;
    SpellDraft *m_draft;
    RecentSpells *m_recent;
    ShellCommands *m_shell;
    RulesProblems *m_rulesProblems;
    bool m_desktopSessionEnding = false;
};
