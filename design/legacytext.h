#pragma once

#include <QByteArray>
#include <QString>

// Text files of this program (rules data, author options, spell documents without a declared
// encoding) are UTF-8 today, but older 8-bit editors saved them in Windows-1252. Bytes that are
// valid UTF-8 are read as UTF-8; any other bytes as Windows-1252, so their accented letters and
// typographic signs survive instead of turning into replacement characters.
namespace LegacyText {

// Decodes `bytes`; `wasLegacy`, when given, tells whether the Windows-1252 fallback was taken.
// A UTF-8 byte-order mark at the start is dropped.
QString decodeUtf8OrWindows1252(const QByteArray &bytes, bool *wasLegacy = nullptr);

} // namespace LegacyText
