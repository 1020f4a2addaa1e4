#include "arbutton.h"

#include <cmath>
#include <functional>
#include <vector>

#include <QEnterEvent>
#include <QFont>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QPen>

#include "olecolor.h"
#include "propertyvalue.h"
#include "twips.h"

namespace {

// Persisted extents are in HIMETRIC (1/100 mm), as forms have always kept control sizes.
constexpr double himetricPerInch = 2540.0;
// The focus frame stands this many pixels inside the edge, clear of the border.
constexpr int focusInset = 3;

int himetricFromTwips(int twips)
{
    return int(std::nearbyint(twips * himetricPerInch / Twips::perInch));
}

std::optional<int> twipsFromHimetric(const QVariant &value)
{
    const auto himetric = toInt32(value);
    if (!himetric)
        return std::nullopt;
    return roundToInt32(*himetric * Twips::perInch / himetricPerInch);
}

// How each persisted entry is applied to a button: false when the value does not convert.
using Apply = std::function<bool(ARButton &, const QVariant &)>;

// Applies through set what convert makes of the value.
template<typename Convert, typename Value>
Apply converted(Convert convert, void (ARButton::*set)(Value))
{
    return [convert, set](ARButton &button, const QVariant &value) {
        const auto result = convert(value);
        if (result)
            (button.*set)(*result);
        return result.has_value();
    };
}

Apply asExtent(void (ARButton::*set)(int))
{
    return converted(twipsFromHimetric, set);
}

Apply asColor(void (ARButton::*set)(quint32))
{
    return converted(toOleColorValue, set);
}

Apply asStyle(void (ARButton::*set)(int))
{
    return converted(toInt16, set);
}

bool applyCaption(ARButton &button, const QVariant &value)
{
    if (!value.canConvert<QString>())
        return false;
    button.setCaption(value.toString());
    return true;
}

// A font, or its description as QFont::toString() writes it.
bool applyFont(ARButton &button, const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QFont) {
        button.setFont(value.value<QFont>());
        return true;
    }
    QFont described;
    if (value.metaType().id() != QMetaType::QString || !described.fromString(value.toString()))
        return false;
    button.setFont(described);
    return true;
}

// A pixmap or an image; no value at all removes the picture.
bool applyPicture(ARButton &button, const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::QPixmap:
        button.setPicture(value.value<QPixmap>());
        return true;
    case QMetaType::QImage:
        button.setPicture(QPixmap::fromImage(value.value<QImage>()));
        return true;
    case QMetaType::UnknownType:
        button.setPicture(QPixmap());
        return true;
    default:
        return false;
    }
}

// One persisted entry, read and written alike: a store may leave out a value equal to its
// default, so reading must give that very default back. An entry with no default is always
// written, and where a store lacks it the button keeps what it has: a size that depends on the
// screen is no value to leave out.
struct Property
{
    QString name;
    std::optional<QVariant> defaultValue;
    std::function<QVariant(const ARButton &)> value;
    Apply apply;
};

const std::vector<Property> &properties()
{
    // A default font is the font of the button's surroundings: applied, it sets none of its own.
    static const std::vector<Property> table = {
        {QStringLiteral("_extentx"), std::nullopt, [](const ARButton &b) -> QVariant { return himetricFromTwips(b.Width()); },
         asExtent(&ARButton::setWidth)},
        {QStringLiteral("_extenty"), std::nullopt, [](const ARButton &b) -> QVariant { return himetricFromTwips(b.Height()); },
         asExtent(&ARButton::setHeight)},
        {QStringLiteral("caption"), QString(), [](const ARButton &b) { return QVariant(b.caption()); }, applyCaption},
        {QStringLiteral("forecolor"), ARButton::defaultForeColor,
         [](const ARButton &b) { return QVariant(b.foreColor()); }, asColor(&ARButton::setForeColor)},
        {QStringLiteral("forecoloronmouse"), ARButton::defaultForeColor,
         [](const ARButton &b) { return QVariant(b.foreColorOnMouse()); }, asColor(&ARButton::setForeColorOnMouse)},
        {QStringLiteral("forecoloronfocus"), ARButton::defaultForeColor,
         [](const ARButton &b) { return QVariant(b.foreColorOnFocus()); }, asColor(&ARButton::setForeColorOnFocus)},
        {QStringLiteral("backcolor"), ARButton::defaultBackColor,
         [](const ARButton &b) { return QVariant(b.backColor()); }, asColor(&ARButton::setBackColor)},
        {QStringLiteral("backcoloronmouse"), ARButton::defaultBackColor,
         [](const ARButton &b) { return QVariant(b.backColorOnMouse()); }, asColor(&ARButton::setBackColorOnMouse)},
        {QStringLiteral("font"), QFont(), [](const ARButton &b) { return QVariant(b.font()); }, applyFont},
        {QStringLiteral("style"), 0, [](const ARButton &b) { return QVariant(b.buttonStyle()); },
         asStyle(&ARButton::setButtonStyle)},
        {QStringLiteral("borderstyle"), ARButton::borderSingle,
         [](const ARButton &b) { return QVariant(b.borderStyle()); }, asStyle(&ARButton::setBorderStyle)},
        {QStringLiteral("picture"), QVariant(),
         [](const ARButton &b) { return b.picture().isNull() ? QVariant() : QVariant(b.picture()); }, applyPicture},
    };
    return table;
}

} // namespace

ARButton::ARButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, &ARButton::Click);
    m_leftTwips = Twips::wholeFromPixelsX(*this, x());
    m_widthTwips = Twips::wholeFromPixelsX(*this, width());
    m_heightTwips = Twips::wholeFromPixelsY(*this, height());
}

void ARButton::setCaption(const QString &caption)
{
    setText(caption);
    updateGeometry();
    showCutCaption();
}

// A caption too long for the button (a translation's) is cut with an ellipsis when drawn; the
// whole of it shows under the mouse.
void ARButton::showCutCaption()
{
    QString whole = text();
    whole.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const bool cut = m_picture.isNull() && fontMetrics().horizontalAdvance(whole) > width() - 2;
    if (cut)
        setToolTip(whole);
    else if (toolTip() == whole)
        setToolTip(QString());
}

void ARButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    showCutCaption();
    updateGeometry();
    update();
}

void ARButton::setForeColor(quint32 color)
{
    m_foreColor = color;
    update();
}

void ARButton::setForeColorOnMouse(quint32 color)
{
    m_foreColorOnMouse = color;
    update();
}

void ARButton::setForeColorOnFocus(quint32 color)
{
    m_foreColorOnFocus = color;
    update();
}

void ARButton::setBackColor(quint32 color)
{
    m_backColor = color;
    update();
}

void ARButton::setBackColorOnMouse(quint32 color)
{
    m_backColorOnMouse = color;
    update();
}

void ARButton::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

void ARButton::setButtonStyle(int style)
{
    m_buttonStyle = style;
}

void ARButton::setLeft(int twips)
{
    m_leftTwips = twips;
    move(Twips::toPixelsX(*this, twips), y());
}

void ARButton::setWidth(int twips)
{
    m_widthTwips = twips;
    resize(qMax(0, Twips::toPixelsX(*this, twips)), height());
}

void ARButton::setHeight(int twips)
{
    m_heightTwips = twips;
    resize(width(), qMax(0, Twips::toPixelsY(*this, twips)));
}

// A layout or a container may move or size the button in pixels; the twips follow then, but a
// pixel geometry that merely reflects the twips last set keeps those exact values.
void ARButton::moveEvent(QMoveEvent *event)
{
    if (x() != Twips::toPixelsX(*this, m_leftTwips))
        m_leftTwips = Twips::wholeFromPixelsX(*this, x());
    QAbstractButton::moveEvent(event);
}

void ARButton::resizeEvent(QResizeEvent *event)
{
    if (width() != qMax(0, Twips::toPixelsX(*this, m_widthTwips)))
        m_widthTwips = Twips::wholeFromPixelsX(*this, width());
    if (height() != qMax(0, Twips::toPixelsY(*this, m_heightTwips)))
        m_heightTwips = Twips::wholeFromPixelsY(*this, height());
    QAbstractButton::resizeEvent(event);
    showCutCaption();
}

QColor ARButton::currentForeColor() const
{
    if (m_hovered)
        return oleColor(m_foreColorOnMouse);
    if (hasFocus())
        return oleColor(m_foreColorOnFocus);
    return oleColor(m_foreColor);
}

QColor ARButton::currentBackColor() const
{
    return oleColor(m_hovered ? m_backColorOnMouse : m_backColor);
}

void ARButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ARButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

// Space is handled by QAbstractButton (press, then click on release); Enter and Return click
// at once, as a push button with the focus does on the desktops this program comes from.
void ARButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

QSize ARButton::sizeHint() const
{
    if (!m_picture.isNull())
        return m_picture.deviceIndependentSize().toSize() + QSize(8, 8);
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
    return textSize + QSize(16, 10);
}

void ARButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, currentBackColor());

    const QColor fore = currentForeColor();
    // A pressed button shifts its content by one pixel, the usual sign of a push.
    const QRect content = isDown() ? area.translated(1, 1) : area;
    if (!m_picture.isNull()) {
        const QSize size = m_picture.deviceIndependentSize().toSize();
        const QPoint topLeft(content.x() + (content.width() - size.width()) / 2,
                             content.y() + (content.height() - size.height()) / 2);
        painter.drawPixmap(topLeft, m_picture);
    } else {
        painter.setPen(fore);
        painter.setFont(font());
        const QString shown = painter.fontMetrics().elidedText(text(), Qt::ElideRight, content.width() - 2,
                                                               Qt::TextShowMnemonic);
        painter.drawText(content, Qt::AlignCenter | Qt::TextShowMnemonic, shown);
    }

    if (m_borderStyle == borderSingle && area.width() > 0 && area.height() > 0) {
        painter.setPen(fore);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }

    // The keyboard focus shows as a dotted frame inside the edge: many forms give the focus
    // the same fore colour as the rest, and the colour alone would not show it.
    if (hasFocus() && area.width() > 2 * focusInset + 1 && area.height() > 2 * focusInset + 1) {
        painter.setPen(QPen(fore, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(focusInset, focusInset, -focusInset - 1, -focusInset - 1));
    }
}

PropertyTransfer ARButton::readProperties(PropertyStore &store)
{
    // Each entry is applied before the next is read; apply is false when the value does not
    // convert.
    for (const Property &property : properties()) {
        const auto value = store.readProperty(property.name, property.defaultValue.value_or(QVariant()));
        if (!value)
            return PropertyTransfer::failure(property.name, QStringLiteral("the store could not be read"));
        if (!property.defaultValue && !value->isValid())
            continue;
        if (!property.apply(*this, *value))
            return PropertyTransfer::failure(property.name, QStringLiteral("the value does not convert"));
    }
    return PropertyTransfer::success();
}

PropertyTransfer ARButton::writeProperties(PropertyStore &store) const
{
    for (const Property &property : properties()) {
        if (!store.writeProperty(property.name, property.value(*this), property.defaultValue.value_or(QVariant())))
            return PropertyTransfer::failure(property.name, QStringLiteral("the store could not record it"));
    }
    return PropertyTransfer::success();
}
