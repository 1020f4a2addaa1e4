#include "documents/spelldocumentreader.h"

#include <algorithm>
#include <iterator>

#include <QStringList>

#include "drain/modifiersummary.h"
#include "windowmodel/cantrix.h"

using namespace Qt::StringLiterals;

namespace {

bool isBlanksOnly(const QString &text)
{
    for (const QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

// The elements that do something to the window, each named once in parser_startElement.
constexpr QLatin1StringView elementsTaken[] = {"date"_L1, "itemdef"_L1, "drain"_L1, "force"_L1,
                                               "description"_L1, "category"_L1, "type"_L1, "mod"_L1};

} // namespace

SpellDocumentReader::SpellDocumentReader(Cantrix &window, Mode mode) : m_window(window), m_mode(mode) {}

QStringList SpellDocumentReader::notFound() const
{
    QStringList names;
    for (const auto &[choice, stored] : m_notFound)
        names.append(choice == Choice::Category ? tr("category \"%1\"").arg(stored) : tr("type \"%1\"").arg(stored));
    if (m_moreNotFound > 0)
        names.append(tr("%1 more categories or types").arg(m_moreNotFound));
    for (const QString &row : m_rowsNotFound)
        names.append(tr("row \"%1\"").arg(row));
    return names;
}

bool SpellDocumentReader::takesElement(const QString &sName)
{
    return std::any_of(std::begin(elementsTaken), std::end(elementsTaken),
                       [&sName](QLatin1StringView name) { return sName.compare(name, Qt::CaseInsensitive) == 0; });
}

QString SpellDocumentReader::choicesNotFound(const QString &shownPath) const
{
    QStringList lines;
    for (const auto &[choice, stored] : m_notFound) {
        const bool category = choice == Choice::Category;
        const QString shown = (category ? m_window.CategoryCombo : m_window.TypeCombo).text();
        lines.append(category ? tr("The rules data has no category for \"%1\": the spell shows \"%2\" instead.")
                                    .arg(stored, shown)
                              : tr("The rules data has no type for \"%1\": the spell shows \"%2\" instead.")
                                    .arg(stored, shown));
    }
    if (lines.isEmpty())
        return QString();
    if (m_moreNotFound > 0)
        lines.append(tr("The rules data lacks %1 more of its stored choices.").arg(m_moreNotFound));
    return tr("%1 was opened, but the rules data lacks some of its choices.").arg(shownPath) + QStringLiteral("\n\n")
        + lines.join(u'\n') + QStringLiteral("\n\n")
        + tr("The drain code shown is the one saved; the next change computes it with what is shown.");
}

void SpellDocumentReader::parser_startElement(const QString &sName, const XmlAttributeList &pAttributeList)
{
    QString value;
    QString modifier;
    // Names are matched without regard to case, compared in place: a spell document has
    // thousands of elements, and lower-cased copies of their names cost more than the rest.
    const auto is = [](const QString &name, QLatin1StringView wanted) {
        return name.compare(wanted, Qt::CaseInsensitive) == 0;
    };
    for (int i = 0; i < pAttributeList.length(); ++i) {
        const QString name = pAttributeList.getQName(i);
        if (is(name, "value"_L1))
            value = pAttributeList.getValue(i);
        else if (is(name, "modifier"_L1))
            modifier = pAttributeList.getValue(i);
    }

    const QString &element = sName;
    if (is(element, "date"_L1)) {
        // The creation date is whatever attribute comes first; an element without any is skipped.
        if (pAttributeList.length() > 0)
            m_window.CreationDate = pAttributeList.getValue(0);
    } else if (is(element, "itemdef"_L1)) {
        if (pAttributeList.length() > 0)
            m_window.NameText.setText(pAttributeList.getValue(0));
    } else if (is(element, "drain"_L1)) {
        if (m_mode == Mode::Rebuild)
            m_storedDrain = value;
        else
            m_window.DrainText.setText(value);
    } else if (is(element, "force"_L1)) {
        applyForce(modifier);
    } else if (is(element, "description"_L1)) {
        m_window.DescriptionText.setText(value);
    } else if (is(element, "category"_L1)) {
        applyChoice(Choice::Category, value, modifier);
    } else if (is(element, "type"_L1)) {
        applyChoice(Choice::Type, value, modifier);
    } else if (is(element, "mod"_L1) && m_mode == Mode::Rebuild) {
        if (!chooseAgain(value))
            m_rowsNotFound.append(value);
    } else if (is(element, "mod"_L1)) {
        // Appended as stored, without the checks of a user's choice and without a new drain
        // code: the stored one stays on display.
        m_window.Summary2List.append(value);
        m_window.Summary2List1.append(modifier);
    }
}

void SpellDocumentReader::applyForce(const QString &modifier)
{
    // A force of blanks only is the placeholder of a spell saved before any force was typed;
    // the window keeps the force "1" it shows after New.
    if (isBlanksOnly(modifier))
        return;
    // The force handling runs even when the text is already the loaded force (the "1" New
    // leaves), so that the force row of the summary always shows the loaded force.
    if (m_window.ForceText.text() == modifier)
        m_window.ForceText_Change();
    else
        m_window.ForceText.setText(modifier);
}

const QStringList &SpellDocumentReader::loweredChoices(Choice choice)
{
    std::optional<QStringList> &lowered = choice == Choice::Category ? m_loweredCategories : m_loweredTypes;
    if (!lowered) {
        const ListControl &list = choice == Choice::Category ? m_window.CategoryCombo : m_window.TypeCombo;
        lowered.emplace();
        lowered->reserve(list.count());
        for (const QString &row : list.rows())
            lowered->append(row.toLower());
    }
    return *lowered;
}

void SpellDocumentReader::applyChoice(Choice choice, const QString &value, const QString &modifier)
{
    ListControl &list = choice == Choice::Category ? m_window.CategoryCombo : m_window.TypeCombo;
    const int summaryRow = choice == Choice::Category ? 0 : 1;
    const QStringList &choices = loweredChoices(choice);
    // Lower case is mostly one character for one; then the value's beginning in lower case is
    // the beginning of the value in lower case, and the value is lowered once, not per choice.
    const QString loweredValue = value.toLower();
    const bool lowersCharacterByCharacter = loweredValue.size() == value.size();
    // Every choice the stored value begins with ("Combat Spell" begins with "Combat") is
    // selected in turn, without regard to case; the last one in list order stays selected.
    bool found = false;
    for (int i = 0; i < list.count(); ++i) {
        const QString &choiceText = choices.at(i);
        const qsizetype length = list.row(i).size();
        const bool matches = lowersCharacterByCharacter
            ? QStringView(loweredValue).left(length) == choiceText
            : value.left(length).toLower() == choiceText;
        if (!matches)
            continue;
        found = true;
        // The selection handling runs even when the choice is already selected (as New leaves
        // the first one), so a category always drops the modifiers that stood before it.
        if (list.selectedIndex() == i) {
            if (choice == Choice::Category)
                m_window.CategoryCombo_Click();
            else
                m_window.TypeCombo_Click();
        } else {
            list.setSelectedIndex(i);
        }
        // A rebuild keeps today's token string, the one the selection handler put there.
        if (m_mode == Mode::Open)
            m_window.Summary1List1.replace(summaryRow, modifier);
    }
    // The window keeps what New chose, and its drain code will follow that: the user must know.
    if (found)
        return;
    const QString seen = (choice == Choice::Category ? u'c' : u't') + value;
    if (m_notFoundSeen.contains(seen))
        return;
    m_notFoundSeen.insert(seen);
    if (m_notFound.size() < toldChoices)
        m_notFound.append({choice, value});
    else
        ++m_moreNotFound;
}

bool SpellDocumentReader::chooseAgain(const QString &row)
{
    // A modifier of that very text: double-clicked as a user would. One that now owns options
    // (or is represented already) adds nothing, and the row is left out as not found.
    const int modifier = int(m_window.Modifier1List.rows().indexOf(row));
    if (modifier >= 0) {
        const int before = m_window.Summary2List.count();
        m_window.userDoubleClickModifier(modifier);
        return m_window.Summary2List.count() > before;
    }
    // Otherwise the first modifier, in list order, one of whose options gives that row. Only
    // modifiers the row begins with can, so no other is clicked.
    for (int i = 0; i < m_window.Modifier1List.count(); ++i) {
        const QString &text = m_window.Modifier1List.rows().at(i);
        if (!row.startsWith(ModifierSummary::optionRow(text, QString())))
            continue;
        if (m_window.Modifier1List.selectedIndex() == i)
            m_window.Modifier1List_Click();
        else
            m_window.Modifier1List.setSelectedIndex(i);
        for (int option = 0; option < m_window.Modifier2List.count(); ++option) {
            if (ModifierSummary::optionRow(text, m_window.Modifier2List.rows().at(option)) == row) {
                m_window.userDoubleClickOption(option);
                return true;
            }
        }
    }
    return false;
}
