#pragma once

#include <QString>

class QTextDocument;

// The help page once parsed, judged before it is laid out: HelpPage's scan of the markup keeps
// the parser within bounds, but only the parsed document tells for certain how its tables
// nest, since the parser makes up tables and rows around stray cells and places what follows
// by where its cursor stands. Each table within a table doubles the layout work.
namespace HelpDocument {

// The layout work of `document`'s tables in HelpPage's units, stopped counting past its budget.
qint64 tableWork(const QTextDocument &document);

// Whether `document` lays out within the budget; if not, `refusal` says why.
bool laysOutPromptly(const QTextDocument &document, QString *refusal);

} // namespace HelpDocument
