#include "author/authoroptionsfile.h"

#include <QDir>
#include <QFileInfo>

#include "files/legacytext.h"
#include "platform/platform.h"
#include "files/wholefile.h"

namespace AuthorOptionsFile {

namespace {

// ctx.txt is three short lines; anything much larger is not an options file, and reading it
// whole must not exhaust memory.
constexpr qint64 largestFileRead = 1024 * 1024;

constexpr int lineCount = 3;

// A field holding a line break would spill into the next line and shift every later value,
// so inside a value CR and LF are written as blanks: the file always keeps its three lines.
QString asSingleLine(QString value)
{
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

QString location(const Platform &platform)
{
    return location(platform.programDirectory(), platform.userConfigDirectory());
}

QString location(const QString &programDirectory, const QString &userConfigDirectory)
{
    const QFileInfo program(programDirectory);
    const QString folder = program.isDir() && program.isWritable() ? programDirectory : userConfigDirectory;
    return QDir(folder).filePath(QString::fromLatin1(fileName));
}

AuthorProfile read(const QString &path)
{
    const WholeFile::Contents contents = WholeFile::read(path, largestFileRead);
    return contents.ok() ? decode(contents.bytes) : AuthorProfile{};
}

AuthorProfile decode(const QByteArray &bytes)
{
    const QString text = LegacyText::decodeHonouringByteOrderMark(bytes);
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size() && lines.size() < lineCount) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.sliced(start, end - start));
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    lines.resize(lineCount);
    return {lines.at(0), lines.at(1), lines.at(2)};
}

QByteArray encode(const AuthorProfile &profile)
{
    QByteArray bytes;
    // A reader takes a byte-order mark off the front of the file; a name that itself begins
    // with that character is written behind one, so it is the mark that goes, not the name's.
    if (profile.name.startsWith(QChar(QChar::ByteOrderMark)))
        bytes += "\xEF\xBB\xBF";
    for (const QString &value : {profile.name, profile.email, profile.url}) {
        bytes += asSingleLine(value).toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<QString> write(const QString &path, const AuthorProfile &profile)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(folder));
    return WholeFile::replace(path, encode(profile));
}

} // namespace AuthorOptionsFile
