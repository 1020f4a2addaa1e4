#pragma once

#include <memory>
#include <optional>

#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// The spell card's HTML laid out on paper: for the exported PDF document and for the printer.
// Both paint the same pages, so a printed card looks like the exported one.
namespace SpellCardPages {

// The card laid out for the device: its paper, orientation and margins, its resolution.
std::unique_ptr<QTextDocument> layOut(const QString &html, QPagedPaintDevice &device);

// Paints the document's pages on the device (a printer keeps its page range and copies).
void paint(const QTextDocument &document, QPagedPaintDevice &device);

// Writes the card to `path` as a PDF document on A5 paper, leaving no file behind when that
// fails. Returns the reason on failure.
std::optional<QString> writePdf(const QString &html, const QString &path);

} // namespace SpellCardPages
