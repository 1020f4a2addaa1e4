#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

// A save that cannot leave a file with the owner and group it had writes over it in place
// instead, as careful editors do: the earlier contents are first kept whole in a backup beside
// the file, which goes only once the new contents are complete. Unix only: elsewhere a
// replaced file keeps its access by other means.
namespace InPlaceWrite {

// Gives the open new file `fd` the owner and group of `earlier`, as far as this user may.
// False when the new file would belong to another owner or group than the earlier one.
bool giveOwnerAndGroup(int fd, const struct stat &earlier);

// Where the earlier contents of `nativePath` are kept while it is written in place: the same
// name with "~" after it.
QByteArray backupPath(const QByteArray &nativePath);

// Writes `bytes` over the regular file at `nativePath`, keeping the file itself and so its
// owner, group, permissions and attributes. The file must still be the one `checked` describes
// (the same device and inode, reached without a symbolic link); any other is refused. Its
// earlier contents are copied to backupPath() and synced first, and the room for every new
// byte is reserved before the first one is written, so a full disk refuses the save while the
// file is still whole. Should writing fail, the earlier contents are put back from the backup;
// should the program die meanwhile, the backup keeps them.
std::optional<QString> overwrite(const QByteArray &nativePath, const QByteArray &bytes, const struct stat &checked);

} // namespace InPlaceWrite
