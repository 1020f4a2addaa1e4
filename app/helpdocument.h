#pragma once

#include <QString>

class QTextDocument;

// The help page once parsed, judged before it is laid out: HelpPage's scan of the markup keeps
// the parser within bounds, but only the parsed document tells for certain how its tables
// nest, since the parser makes up tables and rows around stray cells and places what follows
// by where its cursor stands. Each table within a table doubles the layout work of all it holds,
// text included: a few pages of text eight tables deep take seconds.
namespace HelpDocument {

// Layout work in characters laid out; a table cell or a block of text costs about as much as
// fifty. The budget lays out in about a tenth of a second in an optimised build.
inline constexpr qint64 largestTableWork = 1'000'000;
inline constexpr qint64 workPerCellOrBlock = 50;

// The layout work of `document`'s tables, stopped counting past the budget.
qint64 tableWork(const QTextDocument &document);

// Whether `document` lays out within the budget; if not, `refusal` says why.
bool laysOutPromptly(const QTextDocument &document, QString *refusal);

} // namespace HelpDocument
