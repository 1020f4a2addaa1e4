#include "app/spelldroptarget.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "shell/fileurl.h"

SpellDropTarget::SpellDropTarget(QWidget *window)
    : QObject(window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget *child : window->findChildren<QWidget *>())
        child->installEventFilter(this);
}

QString SpellDropTarget::droppedFile(const QMimeData *data, QString *refusal)
{
    if (!data || !data->hasUrls())
        return QString();
    QString firstRefusal;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        QString why;
        const QString path = FileUrl::localPath(url, &why);
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return path;
        if (firstRefusal.isEmpty())
            firstRefusal = why;
    }
    if (refusal)
        *refusal = firstRefusal;
    return QString();
}

bool SpellDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        QString refusal;
        if (droppedFile(drag->mimeData(), &refusal).isEmpty() && refusal.isEmpty())
            break;
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        QString refusal;
        const QString path = droppedFile(drop->mimeData(), &refusal);
        if (path.isEmpty() && refusal.isEmpty())
            break;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (path.isEmpty())
            emit dropRefused(refusal);
        else
            emit spellDropped(path);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
