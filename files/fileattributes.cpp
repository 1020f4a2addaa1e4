#include "files/fileattributes.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include <QList>

#include <sys/xattr.h>

namespace FileAttributes {

namespace {

bool isUnsupported(int error)
{
    return error == ENOTSUP || error == ENOSYS;
}

// Every name listed by the kernel, as one block of NUL-ended names; nullopt when it cannot be
// listed. A list that grows between asking its size and reading it is asked for again.
std::optional<QByteArray> listNames(const QByteArray &path)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::listxattr(path.constData(), nullptr, 0);
        if (size < 0)
            return isUnsupported(errno) ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
        QByteArray names(qsizetype(size), Qt::Uninitialized);
        const ssize_t got = ::listxattr(path.constData(), names.data(), size_t(names.size()));
        if (got >= 0) {
            names.truncate(qsizetype(got));
            return names;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QByteArray> value(const QByteArray &path, const char *name)
{
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t size = ::getxattr(path.constData(), name, nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray bytes(qsizetype(size), Qt::Uninitialized);
        const ssize_t got = ::getxattr(path.constData(), name, bytes.data(), size_t(bytes.size()));
        if (got >= 0) {
            bytes.truncate(qsizetype(got));
            return bytes;
        }
        if (errno != ERANGE)
            return std::nullopt;
    }
    return std::nullopt;
}

// Only what says who may use the file and what the user noted on it: the security and
// trusted name spaces belong to the system and are its own to give.
bool isCopied(const char *name)
{
    return std::strcmp(name, "system.posix_acl_access") == 0 || std::strncmp(name, "user.", 5) == 0;
}

} // namespace

bool copy(const QByteArray &fromNativePath, int toFd)
{
    const std::optional<QByteArray> names = listNames(fromNativePath);
    if (!names)
        return false;
    for (const char *name = names->constData(); name < names->constData() + names->size();
         name += std::strlen(name) + 1) {
        if (!isCopied(name))
            continue;
        const std::optional<QByteArray> bytes = value(fromNativePath, name);
        if (!bytes) {
            if (errno == ENODATA) // removed meanwhile: nothing to carry over
                continue;
            return false;
        }
        if (::fsetxattr(toFd, name, bytes->constData(), size_t(bytes->size()), 0) != 0)
            return false;
    }
    return true;
}

} // namespace FileAttributes
