#include "sliderwidgetsurface.h"

#include <QLabel>

#include "arbutton.h"
#include "kqattributeslider.h"
#include "twips.h"

SliderWidgetSurface::SliderWidgetSurface(kqAttributeSlider &control, ARButton &cmdDown, ARButton &cmdUp,
                                         QLabel &lblValue)
    : m_control(control)
    , m_cmdDown(cmdDown)
    , m_cmdUp(cmdUp)
    , m_lblValue(lblValue)
{
}

ARButton &SliderWidgetSurface::button(Button which) const
{
    return which == Button::Down ? m_cmdDown : m_cmdUp;
}

double SliderWidgetSurface::controlWidth() const
{
    return m_control.widthTwips();
}

double SliderWidgetSurface::controlHeight() const
{
    return m_control.heightTwips();
}

int SliderWidgetSurface::buttonWidth(Button which) const
{
    return button(which).Width();
}

int SliderWidgetSurface::buttonHeight(Button which) const
{
    return button(which).Height();
}

void SliderWidgetSurface::setButtonWidth(Button which, int twips)
{
    button(which).setWidth(twips);
}

void SliderWidgetSurface::setButtonHeight(Button which, int twips)
{
    button(which).setHeight(twips);
}

void SliderWidgetSurface::setButtonLeft(Button which, int twips)
{
    button(which).setLeft(twips);
}

void SliderWidgetSurface::setLabelCaption(const QString &caption)
{
    m_lblValue.setText(caption);
    m_lblValue.adjustSize();
}

double SliderWidgetSurface::labelWidth() const
{
    return Twips::fromPixels(m_lblValue.width(), m_control.logicalDpiX());
}

double SliderWidgetSurface::labelHeight() const
{
    return Twips::fromPixels(m_lblValue.height(), m_control.logicalDpiY());
}

void SliderWidgetSurface::setLabelLeft(float twips)
{
    m_labelLeft = twips;
    m_lblValue.move(Twips::toPixelsX(m_control, twips), m_lblValue.y());
}

void SliderWidgetSurface::setLabelTop(float twips)
{
    m_labelTop = twips;
    m_lblValue.move(m_lblValue.x(), Twips::toPixelsY(m_control, twips));
}
