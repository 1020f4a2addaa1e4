#include "app/formstyle.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QTextLayout>
#include <QWidget>

#include "controls/arbutton/twips.h"

namespace FormStyle {

QRect fromTwips(const QWidget *widget, int left, int top, int width, int height)
{
    // Edges are converted, not sizes, so neighbouring controls never overlap by rounding.
    const int x = Twips::toPixelsX(*widget, left);
    const int y = Twips::toPixelsY(*widget, top);
    return QRect(x, y, Twips::toPixelsX(*widget, left + width) - x, Twips::toPixelsY(*widget, top + height) - y);
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(fromTwips(widget, left, top, width, height));
}

QFont designFont(const QString &family, qreal pointSize, bool bold, bool italic)
{
    const bool installed = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    QFont font = installed ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont tahoma(bool bold)
{
    return designFont(QStringLiteral("Tahoma"), 8.25, bold);
}

namespace {

// The lines of `text` wrapped into `box` that fit its height, the last one ending in an ellipsis.
QString elidedToFit(const QString &text, const QFont &font, const QRect &box)
{
    const QFontMetrics metrics(font);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (int height = metrics.lineSpacing();; height += metrics.lineSpacing()) {
        const QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        QTextLine(line).setLineWidth(box.width());
        if (height + metrics.lineSpacing() > box.height()) {
            lines.append(metrics.elidedText(text.mid(line.textStart()), Qt::ElideRight, box.width()));
            break;
        }
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines.join(u'\n');
}

} // namespace

void fitCaption(QLabel *label)
{
    // Below this a caption is no longer worth reading; it is then cut like any other.
    constexpr qreal smallestPointSize = 6.0;
    constexpr qreal step = 0.25;
    const int flags = Qt::TextWordWrap | int(label->alignment());
    const QRect box = label->contentsRect();
    QFont font = label->font();
    auto fits = [&](const QFont &candidate) {
        const QRect needed = QFontMetrics(candidate).boundingRect(box, flags, label->text());
        return needed.width() <= box.width() && needed.height() <= box.height();
    };
    while (!fits(font) && font.pointSizeF() - step >= smallestPointSize)
        font.setPointSizeF(font.pointSizeF() - step);
    label->setFont(font);
    // A caption that is too long even so (a translation's, most likely) shows what fits, with
    // an ellipsis, and whole under the mouse.
    if (!fits(font)) {
        label->setToolTip(label->text());
        label->setText(elidedToFit(label->text(), font, box));
    }
}

} // namespace FormStyle
