#include "drain/drainwords.h"

#include <QStringList>

QString DrainWords::tokens(QStringView tokenString)
{
    Drain::Totals sum;
    bool levelTokens = false;
    bool drainModifierTokens = false;
    QStringList skipped;
    Drain::forEachToken(tokenString, [&](const Drain::Token &token) {
        if (token.skipped) {
            skipped.append(skippedToken(token.text));
            return;
        }
        // A "+0" token adds nothing, yet the words still name the total it belongs to.
        (token.drainModifier ? drainModifierTokens : levelTokens) = true;
        sum.level += token.adds.level;
        sum.drainModifier += token.adds.drainModifier;
    });

    QStringList parts;
    // Two texts rather than a plural form, so that the words read right without a translation.
    if (levelTokens)
        parts.append((qAbs(sum.level) == 1 ? tr("%1 level") : tr("%1 levels")).arg(Drain::signedNumber(sum.level)));
    if (drainModifierTokens)
        parts.append(tr("%1 drain modifier").arg(Drain::signedNumber(sum.drainModifier)));
    for (const QString &token : std::as_const(skipped))
        parts.append(tr("%1 skipped").arg(token));
    return parts.isEmpty() ? tr("no drain tokens") : parts.join(QStringLiteral(", "));
}

QString DrainWords::share(const Drain::Totals &totals)
{
    return tr("level %1, drain modifier %2")
        .arg(Drain::signedNumber(totals.level), Drain::signedNumber(totals.drainModifier));
}

QString DrainWords::skippedToken(QStringView text)
{
    return text.isEmpty() ? tr("an extra blank") : tr("\u2018%1\u2019").arg(text.toString());
}

QString DrainWords::levelPastTable(qint64 levelTotal)
{
    if (levelTotal <= Drain::levelLetterCount)
        return QString();
    return tr("Level total %1 is past the table (1 to %2), so the drain code shows %3.")
        .arg(levelTotal)
        .arg(Drain::levelLetterCount)
        .arg(Drain::levelLetter(levelTotal));
}

QString DrainWords::levelPastTableBriefly(qint64 levelTotal)
{
    return tr("level total %1 is past the table, so the code shows %2")
        .arg(QString::number(levelTotal), Drain::levelLetter(levelTotal));
}
