#include "windowmodel/spellhistory.h"

#include <utility>

#include "windowmodel/cantrix.h"
#include "windowmodel/stepname.h"

SpellHistory::SpellHistory(Cantrix &window, QObject *parent)
    : QObject(parent), m_window(window), m_current{SpellSnapshot::of(window), 0, QString()}
{
    m_memory.hold(m_current.snapshot);
    connect(&window, &Cantrix::designStarted, this, [this] { m_designStarted = true; });
}

void SpellHistory::settle()
{
    const bool designStarted = std::exchange(m_designStarted, false);
    Step now{SpellSnapshot::of(m_window), designStarted ? ++m_designs : m_current.design, QString()};
    if (now.snapshot == m_current.snapshot) {
        m_current.design = now.design;
        return;
    }

    // A list a handler built anew, equal to one a step holds (the modifiers of a category chosen
    // before), is kept once, by the history and the window alike.
    m_memory.hold(now.snapshot);
    now.snapshot.shareRowsWith(m_window);
    bool currentKept = false;
    if (m_hasDesign && !now.snapshot.sameSpell(m_current.snapshot)) {
        const TextControl *typed = designStarted ? nullptr : now.snapshot.typedField(m_window, m_current.snapshot);
        if (!typed || typed != m_typingIn) {
            m_current.name = StepName::between(m_current.snapshot, now.snapshot, designStarted);
            m_undo.push_back(std::move(m_current));
            currentKept = true;
        }
        m_typingIn = typed;
        forgetRedo();
    } else {
        // Anything else the user did in between ends a run of typing.
        m_typingIn = nullptr;
    }
    if (!currentKept)
        m_memory.release(m_current.snapshot);
    m_hasDesign = m_hasDesign || designStarted;
    m_current = std::move(now);
    keepWithinBounds();
    emit settled();
}

void SpellHistory::forgetRedo()
{
    for (const Step &step : m_redo)
        m_memory.release(step.snapshot);
    m_redo.clear();
}

void SpellHistory::keepWithinBounds()
{
    while (!m_undo.empty() && (int(m_undo.size()) > maxSteps || m_memory.bytes() > m_memoryBudget)) {
        m_memory.release(m_undo.front().snapshot);
        m_undo.pop_front();
    }
}

void SpellHistory::undo()
{
    travel(m_undo, m_redo);
}

void SpellHistory::redo()
{
    travel(m_redo, m_undo);
}

void SpellHistory::recordSave()
{
    settle();
    const int design = m_current.design;
    const QString &date = m_current.snapshot.creationDate;
    const QString &path = m_current.snapshot.documentPath;
    for (std::deque<Step> *steps : {&m_undo, &m_redo}) {
        for (Step &step : *steps) {
            if (step.design == design) {
                step.snapshot.creationDate = date;
                step.snapshot.documentPath = path;
            }
        }
    }
}

void SpellHistory::travel(std::deque<Step> &from, std::deque<Step> &to)
{
    settle(); // an action not settled yet is the step to undo, or drops what Redo offered
    if (from.empty())
        return;
    // The same step, gone the other way.
    m_current.name = from.back().name;
    to.push_back(std::move(m_current));
    m_current = std::move(from.back());
    from.pop_back();
    m_window.restore(m_current.snapshot);
    m_typingIn = nullptr;
    emit settled();
}
