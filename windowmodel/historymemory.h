#pragma once

#include <QHash>
#include <QStringList>

struct SpellSnapshot;

// The memory the snapshots of an undo history hold, with each list and text counted once however
// many snapshots share it. A list rebuilt equal to one a snapshot holds already (the modifiers
// of a category chosen again) is made to share that one's rows, so a history of a hundred
// category changes holds each category's modifiers once, not a hundred times.
class HistoryMemory final
{
public:
    // Takes the snapshot in: its lists equal to ones held already now share their rows, and
    // what it holds beyond them is counted.
    void hold(SpellSnapshot &snapshot);
    // The snapshot is dropped: what no other held snapshot shares is no longer counted.
    void release(const SpellSnapshot &snapshot);
    // What all held snapshots take together, estimated from the sizes of their lists and texts.
    qint64 bytes() const { return m_bytes; }

private:
    struct Held
    {
        qint64 bytes = 0;
        int uses = 0;
        size_t contentHash = 0; // lists only
    };

    void holdList(QStringList &rows);
    void holdText(const QString &text);
    void releaseStorage(const void *storage);

    // By the storage a list or a text shares among its copies.
    QHash<const void *, Held> m_held;
    // The held lists by their rows, to find an equal one.
    QMultiHash<size_t, QStringList> m_listsByContent;
    qint64 m_bytes = 0;
};
