#pragma once

#include <deque>
#include <utility>

#include <QObject>
#include <QString>

#include "windowmodel/spellsnapshot.h"

class Cantrix;
class Platform;
class SpellCommands;
class SpellHistory;

// The spell document behind the window: the file the spell on screen was last opened from or
// saved to, and the spell as it stood then. The window's title names that file, marked as
// modified while the spell on screen differs from it.
class OpenedSpell final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OpenedSpell)

public:
    OpenedSpell(Cantrix &window, SpellCommands &commands, SpellHistory &history, Platform &platform,
                QObject *parent = nullptr);

    // "" while the spell on screen has no file (after start-up, New or Restore).
    QString path() const;
    // Whether the spell on screen differs from its document; a spell without one always does.
    bool differs() const;

private:
    void remember();
    void showTitle();

    Cantrix &m_window;
    SpellCommands &m_commands;
    Platform &m_platform;
    // Each document the window's spell was opened from or saved to lately, as it stood then.
    // Undo and Redo may bring back an earlier document's spell with its path, and the title
    // must judge it against that document, not the last one opened. As many as Undo can reach.
    std::deque<std::pair<QString, SpellSnapshot>> m_stored;
    // What the title shows, so that it is told only of changes.
    QString m_shownPath;
    bool m_shownModified = false;
};
