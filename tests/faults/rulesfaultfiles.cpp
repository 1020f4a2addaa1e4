#include "tests/faults/rulesfaultfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "rules/rulesfile.h"

namespace RulesFaultFiles {

QByteArray line(const QByteArray &text, const QByteArray &tokens)
{
    if (tokens.isEmpty())
        return text + "\r\n";
    return text.leftJustified(60, ' ') + tokens + "\r\n";
}

QByteArray smallRules()
{
    return line("]Bolt", "+1") + line("#First", "+1") + line("Area effect", "+2 +1DRT")
        + line("Element") + line("    Fire", "+1") + line("    Ice", "+2")
        + line("#Second", "+2") + line("Range", "-1DRT");
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

static bool removeAnything(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return !info.exists() && !info.isSymLink() ? true : QFile::remove(path);
}

bool inflict(Fault fault, const QString &path)
{
    if (!removeAnything(path))
        return false;
    switch (fault) {
    case Fault::Vanished:
        return true;
    case Fault::Folder:
        return QDir().mkdir(path);
    case Fault::Binary: {
        QByteArray bytes(4096, '\0');
        QRandomGenerator random(7);
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        bytes[100] = '\0';
        // Text-like parts too, so a reader that ignored the NUL bytes would list something.
        return write(path, smallRules() + bytes + smallRules());
    }
    case Fault::Utf16: {
        const QString text = QString::fromLatin1(smallRules());
        return write(path, QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2));
    }
    case Fault::TooLarge: {
        // Sparse: the size is there without the disk space.
        QFile file(path);
        return write(path, smallRules()) && file.resize(RulesFile::maxBytes + 1);
    }
    case Fault::TooManyLines:
        // Small, yet every line would be a row to list and check: the repeated empty line of
        // a file saved wrongly, which took minutes and gigabytes before lines were counted.
        return write(path, "]T\r\n#Cat\r\n" + QByteArray(RulesFile::maxLines - 1, '\n'));
    case Fault::SymlinkLoop:
        return QFile::link(path, path);
    case Fault::Pipe:
#ifdef Q_OS_UNIX
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
        return false;
#endif
    case Fault::Device:
#ifdef Q_OS_UNIX
        return QFile::link(QStringLiteral("/dev/zero"), path);
#else
        return false;
#endif
    }
    return false;
}

QString reason(Fault fault)
{
    switch (fault) {
    case Fault::Vanished: return QStringLiteral("GX2Mod.dat");
    case Fault::Folder: return QStringLiteral("folder");
    case Fault::Binary:
    case Fault::Utf16: return QStringLiteral("NUL bytes");
    case Fault::TooLarge: return QStringLiteral("larger than 64 MB");
    case Fault::TooManyLines: return QStringLiteral("more than %1 lines").arg(RulesFile::maxLines);
    case Fault::SymlinkLoop: return QStringLiteral("Too many levels of symbolic links");
    case Fault::Pipe:
    case Fault::Device: return QStringLiteral("not a regular file");
    }
    return QString();
}

} // namespace RulesFaultFiles
