#pragma once

#include <QDialog>

class DrainBreakdown;
class QLabel;
class QTreeWidget;

// The drain code taken apart, row by row, with the totals it is made of. It does not block
// the main window and follows the spell while it is open, so a user can try a modifier and
// watch its share appear.
class DrainBreakdownDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DrainBreakdownDialog)

public:
    explicit DrainBreakdownDialog(QWidget *parent = nullptr);

    void showBreakdown(const DrainBreakdown &breakdown);

private:
    QLabel *totalLabel(const char *name);

    QTreeWidget *m_rows = nullptr;
    QLabel *m_force = nullptr;
    QLabel *m_drainModifier = nullptr;
    QLabel *m_level = nullptr;
    QLabel *m_code = nullptr;
    QLabel *m_notes = nullptr;
};
