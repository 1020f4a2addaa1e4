#pragma once

#include <QString>
#include <QVariant>

#include "slidersurface.h"

// The attribute slider's state and arithmetic, free of any screen: Min, Max and Value, the
// measured width of Max's text, and where the value label stands. Lengths are twips; each
// conversion to a whole number rounds half to even (1545 / 6 = 257.5 becomes 258).
//
// Every operation that can overflow returns false and leaves errorString() saying why; what
// it changed before the overflow stays changed, and nothing after it runs. Max = 0, or a
// Min, Max or Value that is not a number, is no failure: the step is 0, the label stays at
// its left position, and clicks that cannot compare do nothing.
class SliderLayout final
{
    Q_DISABLE_COPY_MOVE(SliderLayout)

public:
    enum class ClickResult { Changed, Unchanged, Failed };

    explicit SliderLayout(SliderSurface &surface);

    // Stored exactly as given: no conversion, no clamping, no layout.
    QVariant min() const { return m_min; }
    void setMin(const QVariant &value) { m_min = value; }
    QVariant max() const { return m_max; }
    void setMax(const QVariant &value) { m_max = value; }
    QVariant value() const { return m_value; }
    void setValue(const QVariant &value) { m_value = value; }

    int maxTextWidth() const { return m_maxTextWidth; }
    int freeWidth() const { return m_freeWidth; }
    int stepWidth() const { return m_stepWidth; }

    // The room between the buttons, the travel per unit of value, and the label's text.
    bool computeStep();
    // computeStep, then the label moved to the value's position: the down button's width plus
    // one step per unit above 1 (counted from 1 whatever Min is).
    bool placeValueLabel();
    // Square buttons as high as the control, the up button at the right edge, the label
    // centred vertically and placed for the value.
    bool resize();
    // Measures the label while it shows Max's text. The label then shows Value's text again,
    // unless keepMaxCaption (reading saved properties leaves Max's text on show). Nothing moves.
    bool measureMaxText(bool keepMaxCaption = false);

    // One step toward Min / Max when Value lies above Min / below Max; the label follows.
    ClickResult clickDown();
    ClickResult clickUp();

    QString errorString() const { return m_error; }

private:
    bool fail(const QString &why);
    ClickResult click(int delta);

    SliderSurface &m_surface;
    QVariant m_min;
    QVariant m_max;
    QVariant m_value;
    int m_maxTextWidth = 0;
    int m_freeWidth = 0;
    int m_stepWidth = 0;
    QString m_error;
};
