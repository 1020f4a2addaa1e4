#include "fuzz/fuzztargets.h"

#include <QList>

#include "drain/drain.h"

namespace {

// Checks one token string: no total can grow faster than one digit per character, and the
// drain code has its fixed frame around whatever the totals are.
QString check(QStringView tokens)
{
    Drain::Totals totals;
    Drain::addTokens(tokens, totals);
    const qint64 bound = 9 * qint64(tokens.size());
    if (qAbs(totals.level) > bound || qAbs(totals.drainModifier) > bound)
        return QStringLiteral("totals %1/%2 exceed 9 per character of %3")
            .arg(totals.level).arg(totals.drainModifier).arg(tokens.size());

    // Adding the same string twice doubles both totals: the scan keeps no state of its own.
    Drain::Totals twice = totals;
    Drain::addTokens(tokens, twice);
    if (twice.level != 2 * totals.level || twice.drainModifier != 2 * totals.drainModifier)
        return QStringLiteral("a second scan of the same tokens gave a different sum");

    const QString force = tokens.left(8).toString();
    const QString code = Drain::code(force, totals);
    const QString head = QStringLiteral("[(") + force + QStringLiteral("/2) ");
    const QString tail = QStringLiteral("] ") + Drain::levelLetter(totals.level);
    if (!code.startsWith(head) || !code.endsWith(tail))
        return QStringLiteral("drain code without its frame: ") + code;
    return QString();
}

} // namespace

QString FuzzTargets::drainTokens(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (QString broken = check(QString::fromUtf8(bytes)); !broken.isEmpty())
        return broken;
    // Raw UTF-16 code units reach characters UTF-8 decoding never makes (lone surrogates).
    QList<char16_t> units(qsizetype(size / 2));
    for (qsizetype i = 0; i < units.size(); ++i)
        units[i] = char16_t(data[2 * i] | (data[2 * i + 1] << 8));
    return check(QStringView(units.constData(), units.size()));
}
