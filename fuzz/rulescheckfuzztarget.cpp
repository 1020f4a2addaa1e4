#include "fuzz/fuzztargets.h"

#include <tuple>

#include "rules/rulesfile.h"
#include "rulescheck/rulescheck.h"

namespace {

// Read as Windows-1252, every byte is a character: none may vanish.
QString brokenLegacyReading(const QByteArray &bytes, const RulesFile::Contents &contents)
{
    if (!contents.ok || contents.encoding != RulesFile::Encoding::Windows1252)
        return QString();
    qsizetype characters = 0;
    for (const QString &line : contents.lines)
        characters += line.size();
    // Each line lost its LF, and the CR before it when there was one.
    const qsizetype read = bytes.size() - bytes.count('\n') - bytes.count("\r\n");
    if (characters != read)
        return QStringLiteral("%1 bytes read as Windows-1252 became %2 characters").arg(read).arg(characters);
    return QString();
}

} // namespace

QString FuzzTargets::rulesCheck(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const RulesFile::Contents contents = RulesFile::decode(bytes);
    if (QString legacy = brokenLegacyReading(bytes, contents); !legacy.isEmpty())
        return legacy;

    constexpr qsizetype kept = 20;
    const RulesCheck::Report report = RulesCheck::checkContents(contents, kept);
    // An error is what makes the program refuse the file, no more and no less.
    const bool refusedByProgram = !RulesFile::fromBytes(bytes).ok;
    if ((!report.readable || report.errors > 0) != refusedByProgram)
        return QStringLiteral("the check finds %1 errors in a file the program %2")
            .arg(report.errors)
            .arg(refusedByProgram ? QStringLiteral("refuses") : QStringLiteral("reads"));
    if (report.diagnostics.size() != std::min(kept, qsizetype(report.problems)))
        return QStringLiteral("%1 findings kept of %2").arg(report.diagnostics.size()).arg(report.problems);
    // Findings in file order, on lines the file has, each with its words.
    const qsizetype lines = std::max<qsizetype>(1, contents.lines.size());
    for (qsizetype i = 0; i < report.diagnostics.size(); ++i) {
        const RulesCheck::Diagnostic &d = report.diagnostics[i];
        if (d.line < 1 || d.line > lines || d.column < 1 || d.message.isEmpty() || d.hint.isEmpty())
            return QStringLiteral("finding %1 at %2:%3 is outside the file or has no words").arg(i).arg(d.line).arg(d.column);
        if (i == 0)
            continue;
        const RulesCheck::Diagnostic &before = report.diagnostics[i - 1];
        if (std::tie(before.line, before.column, before.kind) > std::tie(d.line, d.column, d.kind))
            return QStringLiteral("finding %1 at %2:%3 comes after %4:%5")
                .arg(i).arg(d.line).arg(d.column).arg(before.line).arg(before.column);
    }
    return QString();
}
