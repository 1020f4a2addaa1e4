#pragma once

#include <QObject>

class Cantrix;
class QLabel;
class QMainWindow;
class SpellChanges;

// The status bar's word on the selected modifier or option: what a double-click on it would
// do to the drain code. With nothing to preview it names a level total past the letter table,
// which the drain code itself only shows as "L". It takes the left of the bar while it has
// something to say and gives the room back when it has not.
class DrainPreviewStatus final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrainPreviewStatus)

public:
    DrainPreviewStatus(Cantrix &cantrix, SpellChanges &changes, QMainWindow *window);

signals:
    // Whether it now takes room in the status bar.
    void shown(bool shown);

private:
    void refresh();

    Cantrix &m_cantrix;
    QLabel *m_label;
    bool m_shown = false;
};
