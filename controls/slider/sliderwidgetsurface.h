#pragma once

#include <QtGlobal>

#include "slidersurface.h"

class ARButton;
class QLabel;
class kqAttributeSlider;

// The slider's arithmetic applied to real widgets: the two ARButtons keep their twips as set,
// the label's size is read in pixels after it has sized itself to its caption, and every
// length crosses between twips and pixels at the control's logical DPI.
class SliderWidgetSurface final : public SliderSurface
{
    Q_DISABLE_COPY_MOVE(SliderWidgetSurface)

public:
    SliderWidgetSurface(kqAttributeSlider &control, ARButton &cmdDown, ARButton &cmdUp, QLabel &lblValue);

    double controlWidth() const override;
    double controlHeight() const override;
    int buttonWidth(Button button) const override;
    int buttonHeight(Button button) const override;
    void setButtonWidth(Button button, int twips) override;
    void setButtonHeight(Button button, int twips) override;
    void setButtonLeft(Button button, int twips) override;
    void setLabelCaption(const QString &caption) override;
    double labelWidth() const override;
    double labelHeight() const override;
    void setLabelLeft(float twips) override;
    void setLabelTop(float twips) override;

    float labelLeft() const { return m_labelLeft; }
    float labelTop() const { return m_labelTop; }

private:
    ARButton &button(Button which) const;

    kqAttributeSlider &m_control;
    ARButton &m_cmdDown;
    ARButton &m_cmdUp;
    QLabel &m_lblValue;
    float m_labelLeft = 0.0f;
    float m_labelTop = 0.0f;
};
