#pragma once

#include <optional>

#include <QObject>
#include <QString>

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
    // Where a draft that cannot be read is set aside, so that it is reported once, not at every
    // start; the first name that is free of this one, "last-spell-damaged-2.xml", and so on.
    static constexpr auto damagedFileName = "last-spell-damaged.xml";
    static constexpr auto numberedDamagedFileName = "last-spell-damaged-%1.xml";

    // How the program ends, which decides how a draft that could not be kept is told.
    enum class Ending {
        Closing,    // Exit chosen or the window closing: a warning, and the window may stay
        Exit,       // the program is past stopping: a warning the user sees before it ends
        SessionEnd, // the desktop session ends and no window may wait for the user: standard error
    };
    enum class Keeping {
        Done,        // kept, or nothing to keep
        Failed,      // not kept, and the user has just been told
        FailedAgain, // not kept for the reason the user was told before: nothing is said again
    };

    SpellDraft(Cantrix &window, SpellCommands &commands, const OpenedSpell &opened, Platform &platform,
               QObject *parent = nullptr);

    QString path() const;
    // Whether a draft waits to be restored.
    bool isAvailable() const { return m_available; }

    // As the program ends: keeps the spell on screen when it differs both from a fresh one and
    // from its document. Gives the message for the user when it could not be kept: the folder
    // cannot be written, the disk is full, a symbolic link or other user's file is in the way,
    // or the spell is too large for a document the program reads back.
    [[nodiscard]] std::optional<QString> keep();
    // Keeps the spell as keep() does and tells the user as `ending` allows when it could not;
    // the same failure is told once. A program that is Closing stays open after a new failure,
    // its spell on screen, so the user may save it; ending it again leaves the spell.
    Keeping keepOrTell(Ending ending);
    // File > Restore Last Spell: opens the draft into the window; once it shows, the file is
    // used up (the spell is kept again at the end if it is still unsaved).
    void restore();

signals:
    void availabilityChanged(bool available);

private:
    // At the first design start: tells the user of a draft, or of one that cannot be read.
    void announce();
    void setAvailable(bool available);
    // Moves a draft that cannot be read out of the way, where the user may still look at it,
    // under the first free damaged name; never over an earlier one. The name, when it moved.
    std::optional<QString> setAside();
    // Why the draft may not be written where it belongs, if anything stops it.
    std::optional<QString> unsafePlace() const;

    Cantrix &m_window;
    SpellCommands &m_commands;
    const OpenedSpell &m_opened;
    Platform &m_platform;
    // The window as the last design start left it: a spell equal to it is nothing to keep.
    std::optional<SpellSnapshot> m_fresh;
    bool m_available = false;
    bool m_noteShown = false;
    QString m_told;
};
