#include "files/wholefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace WholeFile {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("WholeFile", text);
}

QString sizeText(qint64 bytes)
{
    constexpr qint64 megabyte = 1024 * 1024;
    if (bytes >= megabyte && bytes % megabyte == 0)
        return tr("%1 MB").arg(bytes / megabyte);
    return tr("%1 bytes").arg(bytes);
}

} // namespace

Contents read(const QString &path, qint64 maxBytes)
{
    Contents contents;
    const QFileInfo info(path);
    if (info.isDir()) {
        contents.error = tr("it is a folder, not a file");
        return contents;
    }
    if (info.exists() && !info.isFile()) {
        contents.error = tr("it is not a regular file");
        return contents;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = file.errorString();
        contents.missing = !info.exists();
        return contents;
    }
    if (file.size() > maxBytes) {
        contents.error = tr("it is larger than %1, too large to be read").arg(sizeText(maxBytes));
        return contents;
    }
    contents.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        contents.bytes.clear();
        contents.error = file.errorString();
    }
    return contents;
}

std::optional<QString> replace(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: a buffered write would wait until commit(), which renames the file even when
    // writing out the buffer failed, as on a full disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (const qint64 written = file.write(bytes); written != bytes.size()) {
        // A disk that fills up takes part of the file and then refuses the rest, which the
        // system reports as no error at all.
        const QString reason = written >= 0 && file.error() == QFileDevice::NoError
            ? tr("only %1 of its %2 bytes could be written; the disk may be full").arg(written).arg(bytes.size())
            : file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace WholeFile
