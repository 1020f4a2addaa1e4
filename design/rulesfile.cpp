#include "rulesfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

QString RulesFile::pathIn(const QString &programDirectory)
{
    return QDir(programDirectory).filePath(QString::fromLatin1(fileName));
}

RulesFile::Contents RulesFile::load(const QString &path)
{
    Contents contents;
    const QFileInfo info(path);
    contents.missing = !info.exists();
    if (info.isDir()) {
        contents.error = QStringLiteral("it is a folder, not a file");
        return contents;
    }
    // A pipe would block the reader and a device may never end.
    if (info.exists() && !info.isFile()) {
        contents.error = QStringLiteral("it is not a regular file");
        return contents;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = file.errorString();
        return contents;
    }
    if (file.size() > maxBytes) {
        contents.error = QStringLiteral("it is larger than %1 MB").arg(maxBytes / (1024 * 1024));
        return contents;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        contents.error = file.errorString();
        return contents;
    }
    if (bytes.contains('\0')) {
        contents.error = QStringLiteral("it holds NUL bytes: binary data or UTF-16, not UTF-8 or Windows-1252 text");
        return contents;
    }
    return decode(bytes);
}

RulesFile::Contents RulesFile::decode(const QByteArray &bytes)
{
    Contents contents;
    contents.ok = true;

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder cp1252("Windows-1252");
        if (cp1252.isValid()) {
            text = cp1252.decode(bytes);
        } else {
            text = QString::fromLatin1(bytes);
        }
        contents.encoding = Encoding::Windows1252;
    }

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
