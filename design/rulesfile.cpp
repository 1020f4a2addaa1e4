#include "design/rulesfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "design/legacytext.h"

QString RulesFile::pathIn(const QString &programDirectory)
{
    return QDir(programDirectory).filePath(QString::fromLatin1(fileName));
}

RulesFile::Contents RulesFile::load(const QString &path)
{
    Contents contents;
    QByteArray bytes;
    if (!readBytes(path, bytes, contents.error)) {
        contents.missing = !QFileInfo::exists(path);
        return contents;
    }
    if (bytes.contains('\0')) {
        contents.error = QStringLiteral("it holds NUL bytes: binary data or UTF-16, not UTF-8 or Windows-1252 text");
        return contents;
    }
    return decode(bytes);
}

bool RulesFile::readBytes(const QString &path, QByteArray &bytes, QString &error)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        error = QStringLiteral("it is a folder, not a file");
        return false;
    }
    // A pipe would block the reader and a device may never end.
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("it is not a regular file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    if (file.size() > maxBytes) {
        error = QStringLiteral("it is larger than %1 MB").arg(maxBytes / (1024 * 1024));
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    return true;
}

RulesFile::Contents RulesFile::decode(const QByteArray &bytes)
{
    Contents contents;
    contents.ok = true;

    bool legacy = false;
    const QString text = LegacyText::decodeUtf8OrWindows1252(bytes, &legacy);
    if (legacy)
        contents.encoding = Encoding::Windows1252;

    const QStringView view(text);
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
