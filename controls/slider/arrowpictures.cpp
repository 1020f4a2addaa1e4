#include "arrowpictures.h"

#include <cmath>

#include <QImage>
#include <QPainter>
#include <QPolygonF>

namespace {

constexpr int pictureWidth = 10;
constexpr int pictureHeight = 11;

// A solid triangle with its base on column 3 from row 1 to row 9 and its point in column 7.
// Filled without smoothing at ratio 1 it lights exactly the pixels whose centres it covers:
// rows 1 to 9 in column 3, one row fewer at each end per column, row 5 alone in column 7.
QImage rightArrow(qreal ratio)
{
    QImage image(int(std::ceil(pictureWidth * ratio)), int(std::ceil(pictureHeight * ratio)), QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, ratio > 1.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(3.0, 1.0), QPointF(8.0, 5.5), QPointF(3.0, 10.0)}));
    return image;
}

} // namespace

QPixmap rightArrowPicture(qreal devicePixelRatio)
{
    return QPixmap::fromImage(rightArrow(devicePixelRatio));
}

QPixmap leftArrowPicture(qreal devicePixelRatio)
{
    QImage image = rightArrow(devicePixelRatio).mirrored(true, false);
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(image);
}
