#include "design/spellhistory.h"

#include <utility>

#include "design/cantrix.h"

SpellHistory::SpellHistory(Cantrix &window, QObject *parent)
    : QObject(parent), m_window(window), m_current(SpellSnapshot::of(window))
{
    connect(&window, &Cantrix::designStarted, this, [this] { m_designStarted = true; });
}

void SpellHistory::settle()
{
    const bool designStarted = std::exchange(m_designStarted, false);
    SpellSnapshot now = SpellSnapshot::of(m_window);
    if (now == m_current)
        return;

    if (m_hasDesign && !now.sameSpell(m_current)) {
        const TextControl *typed = designStarted ? nullptr : now.typedField(m_window, m_current);
        if (!typed || typed != m_typingIn) {
            m_undo.push_back(std::move(m_current));
            if (int(m_undo.size()) > maxSteps)
                m_undo.pop_front();
        }
        m_typingIn = typed;
        m_redo.clear();
    } else {
        // Anything else the user did in between ends a run of typing.
        m_typingIn = nullptr;
    }
    m_hasDesign = m_hasDesign || designStarted;
    m_current = std::move(now);
    emit settled();
}

void SpellHistory::undo()
{
    travel(m_undo, m_redo);
}

void SpellHistory::redo()
{
    travel(m_redo, m_undo);
}

void SpellHistory::travel(std::deque<SpellSnapshot> &from, std::deque<SpellSnapshot> &to)
{
    settle(); // an action not settled yet is the step to undo, or drops what Redo offered
    if (from.empty())
        return;
    to.push_back(std::move(m_current));
    m_current = std::move(from.back());
    from.pop_back();
    m_window.restore(m_current);
    m_typingIn = nullptr;
    emit settled();
}
