#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// A save that cannot leave a file with the owner and group it had writes over it in place
// instead. Unix only: elsewhere a replaced file keeps its access by other means.
namespace InPlaceWrite {

// Gives the open new file `fd` the owner and group of `earlier`, as far as this user may.
// False when the new file would belong to another owner or group than the earlier one.
bool giveOwnerAndGroup(int fd, const struct stat &earlier);

// Writes `bytes` over the regular file at `nativePath`, keeping the file itself and so its
// owner, group and permissions. The room for every byte is reserved before the first one is
// written, so a full disk refuses the save while the file is still whole.
std::optional<QString> overwrite(const QByteArray &nativePath, const QByteArray &bytes);

} // namespace InPlaceWrite
