#pragma once

#include <optional>

#include <QVariant>

// How persisted values are converted when a control applies them: numbers of any numeric
// type, and text that reads as a number, convert; fractions round half to even; a value
// outside the target's range, or anything else, does not convert (nullopt), so the reader can
// stop at that entry and say so.

// The numeric value of a number, or of text that reads as one (C locale, blanks trimmed).
std::optional<double> numberOf(const QVariant &value);
// Whether the variant holds a number of a numeric type (not text).
bool holdsNumber(const QVariant &value);
// Whether the variant holds a whole-number type.
bool holdsInteger(const QVariant &value);

std::optional<qint16> toInt16(const QVariant &value);
std::optional<qint32> toInt32(const QVariant &value);
// An OLE colour: a 32-bit pattern given either signed (0x8000000F read as -2147483633) or
// unsigned.
std::optional<quint32> toOleColorValue(const QVariant &value);
// A Boolean: a bool, a number (non-zero is true), or the text "True"/"False" in any case.
std::optional<bool> toBoolean(const QVariant &value);

// Rounds half to even, the rounding every twips and persisted conversion here uses
// (257.5 becomes 258, 256.5 becomes 256). nullopt when the result is no 32-bit integer.
std::optional<qint32> roundToInt32(double value);
