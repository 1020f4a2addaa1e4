#pragma once

// The parts of RulesCheck, one file each; only rulescheck*.cpp include this header.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "rulescheck/rulescheck.h"

namespace RulesCheckDetail {

using Diagnostics = QList<RulesCheck::Diagnostic>;

inline void add(Diagnostics &out, int line, int column, RulesCheck::Kind kind, const QString &message,
                const QString &hint)
{
    out.append({line, column, kind, message, hint});
}

// A text quoted for a message, with the characters an editor does not show made visible.
QString quoted(QStringView text);

// Where the first byte that is not UTF-8 stands: line and column in the text as the loader
// read it (as Windows-1252, one character per byte), and the byte itself. Line 1, column 1
// when no such byte is found.
struct Position
{
    int line = 1;
    int column = 1;
    uchar byte = 0;
};
Position firstInvalidUtf8(const QByteArray &bytes);

// Characters the loader keeps in a line but an editor hides or treats otherwise: NUL bytes
// and carriage returns on every line, tabs on every line the readers look at.
void checkCharacters(const QStringList &lines, Diagnostics &out);

// Column 60 separates a name or text from the token string; a name or text that reaches it
// loses characters. `isName` for category and type lines, whose name field ends at 60.
// True when the name or text runs on into the token field, whose tokens are then no tokens.
bool checkColumn60(QStringView line, int lineNumber, bool isName, Diagnostics &out);

// A sign ("+" or "-"), one digit, and nothing or "DRT".
bool isWellFormedToken(QStringView token);

// Every token of the line's token string (column 61 on) against the token format.
void checkTokens(QStringView line, int lineNumber, Diagnostics &out);

// Sections, option blocks, names and the spell summary's six-character groups.
void checkStructure(const QStringList &lines, Diagnostics &out);

} // namespace RulesCheckDetail
