#pragma once

#include <QObject>

// What the window model tells the views while one command changes many controls in a row, as
// start-up does when it lists thousands of modifiers and as an Open does for every element of
// a document: meanwhile a view need not follow each change one by one, and once the command is
// done it shows each control it let pass as the control is then, at once.
class ScreenUpdates final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenUpdates)

public:
    using QObject::QObject;

    bool areHeld() const { return m_holds > 0; }

    // Holds the views back for as long as it lives; holds nest, and the last one to end lets
    // the views catch up.
    class Hold final
    {
        Q_DISABLE_COPY_MOVE(Hold)

    public:
        explicit Hold(ScreenUpdates &updates) : m_updates(updates) { ++m_updates.m_holds; }
        ~Hold()
        {
            if (--m_updates.m_holds == 0)
                emit m_updates.resumed();
        }

    private:
        ScreenUpdates &m_updates;
    };

signals:
    void resumed();

private:
    int m_holds = 0;
};
