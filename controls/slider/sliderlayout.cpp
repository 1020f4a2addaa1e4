#include "sliderlayout.h"

#include <cmath>
#include <limits>

#include <QtNumeric>

#include "propertyvalue.h"
#include "slidernumber.h"

using Button = SliderSurface::Button;

SliderLayout::SliderLayout(SliderSurface &surface)
    : m_surface(surface)
    , m_min(QVariant::fromValue(qint16(1)))
    , m_max(QVariant::fromValue(qint16(6)))
    , m_value(QVariant::fromValue(qint16(1)))
{
}

bool SliderLayout::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool SliderLayout::computeStep()
{
    const double free = m_surface.controlWidth()
                        - (double(m_surface.buttonWidth(Button::Up)) + m_surface.buttonWidth(Button::Down));
    const auto freeWidth = roundToInt32(free);
    if (!freeWidth)
        return fail(QStringLiteral("overflow: the room between the buttons is no 32-bit length"));
    m_freeWidth = *freeWidth;

    qint32 travel = 0;
    if (qSubOverflow(m_freeWidth, qint32(m_maxTextWidth), &travel))
        return fail(QStringLiteral("overflow: the travel of the value label is no 32-bit length"));

    // Max = 0 or a Max that is no number gives no step rather than a division by zero.
    const auto divisor = numberOf(m_max);
    if (!divisor || *divisor == 0.0) {
        m_stepWidth = 0;
    } else {
        const auto step = roundToInt32(double(travel) / *divisor);
        if (!step)
            return fail(QStringLiteral("overflow: the step width is no 32-bit length"));
        m_stepWidth = *step;
    }
    m_surface.setLabelCaption(numberText(m_value));
    return true;
}

bool SliderLayout::placeValueLabel()
{
    if (!computeStep())
        return false;
    double left = m_surface.buttonWidth(Button::Down);
    // A Value that is no number leaves the label at its left position.
    if (const auto value = numberOf(m_value))
        left += double(m_stepWidth) * (*value - 1.0);
    const float single = float(left);
    if (!std::isfinite(single))
        return fail(QStringLiteral("overflow: the label position is no single-precision length"));
    m_surface.setLabelLeft(single);
    m_surface.setLabelCaption(numberText(m_value));
    return true;
}

bool SliderLayout::resize()
{
    const double height = m_surface.controlHeight();
    const auto buttonHeight = roundToInt32(height);
    if (!buttonHeight)
        return fail(QStringLiteral("overflow: the control height is no 32-bit length"));
    // Each length is read back from the button before the next one is derived from it.
    m_surface.setButtonHeight(Button::Up, *buttonHeight);
    m_surface.setButtonWidth(Button::Up, m_surface.buttonHeight(Button::Up));
    m_surface.setButtonWidth(Button::Down, m_surface.buttonWidth(Button::Up));
    m_surface.setButtonHeight(Button::Down, m_surface.buttonWidth(Button::Down));
    const auto upLeft = roundToInt32(m_surface.controlWidth() - m_surface.buttonWidth(Button::Up));
    if (!upLeft)
        return fail(QStringLiteral("overflow: the up button's position is no 32-bit length"));
    m_surface.setButtonLeft(Button::Up, *upLeft);
    // Negative when the label is taller than the control; it then overhangs both edges.
    m_surface.setLabelTop(float((height - m_surface.labelHeight()) / 2.0));
    return placeValueLabel();
}

bool SliderLayout::measureMaxText(bool keepMaxCaption)
{
    m_surface.setLabelCaption(numberText(m_max));
    const auto width = roundToInt32(m_surface.labelWidth());
    if (!width)
        return fail(QStringLiteral("overflow: the width of Max's text is no 32-bit length"));
    m_maxTextWidth = *width;
    if (!keepMaxCaption)
        m_surface.setLabelCaption(numberText(m_value));
    return true;
}

SliderLayout::ClickResult SliderLayout::click(int delta)
{
    const QVariant &bound = delta < 0 ? m_min : m_max;
    const auto order = compareNumbers(m_value, bound);
    const bool room = order && (delta < 0 ? *order == std::partial_ordering::greater
                                          : *order == std::partial_ordering::less);
    if (!room)
        return ClickResult::Unchanged;
    const auto next = offsetNumber(m_value, delta);
    if (!next)
        return ClickResult::Unchanged;
    m_value = *next;
    return placeValueLabel() ? ClickResult::Changed : ClickResult::Failed;
}

SliderLayout::ClickResult SliderLayout::clickDown()
{
    return click(-1);
}

SliderLayout::ClickResult SliderLayout::clickUp()
{
    return click(+1);
}
