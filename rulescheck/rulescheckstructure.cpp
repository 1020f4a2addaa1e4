// The file's structure as the readers walk it: category sections, the option blocks below
// modifier lines, names listed twice, and modifiers that share a spell summary group.
#include "rulescheck/rulescheckdetail.h"

#include <QHash>

#include "design/cantrix.h"
#include "design/rulesline.h"

namespace RulesCheckDetail {
namespace {

using Kind = RulesCheck::Kind;

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

int firstFilledColumn(QStringView line, int fromColumn)
{
    qsizetype i = fromColumn - 1;
    while (i < line.size() && line[i] == u' ')
        ++i;
    return int(i) + 1;
}

QString groupKey(const QString &text, bool ownsOptions)
{
    return (ownsOptions ? text + optionRowSeparator : text).left(Cantrix::groupPrefixLength);
}

class StructurePass final
{
    Q_DISABLE_COPY_MOVE(StructurePass)

public:
    explicit StructurePass(Diagnostics &out) : m_out(out) {}

    void run(const QStringList &lines)
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString &line = lines[i];
            const int number = int(i) + 1;
            const QChar marker = RulesLine::marker(line);
            if (line.isEmpty())
                emptyLine(number);
            else if (marker == RulesLine::commentMarker)
                continue;
            else if (marker == RulesLine::categoryMarker)
                categoryLine(line, number);
            else if (marker == RulesLine::typeMarker)
                typeLine(line, number);
            else if (marker == RulesLine::optionMarker)
                optionLine(line, number);
            else if (RulesLine::isReservedMarker(marker))
                setHead(Head::Reserved, number, 1, QString(marker));
            else
                modifierLine(line, number);
        }
        finish();
    }

private:
    void setHead(Head head, int line, int column = 1, const QString &text = QString())
    {
        m_head = head;
        m_headLine = line;
        m_headColumn = column;
        m_headText = text;
        m_hiddenOptionsReported = false;
        m_optionLines.clear();
    }

    // A name or text that runs on into the token field leaves no tokens worth judging.
    void checkFields(const QString &line, int number, bool isName)
    {
        if (!checkColumn60(line, number, isName, m_out))
            checkTokens(line, number, m_out);
    }

    void categoryLine(const QString &line, int number)
    {
        checkFields(line, number, true);
        const QString name = RulesLine::categoryOrTypeName(line);
        const int nameColumn = firstFilledColumn(line, 2);
        if (name.isEmpty()) {
            add(m_out, number, 2, Kind::EmptyName,
                RulesCheck::tr("the category line has no name: it is listed as an empty entry, and choosing "
                               "it changes neither the spell summary nor the drain code"),
                RulesCheck::tr("Write the category's name in columns 2 to 16."));
        } else if (const auto first = m_categories.constFind(name); first != m_categories.cend()) {
            add(m_out, number, nameColumn, Kind::DuplicateCategory,
                RulesCheck::tr("the category %1 is named a second time (first on line %2): it shows twice in "
                               "the category list, and each entry lists the modifiers of both sections")
                    .arg(quoted(name), QString::number(first.value())),
                RulesCheck::tr("Rename one of the two categories, or merge their sections."));
        } else {
            m_categories.insert(name, number);
        }
        if (name.size() > portableCategoryNameLength) {
            add(m_out, number, nameColumn + portableCategoryNameLength, Kind::LongCategoryName,
                RulesCheck::tr("the category name %1 has %2 characters: this program reads it whole, but "
                               "readers that take the name from columns 2 to 16 alone do not find its section")
                    .arg(quoted(name), QString::number(name.size())),
                RulesCheck::tr("Shorten the name to 15 characters or fewer."));
        }
        m_inSection = true;
        m_category = name;
        setHead(Head::Category, number, nameColumn, name);
    }

    void typeLine(const QString &line, int number)
    {
        checkFields(line, number, true);
        const QString name = RulesLine::categoryOrTypeName(line);
        m_sawType = true;
        if (name.isEmpty()) {
            add(m_out, number, 2, Kind::EmptyName,
                RulesCheck::tr("the type line has no name: it is listed as an empty entry, and choosing it "
                               "changes neither the spell summary nor the drain code"),
                RulesCheck::tr("Write the type's name from column 2 on."));
        } else if (const auto first = m_types.constFind(name); first != m_types.cend()) {
            add(m_out, number, firstFilledColumn(line, 2), Kind::DuplicateType,
                RulesCheck::tr("the type %1 is named a second time (first on line %2): it shows twice in the "
                               "type list")
                    .arg(quoted(name), QString::number(first.value())),
                RulesCheck::tr("Remove or rename one of the two type lines."));
        } else {
            m_types.insert(name, number);
        }
        setHead(Head::Type, number, 1, name);
    }

    void emptyLine(int number)
    {
        if (!m_inSection) {
            setHead(Head::None, number);
            return;
        }
        add(m_out, number, 1, Kind::EmptyLineInSection,
            RulesCheck::tr("an empty line inside the section of the category %1 is listed as a modifier "
                           "with no text")
                .arg(quoted(m_category)),
            RulesCheck::tr("Delete the line, or write '!' in column 1 to keep it as a comment line."));
        // The empty line equals its own (empty) text, so option lines below it are its options.
        setHead(Head::Owner, number);
    }

    void modifierLine(const QString &line, int number)
    {
        checkFields(line, number, false);
        const QString text = RulesLine::modifierOrOptionText(line);
        if (!m_inSection) {
            add(m_out, number, 1, Kind::ModifierBeforeCategory,
                RulesCheck::tr("the modifier %1 stands before the first category line, so it belongs to no "
                               "category and is never listed, nor are option lines below it")
                    .arg(quoted(text)),
                RulesCheck::tr("Move it below the category line it belongs to, or write '!' in column 1 to "
                               "make it a comment."));
            setHead(Head::UnlistedModifier, number, 1, text);
            return;
        }
        recordModifier(text, number);
        // The option readers find a modifier by comparing its whole line with its text.
        if (line == text)
            setHead(Head::Owner, number, 1, text);
        else if (line.size() >= RulesLine::nameLastColumn && line[RulesLine::nameLastColumn - 1] != u' ')
            setHead(Head::ModifierIntoColumn60, number, RulesLine::nameLastColumn, text);
        else if (!RulesLine::tokenString(line).isEmpty())
            setHead(Head::ModifierWithTokens, number, firstFilledColumn(line, RulesLine::tokenColumn), text);
        else
            setHead(Head::ModifierWithBlanks, number, int(text.size()) + 1, text);
        m_headTokens = RulesLine::tokenString(line);
    }

    void recordModifier(const QString &text, int number)
    {
        CategoryModifiers &modifiers = m_modifiers[m_category];
        if (const auto first = modifiers.byText.constFind(text); first != modifiers.byText.cend()) {
            add(m_out, number, 1, Kind::DuplicateModifier,
                RulesCheck::tr("the modifier %1 appears a second time in the category %2 (first on line %3): "
                               "it is listed twice")
                    .arg(quoted(text), quoted(m_category), QString::number(first->line)),
                RulesCheck::tr("Remove one of the two lines, or reword one of them."));
            return;
        }
        modifiers.byText.insert(text, {number, false});
        modifiers.inOrder.append(text);
    }

    void optionLine(const QString &line, int number)
    {
        checkFields(line, number, false);
        const QString text = RulesLine::modifierOrOptionText(line);
        const QString tokens = RulesLine::tokenString(line);
        if (m_head == Head::Owner) {
            listedOption(line, text, tokens, number);
            return;
        }
        // A line of blanks that no reader lists does no harm.
        if ((text.isEmpty() && tokens.isEmpty()) || m_hiddenOptionsReported)
            return;
        m_hiddenOptionsReported = true;
        reportHiddenOptions(text, number);
    }

    void listedOption(const QString &line, const QString &text, const QString &tokens, int number)
    {
        if (!m_headText.isEmpty())
            m_modifiers[m_category].byText[m_headText].ownsOptions = true;
        if (text.isEmpty()) {
            const QString message = tokens.isEmpty()
                ? RulesCheck::tr("a line of blanks among the options of %1 is listed as an option with no text")
                      .arg(quoted(m_headText))
                : RulesCheck::tr("the option line with the tokens %1 has no text: it is listed as an option "
                                 "with no text under %2")
                      .arg(quoted(tokens), quoted(m_headText));
            add(m_out, number, 1, Kind::EmptyOption, message,
                RulesCheck::tr("Write the option's text from column 2 on, or delete the line."));
            return;
        }
        if (const auto first = m_optionLines.constFind(text); first != m_optionLines.cend()) {
            add(m_out, number, firstFilledColumn(line, 1), Kind::DuplicateOption,
                RulesCheck::tr("the option %1 appears a second time under %2 (first on line %3)")
                    .arg(quoted(text), quoted(m_headText), QString::number(first.value())),
                RulesCheck::tr("Remove one of the two lines, or reword one of them."));
            return;
        }
        m_optionLines.insert(text, number);
    }

    void reportHiddenOptions(const QString &optionText, int number)
    {
        const QString option = quoted(optionText);
        const QString noOwnerHint =
            RulesCheck::tr("Write the modifier that owns it directly above it, as a line that holds its text alone.");
        switch (m_head) {
        case Head::ModifierWithTokens:
            add(m_out, m_headLine, m_headColumn, Kind::OptionsAfterTokens,
                RulesCheck::tr("the option lines below %1 (from line %2) are never listed: the modifier line "
                               "carries the token string %3, and only a line that holds its text alone owns options")
                    .arg(quoted(m_headText), QString::number(number), quoted(m_headTokens)),
                RulesCheck::tr("Delete the token string and the blanks before it (a modifier's own tokens are "
                               "never counted for its options: add them to each option), or make the option "
                               "lines modifiers of their own."));
            break;
        case Head::ModifierWithBlanks:
            add(m_out, m_headLine, m_headColumn, Kind::TrailingBlanksHideOptions,
                RulesCheck::tr("the option lines below %1 (from line %2) are never listed: blanks follow the "
                               "text, and only a line that holds its text alone owns options")
                    .arg(quoted(m_headText), QString::number(number)),
                RulesCheck::tr("Delete the blanks after %1, so that the line ends right after the text.")
                    .arg(quoted(m_headText)));
            break;
        case Head::ModifierIntoColumn60:
            add(m_out, number, 1, Kind::OptionWithoutModifier,
                RulesCheck::tr("the option %1 and those after it are never listed: the modifier line above "
                               "(line %2) runs into column 60, so it does not hold its text alone")
                    .arg(option, QString::number(m_headLine)),
                RulesCheck::tr("Shorten the modifier's text so that its line ends by column 59."));
            break;
        case Head::Reserved:
            add(m_out, m_headLine, 1, Kind::ReservedEndsBlock,
                RulesCheck::tr("the line beginning with the reserved marker %1 ends the option block: the "
                               "option lines below it (from line %2) are never listed")
                    .arg(quoted(m_headText), QString::number(number)),
                RulesCheck::tr("Write '!' in column 1 instead, to make it a comment, which an option block "
                               "passes over, or move the line out of the block."));
            break;
        case Head::Category:
            add(m_out, number, 1, Kind::OptionWithoutModifier,
                RulesCheck::tr("the option %1 follows the category line %2 with no modifier line between "
                               "them, so it is never listed")
                    .arg(option, quoted(m_headText)),
                noOwnerHint);
            break;
        case Head::Type:
            add(m_out, number, 1, Kind::OptionWithoutModifier,
                RulesCheck::tr("the option %1 is never listed: the type line above it (line %2) ends any "
                               "option block")
                    .arg(option, QString::number(m_headLine)),
                RulesCheck::tr("Move the type line out of the option block."));
            break;
        case Head::None:
            add(m_out, number, 1, Kind::OptionWithoutModifier,
                RulesCheck::tr("the option %1 has no modifier line above it, so it is never listed").arg(option),
                noOwnerHint);
            break;
        case Head::UnlistedModifier: // reported on the modifier's own line
        case Head::Owner:
            break;
        }
    }

    void finish()
    {
        if (m_categories.isEmpty()) {
            add(m_out, 1, 1, Kind::NoCategory,
                RulesCheck::tr("the file has no category line (a line beginning with '#'), so the category "
                               "list stays empty and no modifier is ever listed"),
                RulesCheck::tr("Add a category line, e.g. '#Combat', and write its modifiers below it."));
        }
        if (!m_sawType) {
            add(m_out, 1, 1, Kind::NoType,
                RulesCheck::tr("the file has no type line (a line beginning with ']'), so the type list "
                               "stays empty"),
                RulesCheck::tr("Add a type line, e.g. ']Physical'."));
        }
        for (const CategoryModifiers &modifiers : std::as_const(m_modifiers))
            checkGroupPrefixes(modifiers);
    }

    // The spell summary keeps one row per six-character beginning: a stand-alone modifier is
    // refused when its beginning is there already, and choosing an option removes the rows
    // that begin like its modifier's (the text and ": " when the text is shorter than six).
    void checkGroupPrefixes(const CategoryModifiers &modifiers)
    {
        QHash<QString, QString> shortOptionRowStarts; // "Ice: " -> "Ice"
        for (const QString &text : modifiers.inOrder) {
            const Modifier &modifier = modifiers.byText[text];
            const QString key = groupKey(text, modifier.ownsOptions);
            if (modifier.ownsOptions && key.size() < Cantrix::groupPrefixLength)
                shortOptionRowStarts.insert(key, text);
        }

        QHash<QString, QString> firstByKey;
        for (const QString &text : modifiers.inOrder) {
            const Modifier &modifier = modifiers.byText[text];
            const QString key = groupKey(text, modifier.ownsOptions);
            if (const auto first = firstByKey.constFind(key); first != firstByKey.cend()) {
                add(m_out, modifier.line, 1, Kind::SharedGroupPrefix,
                    RulesCheck::tr("%1 and %2 (line %3) give spell summary rows that begin with the same six "
                                   "characters %4, and the summary keeps one row per beginning: whichever is "
                                   "chosen second is refused or replaces the other")
                        .arg(quoted(text), quoted(first.value()), QString::number(modifiers.byText[first.value()].line), quoted(key)),
                    RulesCheck::tr("Reword one of the two so that their first six characters differ."));
            } else {
                firstByKey.insert(key, text);
            }
            for (int length = shortestOptionRowStart; length < key.size(); ++length) {
                const auto owner = shortOptionRowStarts.constFind(key.left(length));
                if (owner == shortOptionRowStarts.cend() || owner.value() == text)
                    continue;
                const Modifier &ownerModifier = modifiers.byText[owner.value()];
                add(m_out, std::max(modifier.line, ownerModifier.line), 1, Kind::SharedGroupPrefix,
                    RulesCheck::tr("choosing an option of %1 (line %2) removes %3 (line %4) from the spell "
                                   "summary, because both rows begin with %5")
                        .arg(quoted(owner.value()), QString::number(ownerModifier.line), quoted(text), QString::number(modifier.line), quoted(owner.key())),
                    RulesCheck::tr("Reword %1 so that it does not begin with %2.").arg(quoted(text), quoted(owner.key())));
            }
        }
    }

    Diagnostics &m_out;
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
};

} // namespace

void checkStructure(const QStringList &lines, Diagnostics &out)
{
    StructurePass(out).run(lines);
}

} // namespace RulesCheckDetail
