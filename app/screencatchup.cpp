#include "app/screencatchup.h"

#include <QObject>

#include "windowmodel/screenupdates.h"

ScreenCatchUp::ScreenCatchUp(const ScreenUpdates *updates, QObject *context, std::function<void()> showAnew)
    : m_updates(updates)
{
    if (!m_updates)
        return;
    QObject::connect(m_updates, &ScreenUpdates::resumed, context, [this, showAnew = std::move(showAnew)] {
        if (!m_outdated)
            return;
        m_outdated = false;
        showAnew();
    });
}

bool ScreenCatchUp::heldBack()
{
    if (!m_updates || !m_updates->areHeld())
        return false;
    m_outdated = true;
    return true;
}
