#include "shell/fileurl.h"

#include <QCoreApplication>
#include <QUrl>

namespace FileUrl {

QString localPath(const QUrl &url, QString *refusal)
{
    const auto refuse = [&url, refusal](const char *why) {
        if (refusal)
            *refusal = QCoreApplication::translate("FileUrl", why).arg(url.toDisplayString());
        return QString();
    };
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0)
        return refuse(QT_TRANSLATE_NOOP("FileUrl", "%1 names a file on another computer, which cannot be opened here."));
    const QString path = url.path(QUrl::FullyDecoded);
    if (path.contains(QChar(u'\0')))
        return refuse(QT_TRANSLATE_NOOP("FileUrl", "%1 cannot name a file: it holds a NUL character (%00)."));
    return path;
}

} // namespace FileUrl
