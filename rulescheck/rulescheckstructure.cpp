// The file's structure as the readers walk it: category sections, the option blocks below
// modifier lines, names listed twice, and modifiers that share a spell summary group.
#include "rulescheck/rulescheckdetail.h"

#include <algorithm>

#include <QHash>

#include "rules/rulesreaders.h"
#include "rules/rulesline.h"

namespace RulesCheckDetail {
namespace {

// Category names longer than this are read whole here, but a reader that keys sections on
// columns 2 to 16 alone does not find them.
constexpr int portableCategoryNameLength = 15;
// A modifier chosen with an option enters the spell summary as its text, this, the option.
const QString optionRowSeparator = QStringLiteral(": ");
// The shortest beginning of a row that a short modifier's option rows can share with others.
constexpr int shortestOptionRowStart = 3;

// The last line that was neither a comment nor an option line: it decides what becomes of the
// option lines below it.
enum class Head {
    None,                 // start of the file, or an empty line outside every section
    Owner,                // a modifier line that is its text alone: its options are listed
    ModifierWithTokens,   // these three are listed as modifiers but own no options
    ModifierWithBlanks,
    ModifierIntoColumn60,
    UnlistedModifier,     // before the first category line, reported where it stands
    Reserved,
    Category,
    Type,
};

struct Modifier
{
    int line = 0;
    bool ownsOptions = false;
};

// The modifiers listed for one category name, all of its sections together, as the list shows them.
struct CategoryModifiers
{
    QHash<QString, Modifier> byText;
    QStringList inOrder;
};

// Two modifiers whose spell summary rows begin alike. Known only once the whole file has been
// read (whether a modifier owns options may be told by a later section of its category), so
// a first pass finds them and the second reports each at its line.
struct SharedGroup
{
    int line = 0;
    bool byOptionRows = false; // an option row of `other` begins like `text`
    QString text;
    int textLine = 0;
    QString other;
    int otherLine = 0;
    QString start; // the beginning both rows share
};

int firstFilledColumn(QStringView line, int fromColumn)
{
    qsizetype i = fromColumn - 1;
    while (i < line.size() && line[i] == u' ')
        ++i;
    return int(i) + 1;
}

QString groupKey(const QString &text, bool ownsOptions)
{
    return (ownsOptions ? text + optionRowSeparator : text).left(RulesReaders::groupPrefixLength);
}

} // namespace

// One walk over the lines. A first one, `gathering`, only learns what the report of a line may
// depend on further down (the category and type lines, the groups of the summary); the second
// reports as it goes, line by line.
class StructureCheck::Pass final
{
    Q_DISABLE_COPY_MOVE(Pass)

public:
    Pass(const QStringList &lines, Findings *out) : m_lines(lines), m_out(out) {}

    void checkLine(qsizetype index)
    {
        const QString &line = m_lines[index];
        const int number = int(index) + 1;
        if (index == 0)
            reportWhatTheFileLacks();
        reportSharedGroupsAt(number);

        const QChar marker = RulesLine::marker(line);
        if (line.isEmpty())
            emptyLine(number);
        else if (marker == RulesLine::commentMarker)
            return;
        else if (marker == RulesLine::categoryMarker)
            categoryLine(line, number);
        else if (marker == RulesLine::typeMarker)
            typeLine(line, number);
        else if (marker == RulesLine::optionMarker)
            optionLine(line, number);
        else if (RulesLine::isReservedMarker(marker))
            setHead(Head::Reserved, index, 1, QString(marker));
        else
            modifierLine(line, index);
    }

    // After the last line: what the gathering learnt, for the reporting pass.
    void finishGathering(Pass &reporting)
    {
        reporting.m_fileHasCategory = !m_categories.isEmpty();
        reporting.m_fileHasType = m_sawType;
        for (const CategoryModifiers &modifiers : std::as_const(m_modifiers))
            findSharedGroups(modifiers, reporting.m_sharedGroups);
        std::stable_sort(reporting.m_sharedGroups.begin(), reporting.m_sharedGroups.end(),
                         [](const SharedGroup &a, const SharedGroup &b) { return a.line < b.line; });
    }

    // After the last line of the reporting pass: a file without lines lacks everything.
    void finishReporting()
    {
        if (m_lines.isEmpty())
            reportWhatTheFileLacks();
    }

private:
    template <typename MakeTexts>
    void report(int line, int column, Kind kind, MakeTexts makeTexts)
    {
        if (m_out)
            m_out->add(line, column, kind, makeTexts);
    }

    void setHead(Head head, qsizetype index, int column = 1, const QString &text = QString())
    {
        m_head = head;
        m_headLine = int(index) + 1;
        m_headColumn = column;
        m_headText = text;
        m_hiddenOptionsReported = false;
        m_optionLines.clear();
        if (head == Head::ModifierWithTokens || head == Head::ModifierWithBlanks || head == Head::Reserved)
            reportHiddenOptionsBelowHead(index);
    }

    // These heads are reported on their own line when option lines below them are never
    // listed, so a look ahead at the block says it while that line is being reported.
    void reportHiddenOptionsBelowHead(qsizetype index)
    {
        if (!m_out)
            return;
        RulesReaders::forEachOptionLineBelow(m_lines, index, [this](qsizetype below) {
            const QString &line = m_lines[below];
            // A line of blanks that no reader lists does no harm.
            const QString text = RulesLine::modifierOrOptionText(line);
            if (text.isEmpty() && RulesLine::tokenString(line).isEmpty())
                return true;
            m_hiddenOptionsReported = true;
            reportHiddenOptions(text, int(below) + 1);
            return false;
        });
    }

    // A name or text that runs on into the token field leaves no tokens worth judging.
    void checkFields(const QString &line, int number, bool isName)
    {
        if (m_out && !checkColumn60(line, number, isName, *m_out))
            checkTokens(line, number, *m_out);
    }

    void reportWhatTheFileLacks()
    {
        if (!m_fileHasCategory) {
            report(1, 1, Kind::NoCategory, [] {
                return Texts{RulesCheck::tr("the file has no category line (a line beginning with '#'), so the "
                                            "category list stays empty and no modifier is ever listed"),
                             RulesCheck::tr("Add a category line, e.g. '#Combat', and write its modifiers below it.")};
            });
        }
        if (!m_fileHasType) {
            report(1, 1, Kind::NoType, [] {
                return Texts{RulesCheck::tr("the file has no type line (a line beginning with ']'), so the type list "
                                            "stays empty"),
                             RulesCheck::tr("Add a type line, e.g. ']Physical'.")};
            });
        }
    }

    void categoryLine(const QString &line, int number)
    {
        checkFields(line, number, true);
        const QString name = RulesLine::categoryOrTypeName(line);
        const int nameColumn = firstFilledColumn(line, 2);
        if (name.isEmpty()) {
            report(number, 2, Kind::EmptyName, [] {
                return Texts{RulesCheck::tr("the category line has no name: it is listed as an empty entry, and "
                                            "choosing it changes neither the spell summary nor the drain code"),
                             RulesCheck::tr("Write the category's name in columns 2 to 16.")};
            });
        } else if (const auto first = m_categories.constFind(name); first != m_categories.cend()) {
            report(number, nameColumn, Kind::DuplicateCategory, [&] {
                return Texts{RulesCheck::tr("the category %1 is named a second time (first on line %2): it shows "
                                            "twice in the category list, and each entry lists the modifiers of "
                                            "both sections")
                                 .arg(quoted(name), QString::number(first.value())),
                             RulesCheck::tr("Rename one of the two categories, or merge their sections.")};
            });
        } else {
            m_categories.insert(name, number);
        }
        if (name.size() > portableCategoryNameLength) {
            report(number, nameColumn + portableCategoryNameLength, Kind::LongCategoryName, [&] {
                return Texts{RulesCheck::tr("the category name %1 has %2 characters: this program reads it whole, "
                                            "but readers that take the name from columns 2 to 16 alone do not "
                                            "find its section")
                                 .arg(quoted(name), QString::number(name.size())),
                             RulesCheck::tr("Shorten the name to 15 characters or fewer.")};
            });
        }
        m_inSection = true;
        m_category = name;
        setHead(Head::Category, number - 1, nameColumn, name);
    }

    void typeLine(const QString &line, int number)
    {
        checkFields(line, number, true);
        const QString name = RulesLine::categoryOrTypeName(line);
        m_sawType = true;
        if (name.isEmpty()) {
            report(number, 2, Kind::EmptyName, [] {
                return Texts{RulesCheck::tr("the type line has no name: it is listed as an empty entry, and choosing "
                                            "it changes neither the spell summary nor the drain code"),
                             RulesCheck::tr("Write the type's name from column 2 on.")};
            });
        } else if (const auto first = m_types.constFind(name); first != m_types.cend()) {
            report(number, firstFilledColumn(line, 2), Kind::DuplicateType, [&] {
                return Texts{RulesCheck::tr("the type %1 is named a second time (first on line %2): it shows twice "
                                            "in the type list")
                                 .arg(quoted(name), QString::number(first.value())),
                             RulesCheck::tr("Remove or rename one of the two type lines.")};
            });
        } else {
            m_types.insert(name, number);
        }
        setHead(Head::Type, number - 1, 1, name);
    }

    void emptyLine(int number)
    {
        if (!m_inSection) {
            setHead(Head::None, number - 1);
            return;
        }
        report(number, 1, Kind::EmptyLineInSection, [&] {
            return Texts{RulesCheck::tr("an empty line inside the section of the category %1 is listed as a "
                                        "modifier with no text")
                             .arg(quoted(m_category)),
                         RulesCheck::tr("Delete the line, or write '!' in column 1 to keep it as a comment line.")};
        });
        // The empty line equals its own (empty) text, so option lines below it are its options.
        setHead(Head::Owner, number - 1);
    }

    void modifierLine(const QString &line, qsizetype index)
    {
        const int number = int(index) + 1;
        checkFields(line, number, false);
        const QString text = RulesLine::modifierOrOptionText(line);
        if (!m_inSection) {
            report(number, 1, Kind::ModifierBeforeCategory, [&] {
                return Texts{RulesCheck::tr("the modifier %1 stands before the first category line, so it belongs "
                                            "to no category and is never listed, nor are option lines below it")
                                 .arg(quoted(text)),
                             RulesCheck::tr("Move it below the category line it belongs to, or write '!' in column "
                                            "1 to make it a comment.")};
            });
            setHead(Head::UnlistedModifier, index, 1, text);
            return;
        }
        recordModifier(text, number);
        m_headTokens = RulesLine::tokenString(line);
        // The option readers find a modifier by comparing its whole line with its text.
        if (line == text)
            setHead(Head::Owner, index, 1, text);
        else if (line.size() >= RulesLine::nameLastColumn && line[RulesLine::nameLastColumn - 1] != u' ')
            setHead(Head::ModifierIntoColumn60, index, RulesLine::nameLastColumn, text);
        else if (!m_headTokens.isEmpty())
            setHead(Head::ModifierWithTokens, index, firstFilledColumn(line, RulesLine::tokenColumn), text);
        else
            setHead(Head::ModifierWithBlanks, index, int(text.size()) + 1, text);
    }

    void recordModifier(const QString &text, int number)
    {
        CategoryModifiers &modifiers = m_modifiers[m_category];
        if (const auto first = modifiers.byText.constFind(text); first != modifiers.byText.cend()) {
            report(number, 1, Kind::DuplicateModifier, [&] {
                return Texts{RulesCheck::tr("the modifier %1 appears a second time in the category %2 (first on "
                                            "line %3): it is listed twice")
                                 .arg(quoted(text), quoted(m_category), QString::number(first->line)),
                             RulesCheck::tr("Remove one of the two lines, or reword one of them.")};
            });
            return;
        }
        modifiers.byText.insert(text, {number, false});
        modifiers.inOrder.append(text);
    }

    void optionLine(const QString &line, int number)
    {
        checkFields(line, number, false);
        const QString text = RulesLine::modifierOrOptionText(line);
        if (m_head == Head::Owner) {
            listedOption(line, text, number);
            return;
        }
        // A line of blanks that no reader lists does no harm.
        if ((text.isEmpty() && RulesLine::tokenString(line).isEmpty()) || m_hiddenOptionsReported)
            return;
        m_hiddenOptionsReported = true;
        reportHiddenOptions(text, number);
    }

    void listedOption(const QString &line, const QString &text, int number)
    {
        if (!m_headText.isEmpty())
            m_modifiers[m_category].byText[m_headText].ownsOptions = true;
        if (!m_out)
            return;
        if (text.isEmpty()) {
            report(number, 1, Kind::EmptyOption, [&] {
                const QString tokens = RulesLine::tokenString(line);
                return Texts{tokens.isEmpty()
                                 ? RulesCheck::tr("a line of blanks among the options of %1 is listed as an option "
                                                  "with no text")
                                       .arg(quoted(m_headText))
                                 : RulesCheck::tr("the option line with the tokens %1 has no text: it is listed as an "
                                                  "option with no text under %2")
                                       .arg(quoted(tokens), quoted(m_headText)),
                             RulesCheck::tr("Write the option's text from column 2 on, or delete the line.")};
            });
            return;
        }
        if (const auto first = m_optionLines.constFind(text); first != m_optionLines.cend()) {
            report(number, firstFilledColumn(line, 1), Kind::DuplicateOption, [&] {
                return Texts{RulesCheck::tr("the option %1 appears a second time under %2 (first on line %3)")
                                 .arg(quoted(text), quoted(m_headText), QString::number(first.value())),
                             RulesCheck::tr("Remove one of the two lines, or reword one of them.")};
            });
            return;
        }
        m_optionLines.insert(text, number);
    }

    void reportHiddenOptions(const QString &optionText, int number)
    {
        const auto noOwnerHint = [] {
            return RulesCheck::tr("Write the modifier that owns it directly above it, as a line that holds its text "
                                  "alone.");
        };
        switch (m_head) {
        case Head::ModifierWithTokens:
            report(m_headLine, m_headColumn, Kind::OptionsAfterTokens, [&] {
                return Texts{RulesCheck::tr("the option lines below %1 (from line %2) are never listed: the modifier "
                                            "line carries the token string %3, and only a line that holds its text "
                                            "alone owns options")
                                 .arg(quoted(m_headText), QString::number(number), quoted(m_headTokens)),
                             RulesCheck::tr("Delete the token string and the blanks before it (a modifier's own "
                                            "tokens are never counted for its options: add them to each option), or "
                                            "make the option lines modifiers of their own.")};
            });
            break;
        case Head::ModifierWithBlanks:
            report(m_headLine, m_headColumn, Kind::TrailingBlanksHideOptions, [&] {
                return Texts{RulesCheck::tr("the option lines below %1 (from line %2) are never listed: blanks "
                                            "follow the text, and only a line that holds its text alone owns options")
                                 .arg(quoted(m_headText), QString::number(number)),
                             RulesCheck::tr("Delete the blanks after %1, so that the line ends right after the text.")
                                 .arg(quoted(m_headText))};
            });
            break;
        case Head::ModifierIntoColumn60:
            report(number, 1, Kind::OptionWithoutModifier, [&] {
                return Texts{RulesCheck::tr("the option %1 and those after it are never listed: the modifier line "
                                            "above (line %2) runs into column 60, so it does not hold its text alone")
                                 .arg(quoted(optionText), QString::number(m_headLine)),
                             RulesCheck::tr("Shorten the modifier's text so that its line ends by column 59.")};
            });
            break;
        case Head::Reserved:
            report(m_headLine, 1, Kind::ReservedEndsBlock, [&] {
                return Texts{RulesCheck::tr("the line beginning with the reserved marker %1 ends the option block: "
                                            "the option lines below it (from line %2) are never listed")
                                 .arg(quoted(m_headText), QString::number(number)),
                             RulesCheck::tr("Write '!' in column 1 instead, to make it a comment, which an option "
                                            "block passes over, or move the line out of the block.")};
            });
            break;
        case Head::Category:
            report(number, 1, Kind::OptionWithoutModifier, [&] {
                return Texts{RulesCheck::tr("the option %1 follows the category line %2 with no modifier line "
                                            "between them, so it is never listed")
                                 .arg(quoted(optionText), quoted(m_headText)),
                             noOwnerHint()};
            });
            break;
        case Head::Type:
            report(number, 1, Kind::OptionWithoutModifier, [&] {
                return Texts{RulesCheck::tr("the option %1 is never listed: the type line above it (line %2) ends "
                                            "any option block")
                                 .arg(quoted(optionText), QString::number(m_headLine)),
                             RulesCheck::tr("Move the type line out of the option block.")};
            });
            break;
        case Head::None:
            report(number, 1, Kind::OptionWithoutModifier, [&] {
                return Texts{RulesCheck::tr("the option %1 has no modifier line above it, so it is never listed")
                                 .arg(quoted(optionText)),
                             noOwnerHint()};
            });
            break;
        case Head::UnlistedModifier: // reported on the modifier's own line
        case Head::Owner:
            break;
        }
    }

    void reportSharedGroupsAt(int number)
    {
        while (m_nextSharedGroup < m_sharedGroups.size() && m_sharedGroups[m_nextSharedGroup].line == number) {
            const SharedGroup &group = m_sharedGroups[m_nextSharedGroup++];
            report(number, 1, Kind::SharedGroupPrefix, [&] {
                if (group.byOptionRows) {
                    return Texts{RulesCheck::tr("choosing an option of %1 (line %2) removes %3 (line %4) from the "
                                                "spell summary, because both rows begin with %5")
                                     .arg(quoted(group.other), QString::number(group.otherLine), quoted(group.text),
                                          QString::number(group.textLine), quoted(group.start)),
                                 RulesCheck::tr("Reword %1 so that it does not begin with %2.")
                                     .arg(quoted(group.text), quoted(group.start))};
                }
                return Texts{RulesCheck::tr("%1 and %2 (line %3) give spell summary rows that begin with the same "
                                            "six characters %4, and the summary keeps one row per beginning: "
                                            "whichever is chosen second is refused or replaces the other")
                                 .arg(quoted(group.text), quoted(group.other), QString::number(group.otherLine),
                                      quoted(group.start)),
                             RulesCheck::tr("Reword one of the two so that their first six characters differ.")};
            });
        }
    }

    // The spell summary keeps one row per six-character beginning: a stand-alone modifier is
    // refused when its beginning is there already, and choosing an option removes the rows
    // that begin like its modifier's (the text and ": " when the text is shorter than six).
    static void findSharedGroups(const CategoryModifiers &modifiers, QList<SharedGroup> &found)
    {
        QHash<QString, QString> shortOptionRowStarts; // "Ice: " -> "Ice"
        for (const QString &text : modifiers.inOrder) {
            const Modifier &modifier = modifiers.byText[text];
            const QString key = groupKey(text, modifier.ownsOptions);
            if (modifier.ownsOptions && key.size() < RulesReaders::groupPrefixLength)
                shortOptionRowStarts.insert(key, text);
        }

        QHash<QString, QString> firstByKey;
        for (const QString &text : modifiers.inOrder) {
            const Modifier &modifier = modifiers.byText[text];
            const QString key = groupKey(text, modifier.ownsOptions);
            if (const auto first = firstByKey.constFind(key); first != firstByKey.cend()) {
                found.append({modifier.line, false, text, modifier.line, first.value(),
                              modifiers.byText[first.value()].line, key});
            } else {
                firstByKey.insert(key, text);
            }
            for (int length = shortestOptionRowStart; length < key.size(); ++length) {
                const auto owner = shortOptionRowStarts.constFind(key.left(length));
                if (owner == shortOptionRowStarts.cend() || owner.value() == text)
                    continue;
                const Modifier &ownerModifier = modifiers.byText[owner.value()];
                found.append({std::max(modifier.line, ownerModifier.line), true, text, modifier.line, owner.value(),
                              ownerModifier.line, owner.key()});
            }
        }
    }

    const QStringList &m_lines;
    Findings *m_out; // none while gathering
    bool m_inSection = false;
    bool m_sawType = false;
    QString m_category;
    Head m_head = Head::None;
    int m_headLine = 0;
    int m_headColumn = 1;
    QString m_headText;
    QString m_headTokens;
    bool m_hiddenOptionsReported = false;
    QHash<QString, int> m_optionLines; // option texts of the current block -> line
    QHash<QString, int> m_categories;  // name -> first line
    QHash<QString, int> m_types;
    QHash<QString, CategoryModifiers> m_modifiers; // category name -> its modifiers
    // Learnt by the gathering pass, for the reporting one.
    bool m_fileHasCategory = true;
    bool m_fileHasType = true;
    QList<SharedGroup> m_sharedGroups; // by line
    qsizetype m_nextSharedGroup = 0;
};

StructureCheck::StructureCheck(const QStringList &lines, Findings &out)
    : m_pass(std::make_unique<Pass>(lines, &out))
{
    Pass gathering(lines, nullptr);
    for (qsizetype i = 0; i < lines.size(); ++i)
        gathering.checkLine(i);
    gathering.finishGathering(*m_pass);
}

StructureCheck::~StructureCheck() = default;

void StructureCheck::checkLine(qsizetype index)
{
    m_pass->checkLine(index);
}

void StructureCheck::finish()
{
    m_pass->finishReporting();
}

} // namespace RulesCheckDetail
