#pragma once

#include <memory>

#include <QFont>
#include <QPointF>
#include <QVariant>
#include <QWidget>

#include "kqcontrols_export.h"
#include "propertystore.h"

class QAbstractButton;
class QLabel;
class SliderLayout;
class SliderWidgetSurface;

// A small horizontal picker for a whole-number rating (1 to 6 unless set otherwise): the value
// stands as a number between a down button on the left and an up button on the right, and
// moves right as it rises. Min, Max and Value keep the numeric type they are given (16-bit
// integers by default) and are never converted or clamped; a click steps the value by one
// toward the bound and raises Change. Lengths are twips, mapped to pixels at the widget's
// logical DPI.
//
// Assistive technology reads it as a slider with a numeric value, minimum, maximum and step.
//
// It takes the keyboard focus (Tab), which it shows with a dotted frame: Up and Right raise
// the value, Down and Left lower it, as the buttons do.
//
// Enabled, ForeColor and Font are kept for the container and persisted, but change nothing:
// the slider answers clicks whatever Enabled says. Their Qt property names are
// "EnabledProperty" and "FontProperty", so that they never meet QWidget's own enabled and font
// (a Designer form calls set<Name>() for each property it holds, and setEnabled() would
// disable the widget). The names the container sees in property reports and in the store are
// "Enabled" and "Font".
class KQCONTROLS_EXPORT kqAttributeSlider final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(kqAttributeSlider)

    Q_CLASSINFO("BackColor", "Returns/sets the background color used to display text and graphics in an object.")
    Q_CLASSINFO("ForeColor", "Returns/sets the foreground color used to display text and graphics in an object.")
    Q_CLASSINFO("EnabledProperty", "Returns/sets a value that determines whether an object can respond to user-generated events.")
    Q_CLASSINFO("FontProperty", "Returns a Font object.")
    Q_CLASSINFO("BackStyle", "Indicates whether a Label or the background of a Shape is transparent or opaque.")
    Q_CLASSINFO("BorderStyle", "Returns/sets the border style for an object.")
    Q_CLASSINFO("Refresh", "Forces a complete repaint of a object.")
    Q_CLASSINFO("Click", "Occurs when the user presses and then releases a mouse button over an object.")
    Q_CLASSINFO("DblClick", "Occurs when the user presses and releases a mouse button and then presses and releases it again over an object.")
    Q_CLASSINFO("KeyDown", "Occurs when the user presses a key while an object has the focus.")
    Q_CLASSINFO("KeyPress", "Occurs when the user presses and releases an ANSI key.")
    Q_CLASSINFO("KeyUp", "Occurs when the user releases a key while an object has the focus.")
    Q_CLASSINFO("MouseDown", "Occurs when the user presses the mouse button while an object has the focus.")
    Q_CLASSINFO("MouseMove", "Occurs when the user moves the mouse.")
    Q_CLASSINFO("MouseUp", "Occurs when the user releases the mouse button while an object has the focus.")

    // Designable and stored, so Designer forms keep them. BackColor is an OLE colour value
    // (0x00BBGGRR, top bit set for a system colour).
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool EnabledProperty READ Enabled WRITE setEnabledProperty)
    Q_PROPERTY(QFont FontProperty READ Font WRITE setFontProperty)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    // Designer edits whole numbers; from C++ use Min()/Max()/Value(), which keep any type.
    Q_PROPERTY(int Min READ designMin WRITE setMin)
    Q_PROPERTY(int Max READ designMax WRITE setMax)
    Q_PROPERTY(int Value READ designValue WRITE setValue)

public:
    // Background styles and border styles of the surface.
    static constexpr qint16 backStyleTransparent = 0;
    static constexpr qint16 backStyleOpaque = 1;
    static constexpr qint16 borderStyleNone = 0;
    static constexpr qint16 borderStyleFixedSingle = 1;
    // The size the control is designed at and starts with, in twips.
    static constexpr int designWidthTwips = 2175;
    static constexpr int designHeightTwips = 255;

    // A new instance: the properties are initialised (initProperties) with the parent's font
    // as the container's ambient font.
    explicit kqAttributeSlider(QWidget *parent = nullptr);
    ~kqAttributeSlider() override;

    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 New_BackColor);
    qint32 ForeColor() const { return m_foreColor; }
    void setForeColor(qint32 New_ForeColor);
    bool Enabled() const { return m_enabled; }
    void setEnabledProperty(bool New_Enabled);
    QFont Font() const { return m_font; }
    void setFontProperty(const QFont &New_Font);
    qint16 BackStyle() const { return m_backStyle; }
    void setBackStyle(qint16 New_BackStyle);
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 New_BorderStyle);

    QVariant Min() const;
    // Stores Min; nothing on screen changes.
    void setMin(const QVariant &New_Min);
    QVariant Max() const;
    // Stores Max and measures its text; the label moves at the next click, Value or resize.
    // false on an overflow (errorString() says which), the stored Max kept.
    bool setMax(const QVariant &New_Max);
    QVariant Value() const;
    // Stores Value and places the label; raises no Change. false on an overflow.
    bool setValue(const QVariant &New_Value);

    // Does nothing: the control repaints itself whenever something shown changes.
    Q_INVOKABLE void Refresh();

    // Size in twips. setSizeTwips keeps the values exactly and lays the control out.
    int widthTwips() const { return m_widthTwips; }
    int heightTwips() const { return m_heightTwips; }
    bool setSizeTwips(int widthTwips, int heightTwips);
    // The container's resize handler: lays the buttons and the label out for the current size.
    // Runs on every resize event too. false on an overflow.
    bool Resize();

    // Persistence through the container's store, under "BackColor", "ForeColor", "Enabled",
    // "Font", "BackStyle", "BorderStyle", "Min", "Max" and "Value", in that order. The
    // widget's own font (inherited from its parent) is the container's ambient font.
    bool initProperties();
    PropertyTransfer readProperties(PropertyStore &store);
    PropertyTransfer writeProperties(PropertyStore &store) const;

    // The child widgets, named "cmdDown", "cmdUp" and "lblValue".
    QAbstractButton *cmdDown() const;
    QAbstractButton *cmdUp() const;
    QLabel *lblValue() const;

    // Layout state in twips, for containers and tests that want to see the arithmetic.
    int maxTextWidth() const;
    int freeWidth() const;
    int stepWidth() const;
    QPointF valueLabelPosition() const;
    // Why the last failing call failed.
    QString errorString() const { return m_error; }

    QSize sizeHint() const override;

signals:
    // Raised after a button click changed the value. The only event the control raises; the
    // others exist for containers that connect to the full set.
    void Change();
    void Click();
    void DblClick();
    void KeyDown(short &KeyCode, short &Shift);
    void KeyPress(short &KeyAscii);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseUp(short &Button, short &Shift, float &X, float &Y);

    // The container's saved properties are out of date: the named property changed.
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void drawArrowsForScreen();
    // Tells assistive technology the value changed.
    void announceValue();
    int designMin() const;
    int designMax() const;
    int designValue() const;
    void cmdDown_Click();
    void cmdUp_Click();
    bool succeeded(bool ok);

    std::unique_ptr<SliderWidgetSurface> m_surface;
    std::unique_ptr<SliderLayout> m_layout;
    quint32 m_backColor = 0;
    qint16 m_backStyle = backStyleOpaque;
    qint16 m_borderStyle = borderStyleNone;
    qint32 m_foreColor = 0;
    bool m_enabled = false;
    QFont m_font;
    int m_widthTwips = designWidthTwips;
    int m_heightTwips = designHeightTwips;
    qreal m_arrowRatio = 1.0; // the device pixel ratio the arrow pictures are drawn for
    QString m_error;
};
