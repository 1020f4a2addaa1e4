#pragma once

#include <QObject>

class QMimeData;
class QWidget;

// Takes a file dropped anywhere on a window as a spell document to open. A text field would
// otherwise take the drop for itself and insert the file's path as text; text dragged without
// a file still goes to the field.
class SpellDropTarget final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellDropTarget)

public:
    // Watches `window` and every widget inside it at this moment.
    explicit SpellDropTarget(QWidget *window);

    // The local file a drag carries, or "" when it carries none; the first of several. A file
    // URL that names no file here is passed over, and `refusal` says why when no file follows.
    static QString droppedFile(const QMimeData *data, QString *refusal = nullptr);

signals:
    void spellDropped(const QString &path);
    // A dropped file URL that names no file here, and why.
    void dropRefused(const QString &reason);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
