#pragma once

#include <QString>

// The widgets the slider lays out, as its arithmetic sees them: lengths in twips, read back
// from the widgets themselves (the buttons report what they were given; the value label
// reports the width of whatever caption it holds). The real control answers with an ARButton
// pair and a QLabel; tests answer with measurements of their own, without a screen.
class SliderSurface
{
public:
    enum class Button { Down, Up };

    virtual ~SliderSurface() = default;

    virtual double controlWidth() const = 0;
    virtual double controlHeight() const = 0;

    virtual int buttonWidth(Button button) const = 0;
    virtual int buttonHeight(Button button) const = 0;
    virtual void setButtonWidth(Button button, int twips) = 0;
    virtual void setButtonHeight(Button button, int twips) = 0;
    virtual void setButtonLeft(Button button, int twips) = 0;

    // The label sizes itself to its caption; its width and height follow the text.
    virtual void setLabelCaption(const QString &caption) = 0;
    virtual double labelWidth() const = 0;
    virtual double labelHeight() const = 0;
    virtual void setLabelLeft(float twips) = 0;
    virtual void setLabelTop(float twips) = 0;

protected:
    SliderSurface() = default;
    SliderSurface(const SliderSurface &) = default;
    SliderSurface &operator=(const SliderSurface &) = default;
};
