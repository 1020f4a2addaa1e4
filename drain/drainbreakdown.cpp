#include "drain/drainbreakdown.h"

#include "drain/drainwords.h"

namespace {

DrainBreakdown::Row rowOf(Drain::Summary summary, int index, const QString &text, const QString &tokens)
{
    DrainBreakdown::Row row{summary, index, text, tokens, {}, {}};
    Drain::forEachToken(tokens, [&row](const Drain::Token &token) {
        row.share.level += token.adds.level;
        row.share.drainModifier += token.adds.drainModifier;
        if (token.skipped)
            row.skipped.append(token.text.toString());
    });
    return row;
}

} // namespace

QString DrainBreakdown::Row::name() const
{
    if (summary == Drain::Summary::Choices)
        return index == 0 ? tr("Category") : tr("Type");
    return tr("Row %1").arg(index + 1);
}

DrainBreakdown DrainBreakdown::of(const DrainInputs &window)
{
    DrainBreakdown result;
    result.force = window.force;
    result.shownCode = window.shownCode;
    const QStringList &modifierTwin = window.Summary2List1.rows();
    Drain::forEachCountedRow(window.Summary1List1.rows(), modifierTwin,
                             [&](Drain::Summary summary, int index, const QString &tokens) {
                                 const DrainInputs::List &shown = summary == Drain::Summary::Choices
                                                                ? window.Summary1List
                                                                : window.Summary2List;
                                 Row row = rowOf(summary, index, shown.row(index), tokens);
                                 result.totals.level += row.share.level;
                                 result.totals.drainModifier += row.share.drainModifier;
                                 result.counted.append(std::move(row));
                             });
    for (int i = Drain::countedModifierRows; i < modifierTwin.size(); ++i)
        result.notCounted.append(rowOf(Drain::Summary::Modifiers, i, window.Summary2List.row(i), modifierTwin.at(i)));
    result.code = Drain::code(result.force, result.totals);
    return result;
}

QString DrainBreakdown::skippedNote(const QString &token)
{
    return tr("%1 is skipped: it is no token").arg(DrainWords::skippedToken(token));
}

QString DrainBreakdown::forceHalved() const
{
    return u'(' + force + QStringLiteral("/2)");
}

QStringList DrainBreakdown::lines() const
{
    QStringList lines;
    const auto describe = [](const Row &row) {
        return tr("%1 \u2018%2\u2019 (%3)").arg(row.name(), row.text, row.tokens.trimmed());
    };
    for (const Row &row : counted) {
        lines.append(tr("%1: %2").arg(describe(row), DrainWords::share(row.share)));
        for (const QString &token : row.skipped)
            lines.append(QStringLiteral("    ") + skippedNote(token));
    }
    for (const Row &row : notCounted)
        lines.append(tr("%1: past the thirteenth row, not counted").arg(describe(row)));
    lines.append(tr("Force divided by two: %1").arg(forceHalved()));
    lines.append(tr("Drain modifier: %1").arg(Drain::signedNumber(totals.drainModifier)));
    lines.append(tr("Level total: %1, letter %2").arg(totals.level).arg(letter()));
    lines.append(tr("Drain code: %1").arg(code));
    return lines + notes();
}

QStringList DrainBreakdown::notes() const
{
    QStringList notes;
    if (levelPastTable())
        notes.append(DrainWords::levelPastTable(totals.level));
    if (!shownCode.isEmpty() && shownCode != code)
        notes.append(tr("The drain field shows %1, stored in the opened spell, until the spell next changes.")
                         .arg(shownCode));
    return notes;
}
