#pragma once

#include <QDirIterator>
#include <QFile>
#include <QString>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Permission bits do not stop the administrator, and CI runs the suite as one. A step that must
// meet them is taken as an ordinary user instead, who is first given the test's own folder; run
// as anyone else, the step is taken as it is.
namespace OrdinaryUser {

#ifdef Q_OS_UNIX
// The user and group nobody, which every Unix system has.
inline constexpr uid_t user = 65534;
inline constexpr gid_t group = 65534;

inline bool isAdministrator()
{
    return ::geteuid() == 0;
}

// Gives `folder` and everything below it to the ordinary user, when run as the administrator.
inline bool take(const QString &folder)
{
    if (!isAdministrator())
        return true;
    bool all = ::lchown(QFile::encodeName(folder).constData(), user, group) == 0;
    QDirIterator below(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (below.hasNext())
        all = ::lchown(QFile::encodeName(below.next()).constData(), user, group) == 0 && all;
    return all;
}

// Runs `step` as the ordinary user when run as the administrator, and gives what it returns.
// The real user changes too, since access() and what is built on it (QFileInfo::isWritable)
// ask about the real one; the saved one stays the administrator, to come back.
template <typename Step>
auto run(const Step &step)
{
    if (!isAdministrator())
        return step();
    if (::setresgid(group, group, 0) != 0 || ::setresuid(user, user, 0) != 0)
        qFatal("cannot become an ordinary user");
    const auto result = step();
    if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)
        qFatal("cannot become the administrator again");
    return result;
}
#else
inline bool isAdministrator() { return false; }
inline bool take(const QString &) { return true; }
template <typename Step>
auto run(const Step &step) { return step(); }
#endif

} // namespace OrdinaryUser
