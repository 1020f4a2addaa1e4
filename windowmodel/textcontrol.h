#pragma once

#include <QObject>
#include <QString>

// A text field of the design window: one string, and a change event raised synchronously
// whenever the text becomes different, by a user's edit or by code alike.
class TextControl final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextControl)

public:
    explicit TextControl(const QString &name, const QString &initial = QString(),
                         QObject *parent = nullptr);

    QString name() const { return m_name; }
    QString text() const { return m_text; }
    // Sets the text; raises changed() only when it differs from the current text.
    void setText(const QString &text);

signals:
    void changed();

private:
    QString m_name;
    QString m_text;
};
