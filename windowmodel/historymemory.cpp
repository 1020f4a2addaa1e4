#include "windowmodel/historymemory.h"

#include "windowmodel/spellsnapshot.h"

namespace {

// What the allocator adds to each block besides its characters: a header and its rounding.
constexpr qint64 blockOverhead = 32;

qint64 textBytes(const QString &text)
{
    return blockOverhead + 2 * qMax(text.capacity(), text.size());
}

// The rows of a list are counted in full even where another list shares some of them (a summary
// one row longer than the step before): an estimate on the safe side, got in one pass.
qint64 listBytes(const QStringList &rows)
{
    qint64 bytes = blockOverhead + qint64(sizeof(QString)) * qMax(rows.capacity(), rows.size());
    for (const QString &row : rows)
        bytes += textBytes(row);
    return bytes;
}

// Empty lists and texts share no storage of their own worth counting.
const void *storageOf(const QStringList &rows)
{
    return rows.capacity() > 0 ? rows.constData() : nullptr;
}

const void *storageOf(const QString &text)
{
    return text.capacity() > 0 ? text.constData() : nullptr;
}

} // namespace

void HistoryMemory::hold(SpellSnapshot &snapshot)
{
    for (SpellSnapshot::List &list : snapshot.lists)
        holdList(list.rows);
    for (const QString &text : snapshot.texts)
        holdText(text);
}

void HistoryMemory::release(const SpellSnapshot &snapshot)
{
    for (const SpellSnapshot::List &list : snapshot.lists)
        releaseStorage(storageOf(list.rows));
    for (const QString &text : snapshot.texts)
        releaseStorage(storageOf(text));
}

void HistoryMemory::holdList(QStringList &rows)
{
    const void *storage = storageOf(rows);
    if (!storage)
        return;
    auto held = m_held.find(storage);
    if (held == m_held.end()) {
        // New rows: the same as a held list's, or counted as new.
        const size_t contentHash = qHash(rows);
        for (auto equal = m_listsByContent.constFind(contentHash);
             equal != m_listsByContent.cend() && equal.key() == contentHash; ++equal) {
            if (equal.value() == rows) {
                rows = equal.value();
                storage = storageOf(rows);
                break;
            }
        }
        held = m_held.find(storage);
        if (held == m_held.end()) {
            held = m_held.insert(storage, {listBytes(rows), 0, contentHash});
            m_listsByContent.insert(contentHash, rows);
            m_bytes += held->bytes;
        }
    }
    ++held->uses;
}

void HistoryMemory::holdText(const QString &text)
{
    const void *storage = storageOf(text);
    if (!storage)
        return;
    auto held = m_held.find(storage);
    if (held == m_held.end()) {
        held = m_held.insert(storage, {textBytes(text), 0, 0});
        m_bytes += held->bytes;
    }
    ++held->uses;
}

void HistoryMemory::releaseStorage(const void *storage)
{
    if (!storage)
        return;
    const auto held = m_held.find(storage);
    if (held == m_held.end() || --held->uses > 0)
        return;
    for (auto list = m_listsByContent.find(held->contentHash);
         list != m_listsByContent.end() && list.key() == held->contentHash; ++list) {
        if (list.value().constData() == storage) {
            m_listsByContent.erase(list);
            break;
        }
    }
    m_bytes -= held->bytes;
    m_held.erase(held);
}
