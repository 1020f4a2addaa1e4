#include "app/bookpaper.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "files/wholefile.h"
#include "shell/programinfo.h"

namespace BookPaper {

namespace {

constexpr int columns = 2;
constexpr int rows = 2;
// The printable width of the A5 card of Export Spell Card.
constexpr qreal cardWidthMm = 124;

QString tr(const char *text)
{
    return QCoreApplication::translate("BookPaper", text);
}

QString listHtml(const QList<BookEntry> &spells)
{
    QString page = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>"
                                  "<h2>%1</h2><table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" border=\"1\">")
                       .arg(tr("Spell Book"));
    page += QStringLiteral("<tr><th align=\"left\">%1</th><th align=\"left\">%2</th><th align=\"left\">%3</th>"
                           "<th>%4</th><th align=\"left\">%5</th><th align=\"left\">%6</th></tr>")
                .arg(tr("Name"), tr("Category"), tr("Type"), tr("Force"), tr("Drain"), tr("Modifiers"));
    for (const BookEntry &spell : spells) {
        QStringList modifiers;
        for (const QString &row : spell.rows)
            modifiers.append(row.toHtmlEscaped());
        page += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td align=\"center\">%4</td><td>%5</td>"
                               "<td><small>%6</small></td></tr>")
                    .arg(spell.name.toHtmlEscaped(), spell.category.toHtmlEscaped(), spell.type.toHtmlEscaped(),
                         spell.force.toHtmlEscaped(), spell.drain.toHtmlEscaped(), modifiers.join(QLatin1String("; ")));
    }
    return page + QStringLiteral("</table></body></html>");
}

// Dashed lines where the cards of a sheet meet, and the sheet's outer corners marked.
void drawCutMarks(QPainter &painter, const QRectF &area)
{
    painter.save();
    QPen pen(Qt::gray);
    pen.setWidthF(area.width() / 600);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    for (int c = 1; c < columns; ++c) {
        const qreal x = area.left() + area.width() * c / columns;
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    for (int r = 1; r < rows; ++r) {
        const qreal y = area.top() + area.height() * r / rows;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    const qreal tick = area.width() / 40;
    for (const QPointF &corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        const qreal dx = corner.x() == area.left() ? tick : -tick;
        const qreal dy = corner.y() == area.top() ? tick : -tick;
        painter.drawLine(corner, corner + QPointF(dx, 0));
        painter.drawLine(corner, corner + QPointF(0, dy));
    }
    painter.restore();
}

} // namespace

QPageSize localPaper()
{
    const QLocale::Territory territory = QLocale().territory();
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada
        || territory == QLocale::Mexico || territory == QLocale::Philippines || territory == QLocale::Chile;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

bool paint(const QList<BookEntry> &spells, QPagedPaintDevice &device, const Progress &progress)
{
    QPainter painter(&device);
    const QRectF area(0, 0, device.width(), device.height());

    // The list, on as many sheets as it takes.
    QTextDocument list;
    list.documentLayout()->setPaintDevice(&device);
    list.setHtml(listHtml(spells));
    list.setPageSize(area.size());
    for (int page = 0; page < list.pageCount(); ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -area.height() * page);
        list.drawContents(&painter, area.translated(0, area.height() * page));
        painter.restore();
    }

    const QSizeF cell(area.width() / columns, area.height() / rows);
    const qreal pad = cell.width() / 30;
    const qreal width = cell.width() - 2 * pad;
    const qreal height = cell.height() - 2 * pad;
    const qreal cardWidth = cardWidthMm / 25.4 * device.logicalDpiX();
    for (qsizetype i = 0; i < spells.size(); ++i) {
        const int place = int(i % (columns * rows));
        if (place == 0) {
            device.newPage();
            drawCutMarks(painter, area);
        }
        QTextDocument card;
        card.documentLayout()->setPaintDevice(&device);
        card.setHtml(SpellCard::html(spells.at(i).card));
        // Laid out as wide as the card Export Spell Card writes, so its labels keep their lines,
        // then shrunk to its quarter; a card longer than that is shrunk further, never cut off.
        card.setTextWidth(std::max(width, cardWidth));
        const qreal scale = std::min({1.0, width / card.textWidth(), height / std::max<qreal>(1.0, card.size().height())});
        painter.save();
        painter.translate(area.left() + cell.width() * (place % columns) + pad,
                          area.top() + cell.height() * (place / columns) + pad);
        painter.scale(scale, scale);
        card.drawContents(&painter, QRectF(0, 0, card.textWidth(), height / scale));
        painter.restore();
        if (progress && !progress(int(i + 1), int(spells.size())))
            return false;
    }
    return true;
}

std::optional<QString> writePdf(const QList<BookEntry> &spells, const QString &path, const QPageSize &paper,
                                const Progress &progress)
{
    QByteArray pdf;
    bool finished = false;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(ProgramInfo::title());
        writer.setTitle(tr("Spell Book"));
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        finished = paint(spells, writer, progress);
    }
    if (!finished)
        return tr("cancelled");
    if (pdf.isEmpty())
        return tr("nothing could be drawn on the page");
    return WholeFile::replace(path, pdf);
}

QString html(const QList<BookEntry> &spells)
{
    // Each card is a page of its own; its body joins the list's, one card after another.
    QString page = listHtml(spells);
    page.chop(int(QStringLiteral("</body></html>").size()));
    for (const BookEntry &spell : spells) {
        const QString card = SpellCard::html(spell.card);
        const qsizetype style = card.indexOf(QLatin1String("<style>"));
        const qsizetype body = card.indexOf(QLatin1String("<body>"));
        const qsizetype end = card.lastIndexOf(QLatin1String("</body>"));
        if (style >= 0 && !page.contains(QLatin1String("<style>")))
            page.replace(QLatin1String("</head>"), card.mid(style, card.indexOf(QLatin1String("</style>")) + 8 - style) + QLatin1String("</head>"));
        if (body >= 0 && end > body)
            page += QStringLiteral("<div style=\"page-break-before: always\">") + card.mid(body + 6, end - body - 6)
                + QStringLiteral("</div>");
    }
    return page + QStringLiteral("</body></html>");
}

std::optional<QString> writeHtml(const QList<BookEntry> &spells, const QString &path)
{
    return WholeFile::replace(path, html(spells).toUtf8());
}

} // namespace BookPaper
