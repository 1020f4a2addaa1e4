#pragma once

#include <algorithm>

#include <QString>
#include <QStringList>

#include "drain/drain.h"
#include "rules/rulesreaders.h"

// The steps by which a double-click changes the modifier summary. They work on any pair of
// lists with count(), row(), append() and remove(): the window's own summary and its twin, or
// a Copy of them, on which a preview works out what a double-click would do without
// touching the window. Both run these same steps, so the two cannot disagree.
namespace ModifierSummary {

// Rows are grouped by this many leading characters: one row per group.
inline constexpr int groupPrefixLength = RulesReaders::groupPrefixLength;
// Only the rows that count in the drain code are searched for a group.
inline constexpr int searchedRows = Drain::countedModifierRows;

inline QString groupPrefix(const QString &text)
{
    return text.left(groupPrefixLength);
}

// The summary row of a modifier with the option chosen for it.
inline QString optionRow(const QString &modifier, const QString &option)
{
    return modifier + QStringLiteral(": ") + option;
}

// The searched row that already stands for a stand-alone modifier's group, or -1.
template <typename Rows>
int representedAt(const Rows &rows, const QString &text)
{
    const QString prefix = groupPrefix(text);
    const int searched = std::min(rows.count(), searchedRows);
    for (int i = 0; i < searched; ++i) {
        if (groupPrefix(rows.row(i)) == prefix)
            return i;
    }
    return -1;
}

// Removes the searched rows of `modifier` from both lists, calling `removed(index, text)` for
// each, bottom row first. A modifier's rows are those starting with its first six characters,
// or for a short text with the whole text followed by ": ", so that short modifiers replace
// their option too. Walking from the bottom, every row examined is one that stood there
// before the removals and no row moving up is examined twice.
template <typename Rows, typename Removed>
void removeRowsOf(Rows &rows, Rows &twin, const QString &modifier, Removed removed)
{
    const QString rowStart = modifier.size() >= groupPrefixLength ? modifier.left(groupPrefixLength)
                                                                  : modifier + QStringLiteral(": ");
    for (int i = std::min(rows.count(), searchedRows) - 1; i >= 0; --i) {
        if (rows.row(i).startsWith(rowStart)) {
            removed(i, rows.row(i));
            rows.remove(i);
            twin.remove(i);
        }
    }
}

// A summary list held apart from the window, with the list operations the steps use.
class Copy final
{
public:
    explicit Copy(const QStringList &rows) : m_rows(rows) {}

    int count() const { return int(m_rows.size()); }
    QString row(int i) const { return i >= 0 && i < m_rows.size() ? m_rows.at(i) : QString(); }
    void append(const QString &text) { m_rows.append(text); }
    void remove(int i)
    {
        if (i >= 0 && i < m_rows.size())
            m_rows.removeAt(i);
    }
    const QStringList &rows() const { return m_rows; }

private:
    QStringList m_rows;
};

} // namespace ModifierSummary
