#include "files/wholefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "files/filesystemreasons.h"

#ifdef Q_OS_UNIX
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/fileattributes.h"
#include "files/inplacewrite.h"
#endif

namespace WholeFile {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("WholeFile", text);
}

QString sizeText(qint64 bytes)
{
    constexpr qint64 megabyte = 1024 * 1024;
    if (bytes >= megabyte && bytes % megabyte == 0)
        return tr("%1 MB").arg(bytes / megabyte);
    return tr("%1 bytes").arg(bytes);
}

QString tooLarge(qint64 maxBytes)
{
    return tr("it is larger than %1, too large to be read").arg(sizeText(maxBytes));
}

QString folderNotFile()
{
    return tr("it is a folder, not a file");
}

#ifdef Q_OS_UNIX

// Reads the open regular file `fd`, which measured `size` bytes, and never more than
// `maxBytes`: a file that grows while it is read is refused like one that was too large to
// begin with.
Contents readOpenFile(int fd, qint64 size, qint64 maxBytes)
{
    constexpr qint64 growthStep = 64 * 1024;
    Contents contents;
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // Whether the file grew since it was measured: one byte more tells, without
            // making room for a whole step each time a file simply ends where it measured.
            char probe = 0;
            const ssize_t more = ::read(fd, &probe, 1);
            if (more < 0 && errno == EINTR)
                continue;
            if (more <= 0)
                break;
            if (got + 1 > maxBytes) {
                contents.error = tooLarge(maxBytes);
                return contents;
            }
            bytes.resize(qsizetype(std::min(got + growthStep, maxBytes + 1)));
            bytes[got++] = probe;
            continue;
        }
        const ssize_t read = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0) {
            contents.error = FileSystemReasons::of(errno);
            return contents;
        }
        if (read == 0)
            break;
        got += read;
    }
    if (got > maxBytes) {
        contents.error = tooLarge(maxBytes);
        return contents;
    }
    bytes.resize(qsizetype(got));
    contents.bytes = std::move(bytes);
    return contents;
}

// Why a new copy could not be made beside the file: when the folder refuses it, the folder is
// what the user must be told about, since the file itself may well be writable.
QString cannotCreateCopy(const QString &path, const QString &systemReason)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK, AT_EACCESS) != 0
        && (errno == EACCES || errno == EROFS)) {
        return tr("%1: the folder %2 cannot be written to, and a save makes the new file there first")
            .arg(systemReason, QDir::toNativeSeparators(folder));
    }
    return systemReason;
}

#endif

} // namespace

#ifdef Q_OS_UNIX

Contents readNative(const QByteArray &nativePath, qint64 maxBytes)
{
    Contents contents;
    // Not blocking: opening a pipe for reading would otherwise wait for a writer, for ever.
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        contents.error = FileSystemReasons::of(error);
        contents.missing = error == ENOENT;
        return contents;
    }
    // What was opened is judged, not what a name led to a moment earlier.
    struct stat opened {};
    if (::fstat(fd, &opened) != 0)
        contents.error = FileSystemReasons::of(errno);
    else if (S_ISDIR(opened.st_mode))
        contents.error = folderNotFile();
    else if (!S_ISREG(opened.st_mode))
        contents.error = tr("it is not a regular file");
    else if (opened.st_size > maxBytes)
        contents.error = tooLarge(maxBytes);
    else
        contents = readOpenFile(fd, opened.st_size, maxBytes);
    ::close(fd);
    return contents;
}

Contents read(const QString &path, qint64 maxBytes)
{
    Contents contents = readNative(QFile::encodeName(path), maxBytes);
    if (contents.missing && FileSystemReasons::namesUndecodableFile(path)) {
        contents.missing = false;
        contents.error = FileSystemReasons::undecodableName();
    }
    return contents;
}

#else

Contents readNative(const QByteArray &nativePath, qint64 maxBytes)
{
    return read(QFile::decodeName(nativePath), maxBytes);
}

Contents read(const QString &path, qint64 maxBytes)
{
    Contents contents;
    const QFileInfo info(path);
    if (info.isDir()) {
        contents.error = folderNotFile();
        return contents;
    }
    if (info.exists() && !info.isFile()) {
        contents.error = tr("it is not a regular file");
        return contents;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = file.errorString();
        contents.missing = !info.exists();
        return contents;
    }
    if (file.size() > maxBytes) {
        contents.error = tooLarge(maxBytes);
        return contents;
    }
    contents.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        contents.bytes.clear();
        contents.error = file.errorString();
    }
    return contents;
}

#endif

std::optional<QString> replace(const QString &path, const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    // Followed through symbolic links, as the save itself follows them.
    const QByteArray nativePath = QFile::encodeName(path);
    struct stat earlier {};
    const bool replacing = ::stat(nativePath.constData(), &earlier) == 0;
    if (replacing && S_ISDIR(earlier.st_mode))
        return folderNotFile();
    if (replacing && !S_ISREG(earlier.st_mode))
        return tr("it is not a regular file but a pipe or a device, which only a regular file may replace");
#endif

    QSaveFile file(path);
    // Unbuffered: a buffered write would wait until commit(), which renames the file even when
    // writing out the buffer failed, as on a full disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
#ifdef Q_OS_UNIX
        return cannotCreateCopy(path, file.errorString());
#else
        return file.errorString();
#endif
    }
    if (const qint64 written = file.write(bytes); written != bytes.size()) {
        // A disk that fills up takes part of the file and then refuses the rest, which the
        // system reports as no error at all.
        const QString reason = written >= 0 && file.error() == QFileDevice::NoError
            ? FileSystemReasons::diskFull(written, bytes.size())
            : file.errorString();
        file.cancelWriting();
        return reason;
    }
#ifdef Q_OS_UNIX
    if (replacing
        && (!InPlaceWrite::giveOwnerAndGroup(int(file.handle()), earlier)
            || !FileAttributes::copy(nativePath, int(file.handle())))) {
        // This user may not hand the new copy the earlier file's owner, group or access list,
        // and a copy of their own would lock the others out: the earlier file takes the new
        // bytes itself. It is reached without links from here on, as the file checked above.
        file.cancelWriting();
        const QByteArray resolved = QFile::encodeName(QFileInfo(path).canonicalFilePath());
        if (resolved.isEmpty())
            return FileSystemReasons::of(ENOENT);
        return InPlaceWrite::overwrite(resolved, bytes, earlier);
    }
#endif
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace WholeFile
