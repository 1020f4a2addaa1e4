#pragma once

#include <memory>
#include <optional>

#include <QByteArray>
#include <QString>

class Platform;
class QLockFile;

// The draft files in the per-user data folder, one for each running program, so that two
// programs at once never write over each other's spell: `last-spell.xml` for the first,
// `last-spell-2.xml` and up for others. A program holds a lock beside its draft while it runs;
// a draft without a live lock is left over from a program that ended (or was killed), and the
// newest of those is the one offered at the next start.
//
// A draft is a spell document with one element more, which no spell document has: the file the
// spell belongs to, so that Restore can put it back.
class DraftFiles final
{
    Q_DISABLE_COPY_MOVE(DraftFiles)

public:
    // Drafts left over for this long are of no use to anyone and are removed at the next start.
    static constexpr int keptDays = 30;

    explicit DraftFiles(const Platform &platform);
    ~DraftFiles();

    // The newest draft left over by a program no longer running, "" for none. Chosen once, at
    // the first call, so that this program's own draft, written later, is never the one offered.
    QString offered() const;
    // This program's own draft: the first name neither taken by a left-over draft nor locked by
    // another program. Chosen and locked at the first call; "" where the folder cannot be made.
    QString own();
    // Whether this program has taken a name for its draft yet.
    bool hasOwn() const { return !m_own.isEmpty(); }
    // Removes left-over drafts older than keptDays.
    void removeStale() const;

    // Writes `document` to `path` (made in the background too, so it touches nothing but the file
    // system), or removes the file when there is no document. Gives the reason it failed.
    static std::optional<QString> write(const QString &path, const std::optional<QByteArray> &document);

    // `document` with the file its spell belongs to (nothing added for a spell without one).
    static QByteArray withOwner(const QByteArray &document, const QString &owner);
    // The file the draft at `path` belongs to, "" for none.
    static QString ownerOf(const QString &path);

private:
    QString folder() const;
    // Whether a running program holds the draft at `path`.
    static bool isHeld(const QString &path);

    const Platform &m_platform;
    mutable std::optional<QString> m_offered;
    QString m_own;
    std::unique_ptr<QLockFile> m_lock;
};
