#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Every file the program reads or writes goes through here, so that each is read and replaced
// the same careful way: a file is read whole, and only when it is a regular file of a sensible
// size; a file is replaced only once every byte of its new contents is on disk, and it stays
// with the owner and group it had.
namespace WholeFile {

struct Contents
{
    QByteArray bytes;
    QString error;        // why the file could not be read; empty when it was
    bool missing = false; // nothing at all is at the path (error is set too)

    bool ok() const { return error.isEmpty(); }
};

// Reads the file at `path` whole. Refuses, with a reason a user can act on, a folder, a pipe
// or device (which could block the reader or never end), and a file larger than `maxBytes`
// (which would exhaust memory). Only a path that leads nowhere counts as missing: a loop of
// symbolic links, a folder that may not be entered or a name this system cannot spell (not
// valid UTF-8) is unreadable, and the reason says which.
Contents read(const QString &path, qint64 maxBytes);

// The same for a path given in the file system's own bytes, which need not be valid UTF-8 (a
// name handed over on a command line).
Contents readNative(const QByteArray &nativePath, qint64 maxBytes);

// Replaces the file at `path` with `bytes`: they are written beside it and take its place only
// once all of them are written, so on any failure an earlier file stays exactly as it was and
// no partial copy is left. The new file keeps the earlier one's owner, group, permissions,
// access control list and user attributes; where this user may not give a file those, the
// earlier file is written over in place instead (see InPlaceWrite: its earlier contents are
// kept in a backup beside it meanwhile), so that a save never changes who may use a file. A
// pipe or device at `path` is refused. Returns the reason when it failed; a disk that fills up
// part-way, and a folder that cannot be written to, are named as such.
std::optional<QString> replace(const QString &path, const QByteArray &bytes);

} // namespace WholeFile
