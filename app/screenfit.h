#pragma once

#include <QSize>

class QWidget;

// Windows open whole on the screen they are shown on, at any scale factor: a window's designed
// size is shrunk to the screen's available area, frame and title bar allowed for, and its views
// scroll what no longer fits.
namespace ScreenFit {

// Resizes the top-level `window` to `wanted`, or to as much of it as the screen takes.
void resize(QWidget *window, QSize wanted);

} // namespace ScreenFit
