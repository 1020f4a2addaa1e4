#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

class SpellCommands;
class SpellDraft;
class SpellHistory;

// Keeps the draft up to date while the program runs, so that a program killed or cut off loses
// no more than the last moments of work: a while after the spell last changed (never at every
// key), the draft is composed and handed to a writer of its own, so the window never waits for
// the disk.
class DraftKeeper final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DraftKeeper)

public:
    // How long after the last change the draft is written.
    static constexpr int delayMs = 2000;

    DraftKeeper(SpellDraft &draft, SpellHistory &history, SpellCommands &commands, QObject *parent = nullptr);
    ~DraftKeeper() override;

    // Whether a change waits to reach the draft.
    bool isPending() const { return m_timer.isActive(); }
    // Brings the draft up to date now, as the timer does; the writing may still be going on.
    void update();
    // Waits until every update handed to the writer is on disk.
    void waitForWritten() { m_writer.waitForDone(); }
    // As the program ends, before the draft is kept once more: no update waits any longer, and
    // every one handed to the writer is on disk.
    void finish();

private:
    SpellDraft &m_draft;
    QTimer m_timer;
    // One writer, so drafts reach the disk in the order they were composed.
    QThreadPool m_writer;
};
