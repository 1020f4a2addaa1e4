#include "files/filesystemreasons.h"

#include <cstring>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace FileSystemReasons {

namespace {

// The context is the namespace's name, as lupdate files these texts.
QString tr(const char *text)
{
    return QCoreApplication::translate("FileSystemReasons", text);
}

#ifdef Q_OS_UNIX
// Whether the folder `folder` (native bytes, ending in '/') holds an entry whose name is not
// valid UTF-8 and reads as `name` once decoded.
bool holdsUndecodableEntry(const QByteArray &folder, const QString &name)
{
    DIR *entries = ::opendir(folder.constData());
    if (!entries)
        return false;
    bool found = false;
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray native(entry->d_name);
        const QString decoded = QFile::decodeName(native);
        if (decoded == name && QFile::encodeName(decoded) != native) {
            found = true;
            break;
        }
    }
    ::closedir(entries);
    return found;
}
#endif

} // namespace

QString of(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString diskFull(qint64 written, qint64 total)
{
    return tr("only %1 of its %2 bytes could be written; the disk may be full").arg(written).arg(total);
}

bool namesUndecodableFile(const QString &path)
{
#ifdef Q_OS_UNIX
    if (!path.contains(QChar::ReplacementCharacter))
        return false;
    const QStringList parts =
        QDir::cleanPath(QFileInfo(path).absoluteFilePath()).split(u'/', Qt::SkipEmptyParts);
    QByteArray folder("/");
    for (const QString &part : parts) {
        const QByteArray next = folder + QFile::encodeName(part);
        struct stat found {};
        if (::lstat(next.constData(), &found) != 0)
            return holdsUndecodableEntry(folder, part);
        folder = next + '/';
    }
#else
    Q_UNUSED(path);
#endif
    return false;
}

QString undecodableName()
{
    return tr("its name, or the name of a folder on its path, is not valid UTF-8, "
              "so this program cannot open it; rename it to open it");
}

} // namespace FileSystemReasons
