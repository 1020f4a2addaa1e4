#pragma once

#include <QString>
#include <QStringList>

// The rules data file: read whole, decoded, and cut into lines. Lines end at CR LF or LF
// (a lone CR is a character of its line); a last line without a line end counts like the
// others. Files are UTF-8, or Windows-1252 where the bytes are not valid UTF-8, so files
// saved by older 8-bit editors keep their accented letters.
class RulesFile
{
public:
    static constexpr auto fileName = "GX2Mod.dat";
    // Far beyond any real rules file (they run to tens of kilobytes), yet small enough to be
    // read whole: a larger file is refused instead of exhausting memory.
    static constexpr qint64 maxBytes = 64 * 1024 * 1024;
    // Every line may become a row of a list on screen and of the rules check, so the lines are
    // counted too: a few thousand make a rich rules file, and a file of millions of empty
    // lines, small as it is, would take minutes and gigabytes to list and check.
    static constexpr qsizetype maxLines = 200000;

    enum class Encoding { Utf8, Windows1252 };

    struct Contents
    {
        bool ok = false;
        bool missing = false;    // there is no file at the path at all (also !ok)
        QString error;           // why the file could not be read, when !ok
        Encoding encoding = Encoding::Utf8;
        QStringList lines;
    };

    // The rules data file's path inside the program directory.
    static QString pathIn(const QString &programDirectory);

    // Refuses, with the reason in `error`, what is no rules file: a folder, a device or pipe,
    // a file over maxBytes or maxLines, and bytes that hold a NUL (binary data, or UTF-16 text).
    static Contents load(const QString &path);
    // What load() makes of the bytes of a file already read.
    static Contents fromBytes(const QByteArray &bytes);
    // The file's bytes as they are on disk, for load() and for the rules checker, which needs
    // to point at the first byte that is not UTF-8. False, with `error` set, when unreadable.
    static bool readBytes(const QString &path, QByteArray &bytes, QString &error);
    // Decoding and line splitting of bytes already read, refusing more than maxLines lines;
    // load() uses it, and so does the rules check.
    static Contents decode(const QByteArray &bytes);
};
