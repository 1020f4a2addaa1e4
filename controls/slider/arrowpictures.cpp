#include "arrowpictures.h"

#include <QImage>

namespace {

constexpr int pictureWidth = 10;
constexpr int pictureHeight = 11;

// A solid triangle: its base spans rows 1 to 9 at column 3, narrowing by one row at each end
// per column to its point at column 7; the left-pointing arrow is its mirror image.
QImage rightArrow()
{
    QImage image(pictureWidth, pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    const int middle = pictureHeight / 2;
    for (int column = 3; column <= 7; ++column) {
        const int reach = 7 - column;
        for (int row = middle - reach; row <= middle + reach; ++row)
            image.setPixel(column, row, qRgb(255, 255, 255));
    }
    return image;
}

} // namespace

QPixmap rightArrowPicture()
{
    return QPixmap::fromImage(rightArrow());
}

QPixmap leftArrowPicture()
{
    return QPixmap::fromImage(rightArrow().mirrored(true, false));
}
