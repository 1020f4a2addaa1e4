#pragma once

#include <functional>
#include <optional>

#include <QList>
#include <QPageSize>
#include <QString>

#include "book/bookentry.h"

class QPagedPaintDevice;

// A spell book on paper: first a compact list (one line a spell: name, category, type, force,
// drain code, modifier rows), then the spells' cards, four to a sheet with cut marks where
// cards meet, each drawn by the same card page as Export Spell Card, shrunk where it would not
// fit its quarter. Printing, PDF and HTML all show the spells in the order given.
namespace BookPaper {

// Told after each card; false cancels.
using Progress = std::function<bool(int done, int total)>;

// The paper a user of this locale expects: Letter where Letter is used, A4 elsewhere.
QPageSize localPaper();

// False when cancelled.
bool paint(const QList<BookEntry> &spells, QPagedPaintDevice &device, const Progress &progress);

// The book as a PDF at `path`, replaced only once whole. The reason when it fails or is
// cancelled.
std::optional<QString> writePdf(const QList<BookEntry> &spells, const QString &path, const QPageSize &paper,
                                const Progress &progress);

// The list and every card as one web page.
QString html(const QList<BookEntry> &spells);
std::optional<QString> writeHtml(const QList<BookEntry> &spells, const QString &path);

} // namespace BookPaper
