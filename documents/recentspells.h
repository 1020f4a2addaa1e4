#pragma once

#include <QObject>
#include <QStringList>

class Platform;
class QSettings;
class SpellCommands;

// The spell documents opened or saved last, newest first, for File > Open Recent. They are
// kept in the user's settings, so the next session offers them too, and read from there each
// time, so two windows of the program share one list. A file that is gone is not dropped
// until it is chosen: a folder on a drive not mounted yet may come back.
class RecentSpells final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecentSpells)

public:
    // Enough to find the spells of the last sessions, few enough to choose by number key.
    static constexpr int capacity = 8;
    static constexpr auto settingsKey = "RecentSpells";

    // Remembers every document `commands` opens or saves.
    RecentSpells(SpellCommands &commands, Platform &platform, QSettings &settings, QObject *parent = nullptr);

    // Absolute paths, newest first, at most `capacity`.
    QStringList paths() const;

    // The folder of the spell opened or saved last, while it is there; "" otherwise.
    QString lastFolder() const;

    // Puts `path` first, once.
    void remember(const QString &path);

    // Opens the document as File > Open does. One that is no longer there, or is now a folder,
    // pipe or device, is taken off the list, and the status bar says which.
    void open(const QString &path);

signals:
    void changed();

private:
    void store(const QStringList &paths);

    SpellCommands &m_commands;
    Platform &m_platform;
    QSettings &m_settings;
};
