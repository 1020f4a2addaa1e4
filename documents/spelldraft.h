#pragma once

#include <optional>

#include <QObject>
#include <QString>

#include "documents/draftfiles.h"
#include "windowmodel/spellsnapshot.h"

class Cantrix;
class OpenedSpell;
class Platform;
class SpellCommands;

// The remembered draft: a spell the program ended with, neither fresh nor saved, kept as a
// spell document in the per-user data folder so that the next run can bring it back. Nothing
// is ever asked: the spell is kept as the program ends, offered in the status bar at the next
// start, and restored (as an undoable step) only when the user chooses File > Restore Last Spell.
class SpellDraft final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellDraft)

public:
    static constexpr auto fileName = "last-spell.xml";
    // Where a draft that cannot be read is set aside, so that it is reported once, not at every start.
    static constexpr auto damagedFileName = "last-spell-damaged.xml";

    SpellDraft(Cantrix &window, SpellCommands &commands, const OpenedSpell &opened, Platform &platform,
               QObject *parent = nullptr);

    // The draft offered for Restore (one left by a program that ended), "" for none.
    QString path() const;
    // This program's own draft files.
    DraftFiles &files() { return m_files; }
    // Whether a draft waits to be restored.
    bool isAvailable() const { return m_available; }

    // The draft as it would be written now: the spell on screen when it differs both from a
    // fresh one and from its document, with the file it belongs to; nothing otherwise.
    std::optional<QByteArray> document() const;
    // As the program ends: writes that draft, or removes this program's draft written earlier
    // when there is nothing to keep. Gives the reason when it could not be written.
    std::optional<QString> keep();
    // File > Restore Last Spell: opens the draft into the window; once it shows, the file is
    // used up (the spell is kept again at the end if it is still unsaved).
    void restore();

signals:
    void availabilityChanged(bool available);

private:
    // At the first design start: tells the user of a draft, or of one that cannot be read.
    void announce();
    void setAvailable(bool available);
    // Moves a draft that cannot be read out of the way, where the user may still look at it.
    void setAside();

    Cantrix &m_window;
    SpellCommands &m_commands;
    const OpenedSpell &m_opened;
    Platform &m_platform;
    DraftFiles m_files;
    // The window as the last design start left it: a spell equal to it is nothing to keep.
    std::optional<SpellSnapshot> m_fresh;
    bool m_available = false;
    bool m_noteShown = false;
};
