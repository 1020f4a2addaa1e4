#include "app/menucommands.h"

#include <QAction>

#include "app/aboutbox.h"
#include "app/drainbreakdownview.h"
#include "app/drainpreviewstatus.h"
#include "app/mainwindow.h"
#include "app/optionscommand.h"
#include "app/rulesproblemsview.h"
#include "app/spellcardactions.h"
#include "design/cantrix.h"
#include "documents/spellcommands.h"
#include "shell/shellcommands.h"

MenuCommands::MenuCommands(MainWindow &window, Cantrix &cantrix)
    : QObject(&window),
      m_spellCommands(new SpellCommands(cantrix, cantrix.platform(), this)),
      m_options(new OptionsCommand(cantrix.platform(), this)),
      m_shell(new ShellCommands(cantrix.platform(), this)),
      m_cards(new SpellCardActions(cantrix, &window)),
      m_rulesProblems(new RulesProblemsView(cantrix, &window))
{
    connect(window.mnuNew(), &QAction::triggered, &cantrix, &Cantrix::mnuNew_Click);
    connect(window.mnuOpen(), &QAction::triggered, m_spellCommands, &SpellCommands::mnuOpen_Click);
    connect(window.mnuSave(), &QAction::triggered, m_spellCommands, &SpellCommands::mnuSave_Click);
    connect(window.mnuExportCard(), &QAction::triggered, m_cards, &SpellCardActions::exportCard);
    connect(window.mnuPrint(), &QAction::triggered, m_cards, &SpellCardActions::print);
    connect(window.mnuOptions(), &QAction::triggered, m_options, &OptionsCommand::mnuOptions_Click);
    connect(window.mnuExit(), &QAction::triggered, m_shell, &ShellCommands::mnuExit_Click);
    connect(window.mnuRulesProblems(), &QAction::triggered, m_rulesProblems, &RulesProblemsView::showList);
    connect(window.mnuDrainBreakdown(), &QAction::triggered, &window.drainBreakdown(), &DrainBreakdownView::showWindow);
    // The preview and the rules problems share the status bar: while the preview speaks, the
    // count keeps to a few words at its side.
    connect(&window.drainPreview(), &DrainPreviewStatus::shown, m_rulesProblems, &RulesProblemsView::setCompact);
    connect(window.mnuHelpIndex(), &QAction::triggered, m_shell, &ShellCommands::mnuHelpIndex_Click);
    connect(window.mnuAbout(), &QAction::triggered, this, &MenuCommands::mnuAbout_Click);
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
