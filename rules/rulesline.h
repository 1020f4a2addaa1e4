#pragma once

#include <QString>
#include <QStringView>

// Column rules of a rules data file line. Columns count characters from 1; reading past
// the end of a line gives what exists. Only blanks are trimmed: a tab stays, one column wide.
namespace RulesLine {

// Names of categories and types end here; column 60 itself separates name and tokens.
inline constexpr int nameLastColumn = 60;
// Modifier and option texts end one column earlier.
inline constexpr int textLastColumn = 59;
// The token string runs from this column to the end of the line.
inline constexpr int tokenColumn = 61;

inline constexpr QChar commentMarker = u'!';
inline constexpr QChar categoryMarker = u'#';
inline constexpr QChar typeMarker = u']';
inline constexpr QChar optionMarker = u' ';

// The line's first character, or a null QChar for an empty line.
inline QChar marker(QStringView line) { return line.isEmpty() ? QChar() : line.front(); }

// Characters from..to (1-based, inclusive), blanks trimmed.
QString columns(QStringView line, int from, int to);
// Removes leading and trailing blanks (only the space character).
QStringView trimBlanks(QStringView text);

inline QString categoryOrTypeName(QStringView line) { return columns(line, 2, nameLastColumn); }
inline QString modifierOrOptionText(QStringView line) { return columns(line, 1, textLastColumn); }
QString tokenString(QStringView line);

// Reserved markers: never listed by any reader, and they end an option block.
bool isReservedMarker(QChar marker);
// A line that is listed as a modifier when it stands inside a category section.
bool isModifierMarker(QChar marker);

} // namespace RulesLine
