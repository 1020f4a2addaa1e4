#pragma once

#include <QObject>
#include <QPointer>

class AboutBox;
class MainWindow;
class OptionsCommand;
class RulesProblemsView;
class SpellCardActions;
class SpellSession;

// Every command of the main window's menus, each wired to the menu entry that runs it: an entry
// calls the session, or a view of the program's own (dialogs, the card, the rules problems).
// This is the one place that says which entry does what; the window only builds the menus.
class MenuCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MenuCommands)

public:
    // Lives as long as `window`, which owns it.
    MenuCommands(MainWindow &window, SpellSession &session);
    ~MenuCommands() override;

    OptionsCommand &optionsCommand() const { return *m_options; }
    RulesProblemsView &rulesProblems() const { return *m_rulesProblems; }

protected:
    // A window closing keeps the spell, or stays open once to tell why it could not.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the About box, the one there is: a second About brings it to the front.
    void mnuAbout_Click();
    // Undo and Redo are offered while the history has a step for them.
    void showHistory();
    // Lists the recent spells in File > Open Recent, numbered for the keyboard.
    void listRecentSpells();

    MainWindow &m_window;
    SpellSession &m_session;
    OptionsCommand *m_options;
    SpellCardActions *m_cards;
    RulesProblemsView *m_rulesProblems;
    // The About box while it is loaded; it has no owner, so it is not a child of the window.
    QPointer<AboutBox> m_about;
};
