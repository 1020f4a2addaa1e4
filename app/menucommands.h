#pragma once

#include <QObject>
#include <QPointer>

class AboutBox;
class Cantrix;
class MainWindow;
class OpenedSpell;
class OptionsCommand;
class QSettings;
class RecentSpells;
class RulesProblemsView;
class ShellCommands;
class SpellCardActions;
class SpellCommands;
class SpellDraft;
class SpellHistory;

// Every command of the main window's menus, each wired to the menu entry that runs it. This is
// the one place that says which entry does what; the window only builds the menus.
class MenuCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuCommands)

public:
    // Lives as long as `window`, which owns it.
    MenuCommands(MainWindow &window, Cantrix &cantrix);
    ~MenuCommands() override;

    SpellCommands &spellCommands() const { return *m_spellCommands; }
    OptionsCommand &optionsCommand() const { return *m_options; }
    ShellCommands &shellCommands() const { return *m_shell; }
    RulesProblemsView &rulesProblems() const { return *m_rulesProblems; }
    SpellHistory &history() const { return *m_history; }
    SpellDraft &draft() const { return *m_draft; }
    RecentSpells &recentSpells() const { return *m_recent; }

protected:
    // A window closing keeps the spell, or stays open once to tell why it could not.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether the program may end now: the spell is kept, or the user was told before why not.
    bool mayEnd();
    // Shows the About box, the one there is: a second About brings it to the front.
    void mnuAbout_Click();
    // Undo and Redo are offered while the history has a step for them.
    void showHistory();
    // Lists the recent spells in File > Open Recent, numbered for the keyboard.
    void listRecentSpells();

    MainWindow &m_window;
    SpellCommands *m_spellCommands;
    OptionsCommand *m_options;
    ShellCommands *m_shell;
    SpellCardActions *m_cards;
    RulesProblemsView *m_rulesProblems;
    SpellHistory *m_history;
    OpenedSpell *m_opened;
    SpellDraft *m_draft;
    bool m_sessionEnding = false;
    QSettings *m_settings;
    RecentSpells *m_recent;
    // The About box while it is loaded; it has no owner, so it is not a child of the window.
    QPointer<AboutBox> m_about;
};
