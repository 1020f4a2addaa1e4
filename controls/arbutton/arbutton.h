#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include "propertystore.h"

// The push button of every window and of the slider control. It draws itself in the colours
// it is given (OLE colour values), switching to its mouse-over colours while the pointer is on
// it and to its focus fore colour while it has the keyboard focus, and shows its picture
// centred instead of its caption when it has one. Position and size are also kept in twips,
// exactly as set, because callers compute with the values they read back.
class ARButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ARButton)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)
    Q_PROPERTY(quint32 forecolor READ foreColor WRITE setForeColor)
    Q_PROPERTY(quint32 forecoloronmouse READ foreColorOnMouse WRITE setForeColorOnMouse)
    Q_PROPERTY(quint32 forecoloronfocus READ foreColorOnFocus WRITE setForeColorOnFocus)
    Q_PROPERTY(quint32 backcolor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 backcoloronmouse READ backColorOnMouse WRITE setBackColorOnMouse)
    Q_PROPERTY(int borderstyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int buttonstyle READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)

public:
    // Border styles.
    static constexpr int borderNone = 0;
    static constexpr int borderSingle = 1;

    // Default colours: the desktop's button face and button text.
    static constexpr quint32 defaultForeColor = 0x80000012u;
    static constexpr quint32 defaultBackColor = 0x8000000Fu;

    explicit ARButton(QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);

    QPixmap picture() const { return m_picture; }
    // A null pixmap removes the picture, and the caption shows again.
    void setPicture(const QPixmap &picture);

    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 color);
    quint32 foreColorOnMouse() const { return m_foreColorOnMouse; }
    void setForeColorOnMouse(quint32 color);
    quint32 foreColorOnFocus() const { return m_foreColorOnFocus; }
    void setForeColorOnFocus(quint32 color);
    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 color);
    quint32 backColorOnMouse() const { return m_backColorOnMouse; }
    void setBackColorOnMouse(quint32 color);

    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    // Kept and persisted for the forms that carry it; it does not change the drawing.
    int buttonStyle() const { return m_buttonStyle; }
    void setButtonStyle(int style);

    // Position and size in twips (1/1440 inch), mapped to pixels at the widget's logical DPI.
    int Left() const { return m_leftTwips; }
    void setLeft(int twips);
    int Width() const { return m_widthTwips; }
    void setWidth(int twips);
    int Height() const { return m_heightTwips; }
    void setHeight(int twips);

    // The colours the button draws with right now, given hover and focus.
    QColor currentForeColor() const;
    QColor currentBackColor() const;
    bool isHovered() const { return m_hovered; }

    // Persisted appearance under the entry names forms use ("_extentx", "caption", ...).
    // Reading stops at the first entry that fails to read or convert and reports it. Reading
    // and writing share one set of defaults, so a store that leaves defaults out reads back
    // what was written; the extents have none and are always written.
    PropertyTransfer readProperties(PropertyStore &store);
    PropertyTransfer writeProperties(PropertyStore &store) const;

    QSize sizeHint() const override;

signals:
    // Raised once for each click, whether by mouse, Space, Enter or click().
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showCutCaption();

    QPixmap m_picture;
    quint32 m_foreColor = defaultForeColor;
    quint32 m_foreColorOnMouse = defaultForeColor;
    quint32 m_foreColorOnFocus = defaultForeColor;
    quint32 m_backColor = defaultBackColor;
    quint32 m_backColorOnMouse = defaultBackColor;
    int m_borderStyle = borderSingle;
    int m_buttonStyle = 0;
    int m_leftTwips = 0;
    int m_widthTwips = 0;
    int m_heightTwips = 0;
    bool m_hovered = false;
};
