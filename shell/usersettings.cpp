#include "shell/usersettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace UserSettings {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("UserSettings", text);
}

// Holds the folder of the stand-in settings for as long as they live.
class StandInFolder final : public QObject
{
public:
    QTemporaryDir folder;
};

// Why the file at `path` may not be read as settings; "" when it may (or is not there yet).
QString problemWith(const QString &path)
{
#ifdef Q_OS_UNIX
    // Not blocking: opening a pipe for reading would wait for a writer, for ever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    struct stat opened {};
    const bool statted = ::fstat(fd, &opened) == 0;
    ::close(fd);
    if (statted && S_ISDIR(opened.st_mode))
        return tr("it is a folder, not a file");
    if (!statted || !S_ISREG(opened.st_mode))
        return tr("it is not a regular file");
#else
    Q_UNUSED(path)
#endif
    return QString();
}

} // namespace

QString filePath()
{
    // Named as QSettings names the file it keeps by default, so that settings stay where they were.
    QString organization = QCoreApplication::organizationName();
    if (organization.isEmpty())
        organization = QCoreApplication::organizationDomain();
    if (organization.isEmpty())
        organization = QStringLiteral("Unknown Organization");
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(organization + u'/' + QCoreApplication::applicationName() + QStringLiteral(".conf"));
}

Opened open(QObject *parent)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return open(filePath(), parent);
#else
    // Where settings are no file of their own (the registry, property lists), there is no
    // file to judge.
    Opened opened;
    opened.settings = new QSettings(parent);
    opened.path = opened.settings->fileName();
    return opened;
#endif
}

Opened open(const QString &path, QObject *parent)
{
    Opened opened;
    opened.path = path;
    opened.problem = problemWith(path);
    if (opened.problem.isEmpty()) {
        // The one file alone: QSettings' default also reads organisation-wide and system files.
        opened.settings = new QSettings(path, QSettings::IniFormat, parent);
        return opened;
    }
    // Settings that start empty and go, when the program ends, with a folder of their own.
    auto *standIn = new StandInFolder;
    opened.settings = new QSettings(standIn->folder.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat,
                                    parent);
    standIn->setParent(opened.settings);
    return opened;
}

QString notice(const Opened &opened)
{
    if (opened.problem.isEmpty())
        return QString();
    return tr("The settings file %1 is not used (%2): the program runs with default settings and leaves it alone.")
        .arg(QDir::toNativeSeparators(opened.path), opened.problem);
}

} // namespace UserSettings
