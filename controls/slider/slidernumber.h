#pragma once

#include <compare>
#include <optional>

#include <QString>
#include <QVariant>

// Min, Max and Value are variants that keep the numeric type they were given (a 16-bit
// integer unless a container or a store supplies another). These helpers do the little
// arithmetic the slider needs on them without converting what is stored.

// Compares two values numerically, whole numbers exactly with the usual promotion, anything
// with a fraction in double precision; text that reads as a number counts as that number.
// nullopt when either is not a number, so a click can do nothing rather than guess.
std::optional<std::partial_ordering> compareNumbers(const QVariant &a, const QVariant &b);

// value + delta in value's own type; a result that no longer fits widens the type (16 to 32 to
// 64 bits, then double), as variant arithmetic does, instead of wrapping. Numeric text
// becomes a double. nullopt when value is not a number.
std::optional<QVariant> offsetNumber(const QVariant &value, int delta);

// The text a value shows as: its standard conversion ("3" for the integer 3).
QString numberText(const QVariant &value);
