#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Every file the program reads or writes goes through here, so that each is read and replaced
// the same careful way: a file is read whole, and only when it is a regular file of a sensible
// size; a file is replaced only once every byte of its new contents is on disk.
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
// (which would exhaust memory).
Contents read(const QString &path, qint64 maxBytes);

// Replaces the file at `path` with `bytes`: they are written beside it and take its place only
// once all of them are written, so on any failure an earlier file stays exactly as it was and
// no partial copy is left. Returns the reason when it failed; a disk that fills up part-way is
// named as such.
std::optional<QString> replace(const QString &path, const QByteArray &bytes);

} // namespace WholeFile
