#pragma once

#include <functional>

#include <QObject>

class QSocketNotifier;

// SIGTERM (a logout, a shutdown), SIGHUP (the terminal gone) and SIGINT (Ctrl+C) end the
// program the way File > Exit does, so the spell on screen is kept. The handler only writes a
// byte to a pipe; the action runs from the event loop, where anything may be done.
class EndingSignals final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EndingSignals)

public:
    // Only one at a time: the signal handlers are the process's own.
    explicit EndingSignals(std::function<void()> action, QObject *parent = nullptr);
    ~EndingSignals() override;

private:
    std::function<void()> m_action;
    QSocketNotifier *m_notifier = nullptr;
};
