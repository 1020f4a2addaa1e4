#include "rules/rulesfile.h"

#include <QCoreApplication>
#include <QDir>

#include "files/legacytext.h"
#include "files/wholefile.h"

QString RulesFile::pathIn(const QString &programDirectory)
{
    return QDir(programDirectory).filePath(QString::fromLatin1(fileName));
}

RulesFile::Contents RulesFile::load(const QString &path)
{
    WholeFile::Contents read = WholeFile::read(path, maxBytes);
    if (!read.ok()) {
        Contents contents;
        contents.error = read.error;
        contents.missing = read.missing;
        return contents;
    }
    return fromBytes(read.bytes);
}

RulesFile::Contents RulesFile::fromBytes(const QByteArray &bytes)
{
    if (bytes.contains('\0')) {
        Contents contents;
        contents.error = QCoreApplication::translate(
            "RulesFile", "it holds NUL bytes: binary data or UTF-16, not UTF-8 or Windows-1252 text");
        return contents;
    }
    return decode(bytes);
}

bool RulesFile::readBytes(const QString &path, QByteArray &bytes, QString &error)
{
    WholeFile::Contents read = WholeFile::read(path, maxBytes);
    error = read.error;
    bytes = std::move(read.bytes);
    return read.ok();
}

RulesFile::Contents RulesFile::decode(const QByteArray &bytes)
{
    Contents contents;
    // Counted before anything is decoded, so a refused file costs no more than one look.
    const qsizetype lineCount = bytes.count('\n') + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
    if (lineCount > maxLines) {
        contents.error = QCoreApplication::translate("RulesFile", "it has more than %1 lines, too many to be read")
                             .arg(maxLines);
        return contents;
    }
    contents.ok = true;

    bool legacy = false;
    const QString text = LegacyText::decodeUtf8OrWindows1252(bytes, &legacy);
    if (legacy)
        contents.encoding = Encoding::Windows1252;

    const QStringView view(text);
    contents.lines.reserve(lineCount);
    qsizetype start = 0;
    while (start < view.size()) {
        qsizetype end = view.indexOf(u'\n', start);
        const bool hasLineEnd = end >= 0;
        if (!hasLineEnd)
            end = view.size();
        qsizetype lineEnd = end;
        if (hasLineEnd && lineEnd > start && view[lineEnd - 1] == u'\r')
            --lineEnd;
        contents.lines.append(view.sliced(start, lineEnd - start).toString());
        start = end + 1;
    }
    return contents;
}
