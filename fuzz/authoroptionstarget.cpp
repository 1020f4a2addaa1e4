#include "fuzz/fuzztargets.h"

#include <QFile>
#include <QTemporaryDir>

#include "author/authoroptionsfile.h"

QString FuzzTargets::authorOptions(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const AuthorProfile profile = AuthorOptionsFile::decode(bytes);
    for (const QString &value : {profile.name, profile.email, profile.url}) {
        if (value.contains(u'\r') || value.contains(u'\n'))
            return QStringLiteral("a value holds a line break: ") + value;
    }
    // What the dialog stores reads back as what it showed.
    if (AuthorOptionsFile::decode(AuthorOptionsFile::encode(profile)) != profile)
        return QStringLiteral("the values do not survive being stored and read again");

    // The same bytes as the file itself.
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(AuthorOptionsFile::fileName));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write the options file: ") + file.errorString();
    file.close();
    if (AuthorOptionsFile::read(path) != profile && bytes.size() <= 1024 * 1024)
        return QStringLiteral("the file reads differently from its bytes");
    return QString();
}
