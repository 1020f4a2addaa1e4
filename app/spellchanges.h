#pragma once

#include <QObject>
#include <QTimer>

class Cantrix;

// Tells once, after a user's action has run to its end, that the spell or a selection changed.
// A handler changes its lists row by row (a category of thousands of modifiers, one at a
// time); what the view works out from the whole spell is worked out once, when it is done.
class SpellChanges final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellChanges)

public:
    explicit SpellChanges(Cantrix &cantrix, QObject *parent = nullptr);

signals:
    void settled();

private:
    QTimer m_settle;
};
