#pragma once

#include <QByteArray>

// What a file carries beside its bytes and its mode: the access control list and the user's
// extended attributes (tags, a desktop's notes). A new copy that takes an earlier file's place
// gets them first, so a save changes neither who may use the file nor what the desktop knows
// of it. Unix only.
namespace FileAttributes {

// Copies the access control list (`system.posix_acl_access`) and every `user.*` attribute of
// the file at `fromNativePath` onto the open file `toFd`. False when the earlier file has one
// that could not be read or given to the new file: the new file would then be less than the
// earlier one. A file system without extended attributes has none to copy.
bool copy(const QByteArray &fromNativePath, int toFd);

} // namespace FileAttributes
