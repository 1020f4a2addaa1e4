#pragma once

#include <QPixmap>

// The pictures on the slider's buttons: a white arrow on black, 10 x 11 pixels, pointing left
// for the down button and right for the up button. Drawn here, pixel by pixel, so that they
// stay crisp at their small size and need no image files.
QPixmap leftArrowPicture();
QPixmap rightArrowPicture();
