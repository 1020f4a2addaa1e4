#include "app/spellcardpages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "files/wholefile.h"
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
    // Drawn in memory first, then written like every other file: the earlier card stays as it
    // was until the whole new one is on disk.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(ProgramInfo::title());
        // A5 is about the size of a card a player keeps beside the character sheet.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait,
                                         QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
        const std::unique_ptr<QTextDocument> document = layOut(html, writer);
        writer.setTitle(document->metaInformation(QTextDocument::DocumentTitle));
        // A card that leaves most of its page empty is drawn larger, as much as still fits on
        // the one page, so that it uses the sheet it is printed on.
        const QSizeF page(writer.width(), writer.height());
        double scale = 1;
        for (const double larger : {1.3, 1.2, 1.1}) {
            document->setPageSize(page / larger);
            if (document->pageCount() == 1 && document->size().height() <= page.height() / larger) {
                scale = larger;
                break;
            }
        }
        if (scale == 1) {
            document->setPageSize(page);
            paint(*document, writer);
        } else {
            QPainter painter(&writer);
            painter.scale(scale, scale);
            document->drawContents(&painter);
        }
    } // the writer finishes the document when it goes
    if (pdf.isEmpty())
        return QCoreApplication::translate("SpellCardPages", "nothing could be drawn on the page");
    return WholeFile::replace(path, pdf);
}

} // namespace SpellCardPages
