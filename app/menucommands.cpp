#include "app/menucommands.h"

#include <QAction>
#include <QApplication>

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/optionscommand.h"
#include "app/rulesproblemsview.h"
#include "app/spellcardactions.h"
#include "design/cantrix.h"
#include "design/spellhistory.h"
#include "documents/openedspell.h"
#include "documents/spellcommands.h"
#include "documents/spelldraft.h"
#include "shell/shellcommands.h"

MenuCommands::MenuCommands(MainWindow &window, Cantrix &cantrix)
    : QObject(&window),
      m_spellCommands(new SpellCommands(cantrix, cantrix.platform(), this)),
      m_options(new OptionsCommand(cantrix.platform(), this)),
      m_shell(new ShellCommands(cantrix.platform(), this)),
      m_cards(new SpellCardActions(cantrix, &window)),
      m_rulesProblems(new RulesProblemsView(cantrix, &window)),
      m_history(new SpellHistory(cantrix, this)),
      m_opened(new OpenedSpell(cantrix, *m_spellCommands, *m_history, cantrix.platform(), this)),
      m_draft(new SpellDraft(cantrix, *m_spellCommands, *m_opened, cantrix.platform(), this))
{
    connect(window.mnuNew(), &QAction::triggered, &cantrix, &Cantrix::mnuNew_Click);
    connect(window.mnuOpen(), &QAction::triggered, m_spellCommands, &SpellCommands::mnuOpen_Click);
    connect(window.mnuSave(), &QAction::triggered, m_spellCommands, &SpellCommands::mnuSave_Click);
    // A save dates a spell saved for the first time, and no control tells of that.
    connect(window.mnuSave(), &QAction::triggered, m_history, &SpellHistory::settle);
    connect(window.mnuRestoreLastSpell(), &QAction::triggered, m_draft, &SpellDraft::restore);
    connect(window.mnuExportCard(), &QAction::triggered, m_cards, &SpellCardActions::exportCard);
    connect(window.mnuPrint(), &QAction::triggered, m_cards, &SpellCardActions::print);
    connect(window.mnuOptions(), &QAction::triggered, m_options, &OptionsCommand::mnuOptions_Click);
    connect(window.mnuExit(), &QAction::triggered, m_shell, &ShellCommands::mnuExit_Click);
    connect(window.mnuUndo(), &QAction::triggered, m_history, &SpellHistory::undo);
    connect(window.mnuRedo(), &QAction::triggered, m_history, &SpellHistory::redo);
    connect(window.mnuRulesProblems(), &QAction::triggered, m_rulesProblems, &RulesProblemsView::showList);
    connect(window.mnuHelpIndex(), &QAction::triggered, m_shell, &ShellCommands::mnuHelpIndex_Click);
    connect(window.mnuAbout(), &QAction::triggered, this, &MenuCommands::mnuAbout_Click);

    // A user action is one step once the event loop has seen it through, nested handlers and all.
    connect(m_history, &SpellHistory::changePending, m_history, &SpellHistory::settle, Qt::QueuedConnection);
    connect(m_history, &SpellHistory::settled, this, [this, &window] { showHistory(window); });
    showHistory(window);
    window.mnuRestoreLastSpell()->setEnabled(m_draft->isAvailable());
    connect(m_draft, &SpellDraft::availabilityChanged, window.mnuRestoreLastSpell(), &QAction::setEnabled);
    // However the program ends (Exit, the window closed, the session over), an unsaved spell is kept.
    const auto keepDraft = [this] { m_draft->keep(); };
    connect(qApp, &QCoreApplication::aboutToQuit, m_draft, keepDraft);
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, m_draft, keepDraft);
#endif
}

void MenuCommands::showHistory(MainWindow &window)
{
    window.mnuUndo()->setEnabled(m_history->canUndo());
    window.mnuRedo()->setEnabled(m_history->canRedo());
}

MenuCommands::~MenuCommands()
{
    delete m_about;
}

void MenuCommands::mnuAbout_Click()
{
    if (!m_about)
        m_about = new AboutBox();
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}
