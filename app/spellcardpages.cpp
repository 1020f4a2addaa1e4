#include "app/spellcardpages.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "shell/programinfo.h"

namespace SpellCardPages {

std::unique_ptr<QTextDocument> layOut(const QString &html, QPagedPaintDevice &device)
{
    auto document = std::make_unique<QTextDocument>();
    // Laid out for the device itself, so fonts and lengths come out in their true size, and
    // one page of the document is exactly the printable area of one sheet. A document with
    // pages of its own is printed as it is, without page numbers added at the foot.
    document->documentLayout()->setPaintDevice(&device);
    document->setHtml(html);
    document->setPageSize(QSizeF(device.width(), device.height()));
    return document;
}

void paint(const QTextDocument &document, QPagedPaintDevice &device)
{
    document.print(&device);
}

std::optional<QString> writePdf(const QString &html, const QString &path)
{
    // Written beside the target and renamed only once the whole document is there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setCreator(ProgramInfo::title());
        // A5 is about the size of a card a player keeps beside the character sheet.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        const std::unique_ptr<QTextDocument> document = layOut(html, writer);
        writer.setTitle(document->metaInformation(QTextDocument::DocumentTitle));
        paint(*document, writer);
    } // the writer finishes the document when it goes
    if (file.size() == 0) {
        file.cancelWriting();
        return QCoreApplication::translate("SpellCardPages", "nothing could be drawn on the page");
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace SpellCardPages
