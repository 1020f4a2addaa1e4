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
