#pragma once

#include <optional>

#include <QString>
#include <QtGlobal>

// The one bound on the size of what the program writes for itself to read back (a spell
// document, the kept draft) and of what it reads: whatever it writes, it opens again.
namespace DocumentLimit {

// A spell document is a few kilobytes; a file far larger is refused before it is read whole.
inline constexpr qint64 largestDocument = 16 * 1024 * 1024;

// Why `size` bytes are not written: they would pass the bound. Nothing when they would not.
std::optional<QString> refusal(qint64 size);

} // namespace DocumentLimit
