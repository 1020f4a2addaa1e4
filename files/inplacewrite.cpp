#include "files/inplacewrite.h"

#include <cerrno>

#include <QCoreApplication>

#include <fcntl.h>
#include <unistd.h>

#include "files/filesystemreasons.h"

namespace InPlaceWrite {

namespace {

// The context is the namespace's name, as lupdate files these texts.
QString tr(const char *text)
{
    return QCoreApplication::translate("InPlaceWrite", text);
}

bool isDiskFull(int error)
{
    return error == ENOSPC || error == EFBIG || error == EDQUOT;
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

std::optional<QString> overwrite(const QByteArray &nativePath, const QByteArray &bytes)
{
    const int fd = ::open(nativePath.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return tr("it belongs to another owner or group, which a new copy made by you could not "
                  "keep, and it cannot be written in place (%1)")
            .arg(FileSystemReasons::of(errno));
    }
    struct stat before {};
    if (::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode)) {
        ::close(fd);
        return tr("it is not a regular file");
    }
    if (bytes.size() > before.st_size) {
        if (const int error = ::posix_fallocate(fd, 0, bytes.size()); error != 0) {
            // Reserving may have lengthened the file; its contents were not touched.
            (void)::ftruncate(fd, before.st_size);
            ::close(fd);
            return isDiskFull(error) ? FileSystemReasons::diskFull(0, bytes.size()) : FileSystemReasons::of(error);
        }
    }
    qint64 written = 0;
    int error = 0;
    while (written < bytes.size() && error == 0) {
        const ssize_t wrote = ::pwrite(fd, bytes.constData() + written, size_t(bytes.size() - written), written);
        if (wrote > 0)
            written += wrote;
        else if (wrote < 0 && errno != EINTR)
            error = errno;
        else if (wrote == 0)
            error = ENOSPC;
    }
    if (error == 0 && ::ftruncate(fd, bytes.size()) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        return tr("it was being written in place when writing failed (%1), so it may now hold only "
                  "part of the new contents")
            .arg(FileSystemReasons::of(error));
    }
    return std::nullopt;
}

} // namespace InPlaceWrite
