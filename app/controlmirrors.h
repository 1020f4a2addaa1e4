#pragma once

#include <functional>

#include <QObject>

class ListControl;
class ScreenUpdates;
class TextControl;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// The view's link between one model control and the widget that shows it. A mirror copies
// every change of the model into its widget and turns only the user's own actions back into
// calls on the model: while it writes to the widget it ignores what the widget reports, since
// Qt's widgets also signal changes made from code (a combo even selects its first row by
// itself when it gets rows), and those must never reach the model as if a user had acted.
//
// While the model holds its screen updates (ScreenUpdates), a mirror lets the changes pass and
// shows its control anew once the hold ends: a list filled with a hundred thousand rows in one
// handler is then shown in one go rather than row by row.
class ControlMirror : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ControlMirror)

public:
    ControlMirror(QObject *parent, const ScreenUpdates *updates);

protected:
    // True while updates are held: the change is left to the showing that follows the hold.
    bool heldBack();
    // Shows the model's control in full.
    virtual void showModel() = 0;

    // How a list widget takes one change of its model's rows, and shows the selection.
    struct RowEdits
    {
        std::function<void(int row)> insert;
        std::function<void(int row)> remove;
        std::function<void()> clear;
        std::function<void()> showSelection;
    };
    // Rows follow `model` one change at a time, so a long list costs no more per change than a
    // short one; the selection is shown after every change of any kind. `showing` is set while
    // an edit runs, so that what the widget reports of it is not taken for the user's doing.
    void followRows(const ListControl &model, bool &showing, RowEdits edits);

private:
    const ScreenUpdates *m_updates;
    bool m_outdated = false;
};

// What a row's tooltip says, asked for when the tooltip is about to show, so that a list of
// thousands of rows costs nothing until a row is hovered, and a tip never tells of a row that
// has changed since.
using RowToolTip = std::function<QString(int row)>;

// A tooltip that shows `text` as written: a text from the rules file is never taken for markup.
QString plainToolTip(const QString &text);

// A drop-down list: the user's choice of a row selects that row in the model.
class ComboMirror final : public ControlMirror
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ComboMirror)

public:
    ComboMirror(ListControl &model, QComboBox *widget, QObject *parent = nullptr,
                const ScreenUpdates *updates = nullptr);

    // Tooltips for the rows the list opens, and for its face (the chosen row).
    void setRowToolTip(RowToolTip toolTip);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows every row of the model anew: at the start, after a hold or an undo, or if the widget
    // lost step.
    void showModel() override;
    void showSelection();
    void userChose(int row);

    ListControl &m_model;
    QComboBox *m_widget;
    RowToolTip m_rowToolTip;
    bool m_showing = false;
};

// A list box: the user's selection (mouse or arrow keys) selects the same row in the model,
// nothing selected giving -1; Down with nothing selected selects the first row. A list may also
// have an action for a row: a double-click on it, or Enter or Space on the current row, which
// is how the keyboard reaches that action.
class ListWidgetMirror final : public ControlMirror
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListWidgetMirror)

public:
    ListWidgetMirror(ListControl &model, QListWidget *widget, QObject *parent = nullptr,
                     const ScreenUpdates *updates = nullptr);

    // From this many rows on, every row is taken to be as wide as the first: measuring each of
    // a hundred thousand rows would hold the window up for seconds, and so long a list is not
    // read across anyway.
    static constexpr int measuredRows = 5000;

    void setRowAction(std::function<void(int)> action);
    void setRowToolTip(RowToolTip toolTip);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows every row of the model anew: at the start, after a hold or an undo, or if the widget
    // lost step.
    void showModel() override;
    void showSelection();
    void userSelectionChanged();

    ListControl &m_model;
    QListWidget *m_widget;
    // Kept from when the tooltip filter was installed: the viewport still sends events while the
    // list around it is being destroyed, when asking the list for it is no longer allowed.
    QObject *m_viewport = nullptr;
    std::function<void(int)> m_rowAction;
    RowToolTip m_rowToolTip;
    bool m_showing = false;
};

// A one-line text field; a read-only one only shows the model.
class LineEditMirror final : public ControlMirror
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LineEditMirror)

public:
    LineEditMirror(TextControl &model, QLineEdit *widget, QObject *parent = nullptr,
                   const ScreenUpdates *updates = nullptr);

private:
    void showModel() override;

    TextControl &m_model;
    QLineEdit *m_widget;
};

// A text field of several lines.
class PlainTextMirror final : public ControlMirror
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlainTextMirror)

public:
    PlainTextMirror(TextControl &model, QPlainTextEdit *widget, QObject *parent = nullptr,
                    const ScreenUpdates *updates = nullptr);

private:
    void showModel() override;
    void userEdited();

    TextControl &m_model;
    QPlainTextEdit *m_widget;
    bool m_showing = false;
};
