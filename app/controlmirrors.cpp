#include "app/controlmirrors.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>

#include "windowmodel/textcontrol.h"

ControlMirror::ControlMirror(QObject *parent, const ScreenUpdates *updates)
    : QObject(parent), m_catchUp(updates, this, [this] { showModel(); })
{
}

LineEditMirror::LineEditMirror(TextControl &model, QLineEdit *widget, QObject *parent, const ScreenUpdates *updates)
    : ControlMirror(parent, updates), m_model(model), m_widget(widget)
{
    connect(&m_model, &TextControl::changed, this, [this] {
        if (!heldBack())
            showModel();
    });
    // Not textEdited(), which reports typing only: a screen reader or dictation sets the whole
    // text through the accessibility interface, and that is the user's edit too.
    if (!m_widget->isReadOnly())
        connect(m_widget, &QLineEdit::textChanged, this, &LineEditMirror::userEdited);
    showModel();
}

void LineEditMirror::userEdited(const QString &text)
{
    if (!m_showing)
        m_model.setText(text);
}

void LineEditMirror::showModel()
{
    const QString text = m_model.text();
    if (m_widget->text() == text)
        return;
    const QScopedValueRollback showing(m_showing, true);
    const int cursor = m_widget->cursorPosition();
    m_widget->setText(text);
    m_widget->setCursorPosition(std::min(cursor, int(text.size())));
}

PlainTextMirror::PlainTextMirror(TextControl &model, QPlainTextEdit *widget, QObject *parent,
                                 const ScreenUpdates *updates)
    : ControlMirror(parent, updates), m_model(model), m_widget(widget)
{
    connect(&m_model, &TextControl::changed, this, [this] {
        if (!heldBack())
            showModel();
    });
    connect(m_widget, &QPlainTextEdit::textChanged, this, &PlainTextMirror::userEdited);
    showModel();
}

void PlainTextMirror::showModel()
{
    const QString text = m_model.text();
    if (m_widget->toPlainText() == text)
        return;
    const QScopedValueRollback showing(m_showing, true);
    const int position = m_widget->textCursor().position();
    m_widget->setPlainText(text);
    QTextCursor cursor = m_widget->textCursor();
    cursor.setPosition(std::min(position, int(text.size())));
    m_widget->setTextCursor(cursor);
}

void PlainTextMirror::userEdited()
{
    if (m_showing)
        return;
    m_model.setText(m_widget->toPlainText());
}
