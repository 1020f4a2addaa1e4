#include "app/menucommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QMenu>
#include <QSettings>

#include "app/aboutbox.h"
#include "app/drainbreakdownview.h"
#include "app/drainpreviewstatus.h"
#include "app/mainwindow.h"
#include "app/optionscommand.h"
#include "app/rulesproblemsview.h"
#include "app/spellcardactions.h"
#include "app/spellchanges.h"
#include "design/cantrix.h"
#include "design/spellhistory.h"
#include "documents/openedspell.h"
#include "documents/recentspells.h"
#include "documents/spellcommands.h"
#include "documents/spelldraft.h"
#include "shell/shellcommands.h"
#include "shell/usersettings.h"

namespace {

// The user's settings; a settings file that cannot be used is told of in the status bar once
// the window is filled, where start-up's own notes do not clear it.
QSettings *openSettings(Cantrix &cantrix, QObject *parent)
{
    const UserSettings::Opened opened = UserSettings::open(parent);
    if (const QString notice = UserSettings::notice(opened); !notice.isEmpty()) {
        QObject::connect(
            &cantrix, &Cantrix::designStarted, parent, [&cantrix, notice] { cantrix.platform().showStatus(notice); },
            Qt::SingleShotConnection);
    }
    return opened.settings;
}

} // namespace

MenuCommands::MenuCommands(MainWindow &window, Cantrix &cantrix)
    : QObject(&window),
      m_window(window),
      m_spellCommands(new SpellCommands(cantrix, cantrix.platform(), this)),
      m_options(new OptionsCommand(cantrix.platform(), this)),
      m_shell(new ShellCommands(cantrix.platform(), this)),
      m_cards(new SpellCardActions(cantrix, &window)),
      m_rulesProblems(new RulesProblemsView(cantrix, &window)),
      m_history(new SpellHistory(cantrix, this)),
      m_opened(new OpenedSpell(cantrix, *m_spellCommands, *m_history, cantrix.platform(), this)),
      m_draft(new SpellDraft(cantrix, *m_spellCommands, *m_opened, cantrix.platform(), this)),
      m_settings(openSettings(cantrix, this)),
      m_recent(new RecentSpells(*m_spellCommands, cantrix.platform(), *m_settings, this))
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
    connect(window.mnuDrainBreakdown(), &QAction::triggered, &window.drainBreakdown(), &DrainBreakdownView::showWindow);
    // The preview and the rules problems share the status bar: while the preview speaks, the
    // count keeps to a few words at its side.
    connect(&window.drainPreview(), &DrainPreviewStatus::shown, m_rulesProblems, &RulesProblemsView::setCompact);
    connect(window.mnuHelpIndex(), &QAction::triggered, m_shell, &ShellCommands::mnuHelpIndex_Click);
    connect(window.mnuAbout(), &QAction::triggered, this, &MenuCommands::mnuAbout_Click);

    // Queued: a recent spell opened from the menu changes the list while its entry still runs.
    connect(m_recent, &RecentSpells::changed, this, &MenuCommands::listRecentSpells, Qt::QueuedConnection);
    listRecentSpells();
    // Opened once the drop is over, so a message about the file does not hold up the desktop's
    // drag and drop.
    connect(&window, &MainWindow::spellDropped, m_spellCommands, &SpellCommands::openFile, Qt::QueuedConnection);

    // A user action is one step once the event loop has seen it through, nested handlers and all.
    connect(&window.spellChanges(), &SpellChanges::settled, m_history, &SpellHistory::settle);
    connect(m_history, &SpellHistory::settled, this, &MenuCommands::showHistory);
    showHistory();
    window.mnuRestoreLastSpell()->setEnabled(m_draft->isAvailable());
    connect(m_draft, &SpellDraft::availabilityChanged, window.mnuRestoreLastSpell(), &QAction::setEnabled);
    // However the program ends (Exit, the window closed, the session over), an unsaved spell is kept.
    const auto keepDraft = [this] { m_draft->keep(); };
    connect(qApp, &QCoreApplication::aboutToQuit, m_draft, keepDraft);
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, m_draft, keepDraft);
#endif
}

void MenuCommands::showHistory()
{
    m_window.mnuUndo()->setEnabled(m_history->canUndo());
    m_window.mnuRedo()->setEnabled(m_history->canRedo());
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
    const QStringList paths = m_recent->paths();
    // Long paths are shortened in the middle, where the folders least telling of the file are.
    const QFontMetrics metrics(menu->font());
    const int widest = metrics.averageCharWidth() * 60;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, widest);
        shown.replace(u'&', QStringLiteral("&&"));
        QAction *entry = menu->addAction(tr("&%1 %2").arg(i + 1).arg(shown));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, m_recent, [this, path] { m_recent->open(path); });
    }
    menu->menuAction()->setEnabled(!paths.isEmpty());
}
