#include "session/spellsession.h"

#include "documents/openedspell.h"
#include "documents/recentspells.h"
#include "documents/spellcommands.h"
#include "documents/spelldraft.h"
#include "session/rulesproblems.h"
#include "shell/shellcommands.h"
#include "windowmodel/cantrix.h"
#include "windowmodel/spellhistory.h"

SpellSession::SpellSession(Platform &platform, QSettings &settings, QObject *parent)
    : QObject(parent),
      m_platform(platform),
      m_window(new Cantrix(platform, this)),
      m_spellCommands(new SpellCommands(*m_window, platform, this)),
      m_history(new SpellHistory(*m_window, this)),
      m_opened(new OpenedSpell(*m_window, *m_spellCommands, *m_history, platform, this)),
      m_draft(new SpellDraft(*m_window, *m_spellCommands, *m_opened, platform, this)),
      m_recent(new RecentSpells(*m_spellCommands, platform, settings, this)),
      m_shell(new ShellCommands(platform, this)),
      m_rulesProblems(new RulesProblems(*m_window, this))
{
    // A save dates a spell saved for the first time and names its file, and no control tells
    // of that; Undo must not take it back.
    connect(m_spellCommands, &SpellCommands::documentSaved, m_history, &SpellHistory::recordSave);
}

// The services go before the window they were made for: some look at it as they go.
SpellSession::~SpellSession()
{
    delete m_rulesProblems;
    delete m_shell;
    delete m_recent;
    delete m_draft;
    delete m_opened;
    delete m_history;
    delete m_spellCommands;
    delete m_window;
}

bool SpellSession::start()
{
    m_window->Form_Load();
    return !m_window->isClosed();
}

void SpellSession::settle()
{
    m_history->settle();
}

bool SpellSession::mayEnd()
{
    return m_desktopSessionEnding
        || m_draft->keepOrTell(SpellDraft::Ending::Closing) != SpellDraft::Keeping::Failed;
}

SpellDraft::Keeping SpellSession::end(SpellDraft::Ending ending)
{
    // Once the desktop session is ending, no window may wait for the user, however it ends.
    m_desktopSessionEnding = m_desktopSessionEnding || ending == SpellDraft::Ending::SessionEnd;
    return m_draft->keepOrTell(m_desktopSessionEnding ? SpellDraft::Ending::SessionEnd : ending);
}
