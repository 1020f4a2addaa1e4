#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Shares of the room a growing form gains along one axis, each from 0 to 1: how far a control
// moves and how much it grows.
struct ControlGrowth
{
    double move = 0.0;
    double grow = 0.0;
};

// A form designed at a fixed size in twips that the user can make larger, never smaller. Each
// control sits at its designed place at the designed size; the room gained is handed out by
// shares: along each axis a control moves by one share of it and grows by another. Controls
// given no shares keep their designed place and size whatever the size of the form.
class GrowingForm final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GrowingForm)

public:
    using Growth = ControlGrowth;

    // `form` gets the designed size as its smallest one.
    GrowingForm(QWidget *form, QSize designedTwips);

    QWidget *form() const { return m_form; }

    // Places `control`, a child of the form, at its designed rectangle in twips (left, top,
    // width, height) and keeps it there as the form grows, by the shares given.
    void add(QWidget *control, const QRect &twips, Growth horizontal = {}, Growth vertical = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Control
    {
        QPointer<QWidget> widget;
        QRect twips;
        Growth horizontal;
        Growth vertical;
    };

    void place(const Control &control) const;

    QWidget *m_form;
    QSize m_designed; // in pixels
    QList<Control> m_controls;
};
