#include "shell/programinfo.h"

#include <QCoreApplication>

namespace ProgramInfo {

QString title()
{
    return QCoreApplication::translate("ProgramInfo", "Cantrix 3rd ed.");
}

QString versionText()
{
    return QCoreApplication::translate("ProgramInfo", "Version %1.%2.%3")
        .arg(versionMajor)
        .arg(versionMinor)
        .arg(versionRevision);
}

QString aboutCaption()
{
    return QCoreApplication::translate("ProgramInfo", "About %1").arg(title());
}

} // namespace ProgramInfo
