#include "app/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ScreenFit {

void resize(QWidget *window, QSize wanted)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        // The frame is not known before the window is shown; a tenth of the screen is room
        // enough for any desktop's title bar and borders.
        const QSize room = screen->availableGeometry().size() * 0.9;
        wanted = wanted.boundedTo(room).expandedTo(window->minimumSizeHint());
    }
    window->resize(wanted);
}

} // namespace ScreenFit
