#include "drain/drainpreview.h"

#include <QStringList>

#include "drain/drainwords.h"
#include "drain/modifiersummary.h"
#include "rules/rulesfile.h"

namespace {

// The modifier summary and its twin held apart from the window, for the steps to work on.
struct SummaryCopy
{
    explicit SummaryCopy(const DrainInputs &window) : rows(window.Summary2List.rows()), twin(window.Summary2List1.rows()) {}

    ModifierSummary::Copy rows;
    ModifierSummary::Copy twin;
};

// A preview of the spell as it stands.
DrainPreview startedOn(const DrainInputs &window)
{
    DrainPreview preview;
    preview.codeBefore = window.shownCode;
    preview.levelBefore = Drain::totalsOf(window.Summary1List1.rows(), window.Summary2List1.rows()).level;
    return preview;
}

// Appends the row to the copy and records what the spell would then be.
void add(DrainPreview &preview, const DrainInputs &window, SummaryCopy &copy)
{
    copy.rows.append(preview.text);
    copy.twin.append(preview.tokens);
    preview.outcome = DrainPreview::Outcome::Adds;
    preview.position = copy.rows.count() - 1;
    preview.totals = Drain::totalsOf(window.Summary1List1.rows(), copy.twin.rows());
    preview.codeAfter = Drain::code(window.force, preview.totals);
}

} // namespace

DrainPreview DrainPreview::ofSelection(const DrainInputs &window)
{
    return window.Modifier2List.selectedIndex() >= 0 ? ofOption(window) : ofModifier(window);
}

DrainPreview DrainPreview::ofModifier(const DrainInputs &window)
{
    const int selected = window.Modifier1List.selectedIndex();
    if (selected < 0)
        return {};
    DrainPreview preview = startedOn(window);
    preview.text = window.Modifier1List.row(selected);
    if (window.rulesUnreadable) {
        preview.outcome = Outcome::RulesUnreadable;
        return preview;
    }
    // The double-click asks the rules file about the modifier its single click listed
    // (Text2); that click put the answer in the option list.
    if (window.Modifier2List.count() > 0) {
        preview.outcome = Outcome::PickAnOption;
        preview.options = window.Modifier2List.count();
        return preview;
    }
    preview.tokens = window.Modifier1List1.row(selected);
    SummaryCopy copy(window);
    const int at = ModifierSummary::representedAt(copy.rows, preview.text);
    if (at >= 0) {
        preview.outcome = Outcome::Represented;
        preview.represented = {at, copy.rows.row(at)};
        return preview;
    }
    add(preview, window, copy);
    return preview;
}

DrainPreview DrainPreview::ofOption(const DrainInputs &window)
{
    const int option = window.Modifier2List.selectedIndex();
    if (option < 0)
        return {};
    DrainPreview preview = startedOn(window);
    const QString modifier = window.Modifier1List.text();
    preview.text = ModifierSummary::optionRow(modifier, window.Modifier2List.row(option));
    preview.tokens = window.Modifier2List1.row(option);
    SummaryCopy copy(window);
    ModifierSummary::removeRowsOf(copy.rows, copy.twin, modifier, [&preview](int index, const QString &text) {
        preview.replaced.prepend({index, text});
    });
    add(preview, window, copy);
    return preview;
}

QString DrainPreview::modifierToolTip(const DrainInputs &window, int row)
{
    const QString tokens = window.Modifier1List1.row(row);
    if (!tokens.trimmed().isEmpty())
        return DrainWords::tokens(tokens);
    if (row == window.Modifier1List.selectedIndex() && window.Modifier2List.count() > 0)
        return tr("no drain tokens of its own: the option picked for it carries the cost");
    return tr("no drain tokens of its own");
}

QString DrainPreview::statusText() const
{
    if (outcome == Outcome::None)
        return QString();
    if (outcome == Outcome::Adds)
        return addsText();
    // Nothing would change; a level total already past the table is still worth naming.
    if (levelBefore > Drain::levelLetterCount)
        return tr("%1; %2.").arg(refusalText(), DrainWords::levelPastTableBriefly(levelBefore));
    return tr("%1.").arg(refusalText());
}

QString DrainPreview::refusalText() const
{
    switch (outcome) {
    case Outcome::RulesUnreadable:
        return tr("Nothing can be added while %1 cannot be read").arg(QString::fromLatin1(RulesFile::fileName));
    case Outcome::PickAnOption:
        return options == 1 ? tr("To add \u2018%1\u2019, pick its option").arg(text)
                            : tr("To add \u2018%1\u2019, pick one of its %2 options").arg(text, QString::number(options));
    case Outcome::Represented:
        if (represented.text == text)
            return tr("\u2018%1\u2019 is chosen already (row %2)").arg(text, QString::number(represented.index + 1));
        return tr("\u2018%1\u2019 cannot be added: row %2, \u2018%3\u2019, begins with the same six characters")
            .arg(text, QString::number(represented.index + 1), represented.text);
    case Outcome::None:
    case Outcome::Adds:
        break;
    }
    return QString();
}

QString DrainPreview::addsText() const
{
    // The drain code comes first: a status bar too narrow for the whole text cuts off its end.
    QString result = tokens.trimmed().isEmpty() ? tr("Adds no tokens") : tr("Adds %1").arg(tokens.trimmed());
    result = (codeAfter == codeBefore ? tr("%1: drain stays %2") : tr("%1: drain becomes %2")).arg(result, codeAfter);
    if (totals.level > Drain::levelLetterCount)
        result = tr("%1 (%2)").arg(result, DrainWords::levelPastTableBriefly(totals.level));
    if (!replaced.isEmpty()) {
        QStringList rows;
        for (const SummaryRow &row : replaced)
            rows.append(tr("row %1 \u2018%2\u2019").arg(QString::number(row.index + 1), row.text));
        result = tr("%1, replacing %2").arg(result, rows.join(QStringLiteral(", ")));
    }
    if (!counts())
        result = tr("%1 (row %2 would be past the thirteenth and not count)").arg(result, QString::number(position + 1));
    return result;
}
