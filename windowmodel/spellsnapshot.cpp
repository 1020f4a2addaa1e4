#include "windowmodel/spellsnapshot.h"

#include <algorithm>
#include <iterator>

#include <QScopedValueRollback>

#include "windowmodel/cantrix.h"

namespace {

// Each list of the window, and whether its rows and its selection belong to the spell. The
// options of the modifier clicked last (and with them Text2) only help the user choose; the
// summaries' selections only mark what Remove would take.
struct ListPart
{
    ListControl Cantrix::*control;
    bool rowsAreSpell;
    bool selectionIsSpell;
};
constexpr ListPart listParts[] = {
    {&Cantrix::CategoryCombo, true, true},  {&Cantrix::CategoryCombo1, true, false},
    {&Cantrix::TypeCombo, true, true},      {&Cantrix::TypeCombo1, true, false},
    {&Cantrix::Modifier1List, true, false}, {&Cantrix::Modifier1List1, true, false},
    {&Cantrix::Modifier2List, false, false}, {&Cantrix::Modifier2List1, false, false},
    {&Cantrix::Summary1List, true, false},  {&Cantrix::Summary1List1, true, false},
    {&Cantrix::Summary2List, true, false},  {&Cantrix::Summary2List1, true, false},
};
static_assert(std::size(listParts) == SpellSnapshot::listCount);

// The force handler rewrites these as the user types a force.
constexpr ListControl Cantrix::*forceRows[] = {&Cantrix::Summary1List, &Cantrix::Summary1List1};

struct TextPart
{
    TextControl Cantrix::*control;
    bool isSpell;
    bool isTyped; // a field the user types into
};
constexpr TextPart textParts[] = {
    {&Cantrix::NameText, true, true},        {&Cantrix::ForceText, true, true},
    {&Cantrix::DrainText, true, false},      {&Cantrix::DescriptionText, true, true},
    {&Cantrix::Text2, false, false},
};
static_assert(std::size(textParts) == SpellSnapshot::textCount);

bool sameListPart(const ListPart &part, const SpellSnapshot::List &a, const SpellSnapshot::List &b)
{
    return (!part.rowsAreSpell || a.rows == b.rows) && (!part.selectionIsSpell || a.selected == b.selected);
}

bool isForceRow(const ListPart &part)
{
    return std::find(std::begin(forceRows), std::end(forceRows), part.control) != std::end(forceRows);
}

} // namespace

SpellSnapshot SpellSnapshot::of(Cantrix &window)
{
    SpellSnapshot snapshot;
    for (std::size_t i = 0; i < std::size(listParts); ++i) {
        const ListControl &list = window.*listParts[i].control;
        snapshot.lists[i] = {list.rows(), list.selectedIndex()};
    }
    for (std::size_t i = 0; i < std::size(textParts); ++i)
        snapshot.texts[i] = (window.*textParts[i].control).text();
    snapshot.creationDate = window.CreationDate;
    snapshot.documentPath = window.documentPath;
    return snapshot;
}

bool SpellSnapshot::sameSpell(const SpellSnapshot &other) const
{
    for (std::size_t i = 0; i < std::size(listParts); ++i) {
        if (!sameListPart(listParts[i], lists[i], other.lists[i]))
            return false;
    }
    for (std::size_t i = 0; i < std::size(textParts); ++i) {
        if (textParts[i].isSpell && texts[i] != other.texts[i])
            return false;
    }
    return true;
}

TextControl *SpellSnapshot::typedField(Cantrix &window, const SpellSnapshot &before) const
{
    for (std::size_t i = 0; i < std::size(listParts); ++i) {
        if (!isForceRow(listParts[i]) && !sameListPart(listParts[i], lists[i], before.lists[i]))
            return nullptr;
    }
    TextControl *typed = nullptr;
    for (std::size_t i = 0; i < std::size(textParts); ++i) {
        if (!textParts[i].isTyped || texts[i] == before.texts[i])
            continue;
        if (typed)
            return nullptr; // two fields at once: no typing did that
        typed = &(window.*textParts[i].control);
    }
    return typed;
}

void SpellSnapshot::shareRowsWith(Cantrix &window) const
{
    for (std::size_t i = 0; i < std::size(listParts); ++i) {
        ListControl &list = window.*listParts[i].control;
        if (list.rows().constData() != lists[i].rows.constData())
            list.shareRows(lists[i].rows);
    }
}

void Cantrix::restore(const SpellSnapshot &snapshot)
{
    // The views follow every control put back; the handlers stay silent, because the state
    // they would compute is the one being put back.
    const QScopedValueRollback restoring(m_restoring, true);
    for (std::size_t i = 0; i < std::size(listParts); ++i) {
        ListControl &list = this->*listParts[i].control;
        const SpellSnapshot::List &kept = snapshot.lists[i];
        // Lists a step did not touch still share their rows with the snapshot: this is cheap.
        if (list.rows() != kept.rows || list.selectedIndex() != kept.selected)
            list.restore(kept.rows, kept.selected);
    }
    for (std::size_t i = 0; i < std::size(textParts); ++i)
        (this->*textParts[i].control).setText(snapshot.texts[i]);
    CreationDate = snapshot.creationDate;
    documentPath = snapshot.documentPath;
}
