#pragma once

#include <QPixmap>

// The pictures on the slider's buttons: a white arrow on black, 10 x 11 pixels as designed,
// pointing left for the down button and right for the up button. They are drawn, not loaded,
// for the device pixel ratio of the screen they are shown on: pixel for pixel as designed at
// ratio 1, and with the arrow's true edges, not enlarged pixels, on finer screens.
QPixmap leftArrowPicture(qreal devicePixelRatio = 1.0);
QPixmap rightArrowPicture(qreal devicePixelRatio = 1.0);
