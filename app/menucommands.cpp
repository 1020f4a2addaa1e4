#include "app/menucommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QMenu>

#include "app/aboutbox.h"
#include "app/drainbreakdownview.h"
#include "app/drainpreviewstatus.h"
#include "app/mainwindow.h"
#include "app/optionscommand.h"
#include "app/rulesproblemsview.h"
#include "app/spellcardactions.h"
#include "app/spellchanges.h"
#include "documents/recentspells.h"
#include "documents/spellcommands.h"
#include "documents/spelldraft.h"
#include "session/spellsession.h"
#include "shell/shellcommands.h"
#include "windowmodel/cantrix.h"
#include "windowmodel/spellhistory.h"

MenuCommands::MenuCommands(MainWindow &window, SpellSession &session)
    : QObject(&window),
      m_window(window),
      m_session(session),
      m_options(new OptionsCommand(session.platform(), this)),
      m_cards(new SpellCardActions(session.window(), &window)),
      m_rulesProblems(new RulesProblemsView(session.window(), session.rulesProblems(), &window))
{
    Cantrix &cantrix = session.window();
    SpellCommands *spellCommands = &session.spellCommands();
    SpellHistory *history = &session.history();
    SpellDraft *draft = &session.draft();
    ShellCommands *shell = &session.shellCommands();
    connect(window.mnuNew(), &QAction::triggered, &cantrix, &Cantrix::mnuNew_Click);
    connect(window.mnuOpen(), &QAction::triggered, spellCommands, &SpellCommands::mnuOpen_Click);
    connect(window.mnuSave(), &QAction::triggered, spellCommands, &SpellCommands::mnuSave_Click);
    connect(window.mnuRestoreLastSpell(), &QAction::triggered, draft, &SpellDraft::restore);
    connect(window.mnuExportCard(), &QAction::triggered, m_cards, &SpellCardActions::exportCard);
    connect(window.mnuPrint(), &QAction::triggered, m_cards, &SpellCardActions::print);
    connect(window.mnuOptions(), &QAction::triggered, m_options, &OptionsCommand::mnuOptions_Click);
    connect(window.mnuExit(), &QAction::triggered, shell, [this, shell] {
        if (m_session.mayEnd())
            shell->mnuExit_Click();
    });
    connect(window.mnuUndo(), &QAction::triggered, history, &SpellHistory::undo);
    connect(window.mnuRedo(), &QAction::triggered, history, &SpellHistory::redo);
    connect(window.mnuRulesProblems(), &QAction::triggered, m_rulesProblems, &RulesProblemsView::showList);
    connect(window.mnuDrainBreakdown(), &QAction::triggered, &window.drainBreakdown(), &DrainBreakdownView::showWindow);
    // The preview and the rules problems share the status bar: while the preview speaks, the
    // count keeps to a few words at its side.
    connect(&window.drainPreview(), &DrainPreviewStatus::shown, m_rulesProblems, &RulesProblemsView::setCompact);
    connect(window.mnuHelpIndex(), &QAction::triggered, shell, &ShellCommands::mnuHelpIndex_Click);
    connect(window.mnuAbout(), &QAction::triggered, this, &MenuCommands::mnuAbout_Click);

    // Queued: a recent spell opened from the menu changes the list while its entry still runs.
    connect(&session.recentSpells(), &RecentSpells::changed, this, &MenuCommands::listRecentSpells, Qt::QueuedConnection);
    listRecentSpells();
    // Opened once the drop is over, so a message about the file does not hold up the desktop's
    // drag and drop.
    connect(&window, &MainWindow::spellDropped, spellCommands, &SpellCommands::openFile, Qt::QueuedConnection);

    // A user action is one step once the event loop has seen it through, nested handlers and all.
    connect(&window.spellChanges(), &SpellChanges::settled, &session, &SpellSession::settle);
    connect(history, &SpellHistory::settled, this, &MenuCommands::showHistory);
    showHistory();
    window.mnuRestoreLastSpell()->setEnabled(draft->isAvailable());
    connect(draft, &SpellDraft::availabilityChanged, window.mnuRestoreLastSpell(), &QAction::setEnabled);
    // However the program ends (Exit, the window closed, the session over), an unsaved spell is
    // kept, or the user is told it could not be: in a warning while the window still shows it,
    // or where a desktop session that ends waits for no window, on standard error.
    window.installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, &session, [&session] { session.end(); });
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, &session,
            [&session] { session.end(SpellDraft::Ending::SessionEnd); });
#endif
}

bool MenuCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Close && !m_session.mayEnd()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void MenuCommands::showHistory()
{
    m_window.mnuUndo()->setEnabled(m_session.history().canUndo());
    m_window.mnuRedo()->setEnabled(m_session.history().canRedo());
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

void MenuCommands::listRecentSpells()
{
    QMenu *menu = m_window.mnuOpenRecent();
    menu->clear();
    RecentSpells *recent = &m_session.recentSpells();
    const QStringList paths = recent->paths();
    // Long paths are shortened in the middle, where the folders least telling of the file are.
    const QFontMetrics metrics(menu->font());
    const int widest = metrics.averageCharWidth() * 60;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, widest);
        shown.replace(u'&', QStringLiteral("&&"));
        QAction *entry = menu->addAction(tr("&%1 %2").arg(i + 1).arg(shown));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, recent, [recent, path] { recent->open(path); });
    }
    menu->menuAction()->setEnabled(!paths.isEmpty());
}
