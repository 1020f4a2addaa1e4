#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

class Platform;

// What the author options file stores: the author's name, e-mail address and home page.
struct AuthorProfile
{
    QString name;
    QString email;
    QString url;
    friend bool operator==(const AuthorProfile &, const AuthorProfile &) = default;
};

// The author options file ctx.txt: three lines (name, e-mail, home page), each the field exactly
// as typed, nothing else in the file. It is the only lasting store of the author profile, read
// by the Options dialog when it opens and by every save of a spell.
namespace AuthorOptionsFile {

inline constexpr auto fileName = "ctx.txt";

// Where ctx.txt lives: the program directory when it can be written, otherwise the per-user
// configuration folder. The dialog and the spell writer both ask here, so they always share
// one file.
QString location(const Platform &platform);
QString location(const QString &programDirectory, const QString &userConfigDirectory);

// The three values of the file at `path`. A missing or unreadable file gives three empty
// values, and so does each line the file lacks.
AuthorProfile read(const QString &path);

// Lines end at CR LF, LF or a lone CR; nothing is trimmed. UTF-8, or Windows-1252 where the
// bytes are not valid UTF-8 (files from older 8-bit editors); UTF-16 when a byte-order mark says so.
AuthorProfile decode(const QByteArray &bytes);

// Three lines, each followed by CR LF, in UTF-8.
QByteArray encode(const AuthorProfile &profile);

// Replaces the file at `path` as a whole (a failure leaves the earlier file as it was) and
// creates its folder when missing. Gives the reason when it could not be written.
std::optional<QString> write(const QString &path, const AuthorProfile &profile);

} // namespace AuthorOptionsFile
