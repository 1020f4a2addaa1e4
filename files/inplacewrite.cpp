#include "files/inplacewrite.h"

#include <cerrno>

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include "files/filesystemreasons.h"

namespace InPlaceWrite {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("WholeFile", text);
}

bool isDiskFull(int error)
{
    return error == ENOSPC || error == EFBIG || error == EDQUOT;
}

// Closes a descriptor however the function that opened it returns.
class Descriptor final
{
    Q_DISABLE_COPY_MOVE(Descriptor)

public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { close(); }
    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // The error of closing, as a write may first report a full disk here.
    int close()
    {
        if (m_fd < 0)
            return 0;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

QString shown(const QByteArray &nativePath)
{
    return QFile::decodeName(nativePath);
}

QString swapped()
{
    return tr("it was replaced by another file or a symbolic link while it was being saved, so it was "
              "not written; save again to write the file now at that name");
}

// Writes all of `size` bytes at `data` to `to` at its current offset; 0 or the error.
int writeAll(int to, const char *data, qint64 size)
{
    qint64 written = 0;
    while (written < size) {
        const ssize_t wrote = ::write(to, data + written, size_t(size - written));
        if (wrote > 0)
            written += wrote;
        else if (wrote == 0)
            return ENOSPC;
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

// Copies `from` whole, from its start, to `to` from its start; 0 or the error. Sequential
// reads and writes, so that the new bytes going in place (positioned writes) stay apart.
int copyContents(int from, int to)
{
    if (::lseek(from, 0, SEEK_SET) < 0 || ::lseek(to, 0, SEEK_SET) < 0)
        return errno;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0)
            return 0;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (const int error = writeAll(to, buffer, got); error != 0)
            return error;
    }
}

void syncFolderOf(const QByteArray &nativePath)
{
    const qsizetype slash = nativePath.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : nativePath.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// Keeps the earlier contents of the open file `file` whole, and on disk, at `backup`. Only the
// saver and those who could read the earlier file may read the backup. Returns 0 or the error.
int keepBackup(int file, const struct stat &earlier, const QByteArray &backup)
{
    const mode_t mode = S_IRUSR | S_IWUSR | (earlier.st_mode & S_IROTH);
    Descriptor copy(::open(backup.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!copy.isOpen())
        return errno;
    if (::fchown(copy.get(), uid_t(-1), earlier.st_gid) == 0)
        (void)::fchmod(copy.get(), mode | (earlier.st_mode & S_IRGRP));
    int error = copyContents(file, copy.get());
    if (error == 0 && ::fsync(copy.get()) != 0)
        error = errno;
    if (const int closing = copy.close(); error == 0)
        error = closing;
    if (error != 0) {
        ::unlink(backup.constData());
        return error;
    }
    // The backup's name must be on disk before the file it stands for is touched.
    syncFolderOf(backup);
    return 0;
}

// Puts the earlier contents back from `backup` into the open file `file`; 0 or the error.
int putBack(int file, const QByteArray &backup, off_t earlierSize)
{
    Descriptor copy(::open(backup.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!copy.isOpen())
        return errno;
    if (const int error = copyContents(copy.get(), file); error != 0)
        return error;
    if (::ftruncate(file, earlierSize) != 0 || ::fsync(file) != 0)
        return errno;
    return 0;
}

// Writes `bytes` from the start of `fd` and cuts the file after them; 0 or the error.
int writeNewContents(int fd, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t wrote = ::pwrite(fd, bytes.constData() + written, size_t(bytes.size() - written), written);
        if (wrote > 0)
            written += wrote;
        else if (wrote == 0)
            return ENOSPC;
        else if (errno != EINTR)
            return errno;
    }
    if (::ftruncate(fd, bytes.size()) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

} // namespace

bool giveOwnerAndGroup(int fd, const struct stat &earlier)
{
    struct stat made {};
    if (fd < 0 || ::fstat(fd, &made) != 0)
        return false;
    if (made.st_uid == earlier.st_uid && made.st_gid == earlier.st_gid)
        return true;
    if (::fchown(fd, earlier.st_uid, earlier.st_gid) == 0)
        return true;
    // Only an administrator gives a file away; its owner may still give it any of their groups.
    return made.st_uid == earlier.st_uid && ::fchown(fd, uid_t(-1), earlier.st_gid) == 0;
}

QByteArray backupPath(const QByteArray &nativePath)
{
    return nativePath + '~';
}

std::optional<QString> overwrite(const QByteArray &nativePath, const QByteArray &bytes, const struct stat &checked)
{
    // Never through a link, and only the very file that was checked: in a shared folder another
    // user may swap the name for a link to, or a copy of, a file of the saver's in the meantime.
    Descriptor file(::open(nativePath.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) {
        if (errno == ELOOP)
            return swapped();
        return tr("it belongs to another owner or group, which a new copy made by you could not "
                  "keep, and it cannot be written in place (%1)")
            .arg(FileSystemReasons::of(errno));
    }
    struct stat before {};
    if (::fstat(file.get(), &before) != 0)
        return FileSystemReasons::of(errno);
    if (before.st_dev != checked.st_dev || before.st_ino != checked.st_ino)
        return swapped();
    if (!S_ISREG(before.st_mode))
        return tr("it is not a regular file");

    const QByteArray backup = backupPath(nativePath);
    if (const int error = keepBackup(file.get(), before, backup); error != 0) {
        if (error == EEXIST) {
            return tr("it must be written in place, and %1, where its earlier contents are kept meanwhile, "
                      "is already there (perhaps from a save that did not finish); move that file away "
                      "and save again")
                .arg(shown(backup));
        }
        return tr("it must be written in place, and its earlier contents could not first be kept in %1 (%2)")
            .arg(shown(backup), isDiskFull(error) ? FileSystemReasons::diskFull(0, before.st_size)
                                                  : FileSystemReasons::of(error));
    }

    if (bytes.size() > before.st_size) {
        if (const int error = ::posix_fallocate(file.get(), 0, bytes.size()); error != 0) {
            // Reserving may have lengthened the file; its contents were not touched.
            (void)::ftruncate(file.get(), before.st_size);
            ::unlink(backup.constData());
            return isDiskFull(error) ? FileSystemReasons::diskFull(0, bytes.size()) : FileSystemReasons::of(error);
        }
    }

    // Once synced the new contents are on disk; what closing says after that changes nothing.
    const int error = writeNewContents(file.get(), bytes);
    if (error == 0) {
        file.close();
        ::unlink(backup.constData());
        return std::nullopt;
    }
    const QString reason = FileSystemReasons::of(error);
    if (putBack(file.get(), backup, before.st_size) == 0) {
        ::unlink(backup.constData());
        return tr("writing it in place failed (%1); its earlier contents were put back, so it is as it was")
            .arg(reason);
    }
    return tr("writing it in place failed (%1), and its earlier contents could not be put back: they are "
              "kept whole in %2")
        .arg(reason, shown(backup));
}

} // namespace InPlaceWrite
