#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text files of this program (rules data, author options, spell documents without a declared
// encoding) are UTF-8 today, but older 8-bit editors saved them in Windows-1252. Bytes that are
// valid UTF-8 are read as UTF-8; any other bytes as Windows-1252, so their accented letters and
// typographic signs survive instead of turning into replacement characters.
namespace LegacyText {

// Decodes `bytes`; `wasLegacy`, when given, tells whether the Windows-1252 fallback was taken.
// A UTF-8 byte-order mark at the start is dropped.
QString decodeUtf8OrWindows1252(const QByteArray &bytes, bool *wasLegacy = nullptr);

// The same, except that a UTF-16 or UTF-32 byte-order mark is honoured: some editors save short
// text files that way, and read byte by byte such a file is letters between NUL characters.
QString decodeHonouringByteOrderMark(const QByteArray &bytes);

// Windows-1252 byte for byte. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the characters of the same numbers, as Windows itself reads them, so no
// byte of a file is ever lost.
QString fromWindows1252(QByteArrayView bytes);
// The bytes fromWindows1252 read `text` from; a character Windows-1252 has no byte for is '?'.
QByteArray toWindows1252(QStringView text);

} // namespace LegacyText
