#pragma once

#include <functional>

#include <QtGlobal>

class QObject;
class ScreenUpdates;

// A view's side of the model's holds on screen updates (ScreenUpdates): while updates are held
// the view lets each change pass, and once the hold ends it shows its control anew, in one go,
// if anything passed. A list filled with a hundred thousand rows in one handler is then shown
// once rather than row by row.
class ScreenCatchUp final
{
    Q_DISABLE_COPY_MOVE(ScreenCatchUp)

public:
    // `showAnew` runs in `context` (the view), which must own this object.
    ScreenCatchUp(const ScreenUpdates *updates, QObject *context, std::function<void()> showAnew);

    // True while updates are held: the change is left to the showing that follows the hold.
    bool heldBack();

private:
    const ScreenUpdates *m_updates;
    bool m_outdated = false;
};
