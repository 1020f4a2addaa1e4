#pragma once

#include <QObject>
#include <QPointer>

class Cantrix;
class DrainBreakdownDialog;
class QMainWindow;
class QWidget;
class SpellChanges;

// The drain code explained on screen: the drain field's tooltip lists the breakdown, and
// Rules > Drain Breakdown opens it in a window of its own that follows the spell. The
// breakdown itself is the core's (DrainBreakdown).
class DrainBreakdownView final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrainBreakdownView)

public:
    DrainBreakdownView(Cantrix &cantrix, SpellChanges &changes, QMainWindow *window, QWidget *drainField);

    // Shows the breakdown window (Rules > Drain Breakdown), the one there is.
    void showWindow();

private:
    void refresh();

    Cantrix &m_cantrix;
    QMainWindow *m_window;
    QWidget *m_drainField;
    QPointer<DrainBreakdownDialog> m_dialog; // made when first asked for, then kept
};
