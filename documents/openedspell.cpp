#include "documents/openedspell.h"

#include <algorithm>

#include "windowmodel/cantrix.h"
#include "platform/platform.h"
#include "windowmodel/spellhistory.h"
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
    const QString shownPath = path();
    if (shownPath.isEmpty())
        return true;
    const auto stored = std::find_if(m_stored.cbegin(), m_stored.cend(),
                                     [&shownPath](const auto &document) { return document.first == shownPath; });
    return stored == m_stored.cend() || !SpellSnapshot::of(m_window).sameSpell(stored->second);
}

void OpenedSpell::remember()
{
    const QString shownPath = path();
    std::erase_if(m_stored, [&shownPath](const auto &document) { return document.first == shownPath; });
    m_stored.emplace_back(shownPath, SpellSnapshot::of(m_window));
    if (int(m_stored.size()) > SpellHistory::maxSteps + 1)
        m_stored.pop_front();
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
