#include "kqattributeslider.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>

#include "arbutton.h"
#include "arrowpictures.h"
#include "olecolor.h"
#include "slideraccessible.h"
#include "sliderlayout.h"
#include "sliderwidgetsurface.h"
#include "twips.h"

namespace {

// The buttons as designed: 255 twips square, grey on black, each with its arrow. The slider
// takes the keyboard focus as a whole, so Tab stops once on it, not on each button; a click on
// a button focuses the slider.
ARButton *makeButton(QWidget *parent, const QString &name, const QPixmap &arrow, int leftTwips)
{
    auto *button = new ARButton(parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setObjectName(name);
    button->setCaption(QStringLiteral("ARButton1"));
    button->setForeColor(0x00808080u);
    button->setForeColorOnMouse(0x00808080u);
    button->setForeColorOnFocus(0x00808080u);
    button->setBackColor(0x00000000u);
    button->setBackColorOnMouse(0x00000000u);
    button->setButtonStyle(1);
    button->setBorderStyle(ARButton::borderSingle);
    button->setPicture(arrow);
    button->setWidth(kqAttributeSlider::designHeightTwips);
    button->setHeight(kqAttributeSlider::designHeightTwips);
    button->setLeft(leftTwips);
    return button;
}

// Bold 11.25 pt Arial; where Arial is not installed the sans-serif hint lets the font system
// choose the desktop's sans-serif face instead.
QFont valueFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Bold);
    return font;
}

QLabel *makeValueLabel(QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("1"), parent);
    label->setObjectName(QStringLiteral("lblValue"));
    label->setFont(valueFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, oleColor(0x0000FFFFu));
    label->setPalette(palette);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    return label;
}

} // namespace

kqAttributeSlider::kqAttributeSlider(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    m_arrowRatio = devicePixelRatioF();
    auto *down = makeButton(this, QStringLiteral("cmdDown"), leftArrowPicture(m_arrowRatio), 0);
    auto *up = makeButton(this, QStringLiteral("cmdUp"), rightArrowPicture(m_arrowRatio),
                          designWidthTwips - designHeightTwips);
    // Pictures only on screen; a screen reader says what each does.
    down->setAccessibleName(tr("Lower"));
    up->setAccessibleName(tr("Raise"));
    SliderAccessible::install();
    auto *label = makeValueLabel(this);
    m_surface = std::make_unique<SliderWidgetSurface>(*this, *down, *up, *label);
    m_layout = std::make_unique<SliderLayout>(*m_surface);
    m_surface->setLabelLeft(240.0f);
    m_surface->setLabelTop(0.0f);

    resize(Twips::toPixelsX(*this, m_widthTwips), Twips::toPixelsY(*this, m_heightTwips));
    connect(down, &ARButton::Click, this, &kqAttributeSlider::cmdDown_Click);
    connect(up, &ARButton::Click, this, &kqAttributeSlider::cmdUp_Click);
    initProperties();
}

kqAttributeSlider::~kqAttributeSlider() = default;

bool kqAttributeSlider::succeeded(bool ok)
{
    m_error = ok ? QString() : m_layout->errorString();
    return ok;
}

void kqAttributeSlider::setBackColor(quint32 New_BackColor)
{
    m_backColor = New_BackColor;
    update();
    emit propertyChanged(QStringLiteral("BackColor"));
}

void kqAttributeSlider::setForeColor(qint32 New_ForeColor)
{
    m_foreColor = New_ForeColor;
    emit propertyChanged(QStringLiteral("ForeColor"));
}

void kqAttributeSlider::setEnabledProperty(bool New_Enabled)
{
    m_enabled = New_Enabled;
    emit propertyChanged(QStringLiteral("Enabled"));
}

void kqAttributeSlider::setFontProperty(const QFont &New_Font)
{
    m_font = New_Font;
    emit propertyChanged(QStringLiteral("Font"));
}

void kqAttributeSlider::setBackStyle(qint16 New_BackStyle)
{
    m_backStyle = New_BackStyle;
    update();
    emit propertyChanged(QStringLiteral("BackStyle"));
}

void kqAttributeSlider::setBorderStyle(qint16 New_BorderStyle)
{
    m_borderStyle = New_BorderStyle;
    update();
    emit propertyChanged(QStringLiteral("BorderStyle"));
}

QVariant kqAttributeSlider::Min() const
{
    return m_layout->min();
}

QVariant kqAttributeSlider::Max() const
{
    return m_layout->max();
}

QVariant kqAttributeSlider::Value() const
{
    return m_layout->value();
}

void kqAttributeSlider::setMin(const QVariant &New_Min)
{
    m_layout->setMin(New_Min);
    emit propertyChanged(QStringLiteral("Min"));
}

bool kqAttributeSlider::setMax(const QVariant &New_Max)
{
    m_layout->setMax(New_Max);
    if (!succeeded(m_layout->measureMaxText()))
        return false;
    emit propertyChanged(QStringLiteral("Max"));
    return true;
}

bool kqAttributeSlider::setValue(const QVariant &New_Value)
{
    m_layout->setValue(New_Value);
    if (!succeeded(m_layout->placeValueLabel()))
        return false;
    announceValue();
    emit propertyChanged(QStringLiteral("Value"));
    return true;
}

// Designer shows whole numbers; a value that is no whole number shows as 0 there.
int kqAttributeSlider::designMin() const
{
    return Min().toInt();
}

int kqAttributeSlider::designMax() const
{
    return Max().toInt();
}

int kqAttributeSlider::designValue() const
{
    return Value().toInt();
}

void kqAttributeSlider::Refresh()
{
}

bool kqAttributeSlider::setSizeTwips(int widthTwips, int heightTwips)
{
    m_widthTwips = widthTwips;
    m_heightTwips = heightTwips;
    resize(qMax(0, Twips::toPixelsX(*this, widthTwips)), qMax(0, Twips::toPixelsY(*this, heightTwips)));
    return Resize();
}

bool kqAttributeSlider::Resize()
{
    return succeeded(m_layout->resize());
}

// A container sizes the control in pixels; the twips follow, unless the pixels merely
// reflect the twips last set, which then stay exact.
void kqAttributeSlider::resizeEvent(QResizeEvent *event)
{
    if (width() != qMax(0, Twips::toPixelsX(*this, m_widthTwips)))
        m_widthTwips = Twips::wholeFromPixelsX(*this, width());
    if (height() != qMax(0, Twips::toPixelsY(*this, m_heightTwips)))
        m_heightTwips = Twips::wholeFromPixelsY(*this, height());
    QWidget::resizeEvent(event);
    Resize();
}

void kqAttributeSlider::cmdDown_Click()
{
    const auto result = m_layout->clickDown();
    succeeded(result != SliderLayout::ClickResult::Failed);
    if (result == SliderLayout::ClickResult::Changed) {
        announceValue();
        emit Change();
    }
}

void kqAttributeSlider::cmdUp_Click()
{
    const auto result = m_layout->clickUp();
    succeeded(result != SliderLayout::ClickResult::Failed);
    if (result == SliderLayout::ClickResult::Changed) {
        announceValue();
        emit Change();
    }
}

void kqAttributeSlider::announceValue()
{
    QAccessibleValueChangeEvent event(this, Value());
    QAccessible::updateAccessibility(&event);
}

QAbstractButton *kqAttributeSlider::cmdDown() const
{
    return findChild<ARButton *>(QStringLiteral("cmdDown"), Qt::FindDirectChildrenOnly);
}

QAbstractButton *kqAttributeSlider::cmdUp() const
{
    return findChild<ARButton *>(QStringLiteral("cmdUp"), Qt::FindDirectChildrenOnly);
}

QLabel *kqAttributeSlider::lblValue() const
{
    return findChild<QLabel *>(QStringLiteral("lblValue"), Qt::FindDirectChildrenOnly);
}

int kqAttributeSlider::maxTextWidth() const
{
    return m_layout->maxTextWidth();
}

int kqAttributeSlider::freeWidth() const
{
    return m_layout->freeWidth();
}

int kqAttributeSlider::stepWidth() const
{
    return m_layout->stepWidth();
}

QPointF kqAttributeSlider::valueLabelPosition() const
{
    return QPointF(m_surface->labelLeft(), m_surface->labelTop());
}

QSize kqAttributeSlider::sizeHint() const
{
    return QSize(Twips::toPixelsX(*this, designWidthTwips), Twips::toPixelsY(*this, designHeightTwips));
}

void kqAttributeSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_backStyle != backStyleTransparent)
        painter.fillRect(rect(), oleColor(m_backColor));
    if (m_borderStyle == borderStyleFixedSingle && width() > 0 && height() > 0) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // The focus shows as a dotted frame around the track between the buttons, in the colour
    // of the value, which stands out on whatever background the form gives the slider.
    const QAbstractButton *down = cmdDown();
    const QAbstractButton *up = cmdUp();
    if (hasFocus() && down && up) {
        const QRect track(QPoint(down->geometry().right() + 1, 0), QPoint(up->geometry().left() - 1, height() - 1));
        if (track.width() > 2 && track.height() > 2) {
            painter.setPen(QPen(lblValue()->palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(track.adjusted(0, 0, -1, -1));
        }
    }
}

// Up and Right raise the value, Down and Left lower it: the buttons' own clicks, with their
// bounds and their Change.
void kqAttributeSlider::keyPressEvent(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Right:
            cmdUp_Click();
            return;
        case Qt::Key_Down:
        case Qt::Key_Left:
            cmdDown_Click();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

bool kqAttributeSlider::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
        drawArrowsForScreen();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// A picture made for a coarser screen would be enlarged pixel by pixel on a finer one.
void kqAttributeSlider::drawArrowsForScreen()
{
    const qreal ratio = devicePixelRatioF();
    if (qFuzzyCompare(ratio, m_arrowRatio))
        return;
    m_arrowRatio = ratio;
    const auto button = [this](const QString &name) {
        return findChild<ARButton *>(name, Qt::FindDirectChildrenOnly);
    };
    if (ARButton *down = button(QStringLiteral("cmdDown")))
        down->setPicture(leftArrowPicture(ratio));
    if (ARButton *up = button(QStringLiteral("cmdUp")))
        up->setPicture(rightArrowPicture(ratio));
}
