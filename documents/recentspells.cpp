#include "documents/recentspells.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "platform/platform.h"
#include "documents/spellcommands.h"

namespace {

// One spelling per file: relative paths (from the command line) become absolute, and "." or
// ".." parts go, so the same file never stands twice.
QString canonicalEntry(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentSpells::RecentSpells(SpellCommands &commands, Platform &platform, QSettings &settings, QObject *parent)
    : QObject(parent), m_commands(commands), m_platform(platform), m_settings(settings)
{
    connect(&m_commands, &SpellCommands::documentOpened, this, &RecentSpells::remember);
    connect(&m_commands, &SpellCommands::documentSaved, this, &RecentSpells::remember);
}

QStringList RecentSpells::paths() const
{
    // The settings file is the user's to edit: empty, repeated or surplus entries are passed over.
    QStringList paths;
    const QStringList stored = m_settings.value(QLatin1String(settingsKey)).toStringList();
    for (const QString &entry : stored) {
        if (entry.isEmpty())
            continue;
        const QString path = canonicalEntry(entry);
        if (!paths.contains(path))
            paths.append(path);
        if (paths.size() == capacity)
            break;
    }
    return paths;
}

void RecentSpells::remember(const QString &path)
{
    const QString entry = canonicalEntry(path);
    QStringList paths = this->paths();
    paths.removeAll(entry);
    paths.prepend(entry);
    store(paths.mid(0, capacity));
}

void RecentSpells::open(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile()) {
        m_commands.openFile(path);
        return;
    }
    QStringList paths = this->paths();
    paths.removeAll(canonicalEntry(path));
    store(paths);
    const QString shown = QDir::toNativeSeparators(path);
    if (info.isDir())
        m_platform.showStatus(tr("%1 is a folder, not a spell; it was taken off the recent spells.").arg(shown));
    else if (info.exists())
        m_platform.showStatus(tr("%1 is not a regular file but a pipe or a device; it was taken off the recent spells.")
                                  .arg(shown));
    else
        m_platform.showStatus(tr("%1 is no longer there; it was taken off the recent spells.").arg(shown));
}

void RecentSpells::store(const QStringList &paths)
{
    m_settings.setValue(QLatin1String(settingsKey), paths);
    emit changed();
}

QString RecentSpells::lastFolder() const
{
    const QStringList spells = paths();
    if (spells.isEmpty())
        return QString();
    const QFileInfo folder(QFileInfo(spells.constFirst()).absolutePath());
    return folder.isDir() ? folder.absoluteFilePath() : QString();
}
