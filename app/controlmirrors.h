#pragma once

#include <QObject>

#include "app/screencatchup.h"

class ScreenUpdates;
class TextControl;
class QLineEdit;
class QPlainTextEdit;

// The view's link between one text control of the model and the widget that shows it. A
// mirror copies every change of the model into its widget and turns only the user's own edits
// back into calls on the model: Qt's widgets also signal changes made from code, and those must
// never reach the model as if a user had typed them. While the model holds its screen updates,
// a mirror lets the changes pass and shows its control anew once the hold ends. (Lists are
// shown through ListControlModel and ListSelection.)
class ControlMirror : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ControlMirror)

public:
    ControlMirror(QObject *parent, const ScreenUpdates *updates);

protected:
    // True while updates are held: the change is left to the showing that follows the hold.
    bool heldBack() { return m_catchUp.heldBack(); }
    // Shows the model's control in full.
    virtual void showModel() = 0;

private:
    ScreenCatchUp m_catchUp;
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
    void userEdited(const QString &text);

    TextControl &m_model;
    QLineEdit *m_widget;
    bool m_showing = false;
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
