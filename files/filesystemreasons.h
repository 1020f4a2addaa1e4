#pragma once

#include <QString>

// The words a user is given when the file system refuses a file: the system's own reason for
// an error number, a disk that filled up, and a name this program cannot spell.
namespace FileSystemReasons {

// The system's description of `error` (an errno value), such as "Permission denied".
QString of(int error);

// A write that stopped after `written` of `total` bytes without an error of its own.
QString diskFull(qint64 written, qint64 total);

// A file named in bytes that are not valid UTF-8 reaches a Qt path as U+FFFD in their place,
// so under that spelling it is never found. Whether that is why `path` was not found: some
// part of it is missing as spelled but present under bytes that decode to the same text.
bool namesUndecodableFile(const QString &path);
QString undecodableName();

} // namespace FileSystemReasons
