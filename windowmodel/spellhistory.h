#pragma once

#include <deque>

#include <QObject>

#include "windowmodel/historymemory.h"
#include "windowmodel/spellsnapshot.h"

class Cantrix;
class TextControl;

// Undo and Redo for the design window: a history of whole-window snapshots. A step is whatever
// changed the spell between two settle() calls; whoever drives the window settles once each
// user action is over (the program's event loop, the scenario driver after each line). Typing in one field stays one step however many keys it takes; New, Open and Restore
// are a step each. Undo puts the window back exactly as it was before the step, through
// Cantrix::restore, so no handler runs and the rules data file is not read.
class SpellHistory final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellHistory)

public:
    // Steps kept for Undo, and the memory all kept steps may take together (see HistoryMemory
    // for how it is counted); past either, the oldest steps are forgotten first. The step on
    // screen is always kept, however large.
    static constexpr int maxSteps = 100;
    static constexpr qint64 defaultMemoryBudget = 256 * 1024 * 1024;

    explicit SpellHistory(Cantrix &window, QObject *parent = nullptr);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    int undoSteps() const { return int(m_undo.size()); }
    int redoSteps() const { return int(m_redo.size()); }

    // What Undo and Redo would take back or do again, in a few words ("Add Modifier 'Zap'");
    // "" when there is nothing.
    QString undoName() const { return m_undo.empty() ? QString() : m_undo.back().name; }
    QString redoName() const { return m_redo.empty() ? QString() : m_redo.back().name; }

    void undo();
    void redo();

    // What the steps kept for Undo and Redo and the one on screen take together, estimated.
    qint64 heldBytes() const { return m_memory.bytes(); }
    qint64 memoryBudget() const { return m_memoryBudget; }
    // Takes effect at the next step.
    void setMemoryBudget(qint64 bytes) { m_memoryBudget = bytes; }

    // Takes what changed since the last call as one step (or as more of the same typing).
    // Changes that leave the spell as it was (a modifier clicked for its options) become no
    // step, but Undo will put them back as they are now. A call that finds nothing changed
    // does nothing, so settling too often costs a comparison and no more.
    void settle();

    // The window's spell was saved: a save is no step, and Undo and Redo must not take back what
    // it did (the creation date it gave a spell saved for the first time, the file it names).
    // Every step of the same design, back to the New, Open or Restore it began with, takes them.
    void recordSave();

signals:
    // A settle took a step or noted a change, or Undo or Redo ran: what they offer may differ.
    void settled();

private:
    // A window state kept for Undo or Redo, and which design it belongs to: designs are counted
    // up from start-up, one for each New, Open or Restore.
    struct Step
    {
        SpellSnapshot snapshot;
        int design = 0;
        // The step between this state and the next: what Undo or Redo of it is called.
        QString name;
    };

    // Undo or Redo: the window as it is goes onto `to`, the last of `from` back on screen.
    void travel(std::deque<Step> &from, std::deque<Step> &to);
    void forgetRedo();
    // Forgets the oldest steps while more are kept than the step count or the budget allow.
    void keepWithinBounds();

    Cantrix &m_window;
    HistoryMemory m_memory;
    qint64 m_memoryBudget = defaultMemoryBudget;
    // The window as the last settle, undo or redo left it: the state before the next step.
    Step m_current;
    std::deque<Step> m_undo;
    std::deque<Step> m_redo;
    int m_designs = 0;
    // The field the last step was typing in, while more typing there joins that step.
    const TextControl *m_typingIn = nullptr;
    // A design started since the last settle (New, Open, Restore, or start-up).
    bool m_designStarted = false;
    // Before the first design starts there is nothing a user made, so nothing to undo.
    bool m_hasDesign = false;
};
