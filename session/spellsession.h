#pragma once

#include <optional>

#include <QObject>
#include <QString>

#include "documents/spelldraft.h"

class Cantrix;
class DraftKeeper;
class OpenedSpell;
class Platform;
class QSettings;
class RebuildCommand;
class RecentSpells;
class RulesChangeNotice;
class RulesProblems;
class ShellCommands;
class SpellBookModel;
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
//   draftKeeper()    the draft brought up to date a moment after each change
//   recentSpells()   File > Open Recent, kept in the user's settings
//   shellCommands()  Help Index and Exit
//   rulesProblems()  the rules data file checked at each design start and whenever it changes
//   rebuild()        Rules > Rebuild Under Today's Rules: the spell chosen again, step by step
//   rulesChange()    the status bar's word that the lists on screen are from earlier rules
//   book()           File > Spell Book: a folder's spells under today's rules
class SpellSession final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellSession)

public:
    // `platform` and `settings` outlive the session.
    SpellSession(Platform &platform, QSettings &settings, QObject *parent = nullptr);
    ~SpellSession() override;

    Platform &platform() const { return m_platform; }
    // The user's settings the session was made with.
    QSettings &settings() const { return m_settings; }
    Cantrix &window() const { return *m_window; }
    SpellCommands &spellCommands() const { return *m_spellCommands; }
    SpellHistory &history() const { return *m_history; }
    OpenedSpell &openedSpell() const { return *m_opened; }
    SpellDraft &draft() const { return *m_draft; }
    DraftKeeper &draftKeeper() const { return *m_draftKeeper; }
    RecentSpells &recentSpells() const { return *m_recent; }
    ShellCommands &shellCommands() const { return *m_shell; }
    RulesProblems &rulesProblems() const { return *m_rulesProblems; }
    RebuildCommand &rebuild() const { return *m_rebuild; }
    RulesChangeNotice &rulesChange() const { return *m_rulesChange; }
    SpellBookModel &book() const { return *m_book; }

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
    QSettings &m_settings;
    Cantrix *m_window;
    SpellCommands *m_spellCommands;
    SpellHistory *m_history;
    OpenedSpell *m_opened;
    SpellDraft *m_draft;
    DraftKeeper *m_draftKeeper;
    RecentSpells *m_recent;
    ShellCommands *m_shell;
    RulesProblems *m_rulesProblems;
    RebuildCommand *m_rebuild;
    RulesChangeNotice *m_rulesChange;
    SpellBookModel *m_book;
    bool m_desktopSessionEnding = false;
};
