#pragma once

#include <functional>

#include <QObject>

class ListControl;
class ListControlModel;
class QComboBox;
class QKeyEvent;
class QListView;

// The view's link between a list control's selection and the widget that shows its rows
// (through a ListControlModel, which it gives the widget). It shows every selection of the
// control and turns only the user's own choices back into calls on the control: Qt's widgets
// also report selections made from code or by themselves (a drop-down list selects its first
// row as soon as it gets one), and those must never reach the control as if a user had acted.
// With nothing selected in the control, the widget shows no selection either.
class ListSelection final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListSelection)

public:
    // A drop-down list: the user's choice of a row selects that row in the control. Its face
    // tells the tooltip of the chosen row.
    ListSelection(ListControl &control, ListControlModel &model, QComboBox *combo);
    // A list box: the user's selection (mouse or arrow keys) selects the same row in the
    // control, nothing selected giving -1; Down with nothing selected selects the first row.
    ListSelection(ListControl &control, ListControlModel &model, QListView *list);

    // A list box's action for a row: a double-click on it, or Enter or Space on the current
    // row, which is how the keyboard reaches that action.
    void setRowAction(std::function<void(int)> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ListSelection(ListControl &control, ListControlModel &model, QObject *parent);
    void show();
    void userSelected(int row);
    bool userPressed(const QKeyEvent &key);

    ListControl &m_control;
    ListControlModel &m_model;
    QComboBox *m_combo = nullptr;
    QListView *m_list = nullptr;
    std::function<void(int)> m_rowAction;
    bool m_showing = false;
};
