#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include "book/bookentry.h"

// A spell book as one JSON document: {"spells": [{"file", "name", "category", "type", "force",
// "savedDrain", "drain", "rows", "notFound"}, ...], "unreadable": [{"file", "reason"}, ...]}.
// cantrix-book prints it, and the scenario driver dumps the book the same way.
namespace BookJson {

// A JSON string, escaped as gx2check escapes its texts.
QString string(QStringView text);

// One spell a line, or all on one line (`oneLine`) where the document is a line of a larger one.
QString document(const QList<BookEntry> &entries, bool oneLine = false);

} // namespace BookJson
