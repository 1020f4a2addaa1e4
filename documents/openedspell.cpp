#include "documents/openedspell.h"

#include "design/cantrix.h"
#include "design/platform.h"
#include "design/spellhistory.h"
#include "documents/spellcommands.h"

OpenedSpell::OpenedSpell(Cantrix &window, SpellCommands &commands, SpellHistory &history, Platform &platform,
                         QObject *parent)
    : QObject(parent), m_window(window), m_commands(commands), m_platform(platform)
{
    connect(&commands, &SpellCommands::documentOpened, this, &OpenedSpell::remember);
    connect(&commands, &SpellCommands::documentSaved, this, &OpenedSpell::remember);
    connect(&window, &Cantrix::designStarted, this, &OpenedSpell::showTitle);
    connect(&history, &SpellHistory::settled, this, &OpenedSpell::showTitle);
}

QString OpenedSpell::path() const
{
    return m_commands.documentPath();
}

bool OpenedSpell::differs() const
{
    return path().isEmpty() || !SpellSnapshot::of(m_window).sameSpell(m_stored);
}

void OpenedSpell::remember()
{
    m_stored = SpellSnapshot::of(m_window);
    showTitle();
}

void OpenedSpell::showTitle()
{
    const QString shownPath = path();
    const bool modified = !shownPath.isEmpty() && differs();
    if (shownPath == m_shownPath && modified == m_shownModified)
        return;
    m_shownPath = shownPath;
    m_shownModified = modified;
    m_platform.showDocument(shownPath, modified);
}
