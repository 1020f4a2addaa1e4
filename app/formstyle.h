#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The forms are designed in twips (1/1440 inch) and in fonts of a given point size, so they
// keep their proportions on any screen: a twips rectangle becomes pixels at the logical DPI of
// the screen the widget is on, the same DPI that turns the fonts' points into pixels.
namespace FormStyle {

// A rectangle given in twips (left, top, width, height), in the widget's pixels.
QRect fromTwips(const QWidget *widget, int left, int top, int width, int height);
// Places a child widget at a twips rectangle of its parent's client area.
void place(QWidget *widget, int left, int top, int width, int height);

// The design font when it is installed, else the system's sans-serif at the same size.
QFont designFont(const QString &family, qreal pointSize, bool bold = false, bool italic = false);
// The font of the design window's fields, lists and captions.
QFont tahoma(bool bold = false);

// Where the design font is missing, the substitute is often wider, and a caption would be cut
// off by its box. Such a caption gets a smaller size, just as small as it needs to fit; with the
// design font installed every caption fits as designed and nothing changes. One too long even
// at the smallest size (a translation's) is cut with an ellipsis and shows whole as its tooltip.
void fitCaption(QLabel *label);

} // namespace FormStyle
