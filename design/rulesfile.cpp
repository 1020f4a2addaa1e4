#include "rulesfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "legacytext.h"

QString RulesFile::pathIn(const QString &programDirectory)
{
    return QDir(programDirectory).filePath(QString::fromLatin1(fileName));
}

RulesFile::Contents RulesFile::load(const QString &path)
{
    QByteArray bytes;
    QString error;
    if (!readBytes(path, bytes, error)) {
        Contents contents;
        contents.error = error;
        return contents;
    }
    return decode(bytes);
}

bool RulesFile::readBytes(const QString &path, QByteArray &bytes, QString &error)
{
    if (QFileInfo(path).isDir()) {
        error = QStringLiteral("it is a folder, not a file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
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
