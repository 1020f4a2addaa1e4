#include "shell/shellcommands.h"

#include <QDir>

#include "design/platform.h"

ShellCommands::ShellCommands(Platform &platform, QObject *parent)
    : QObject(parent), m_platform(platform)
{
}

void ShellCommands::RunShellExecute(const QString &sTopic, const QString &sFile,
                                    const std::optional<QString> &sParams,
                                    const std::optional<QString> &sDirectory, qint32 nShowCmd)
{
    Q_UNUSED(sParams)
    Q_UNUSED(nShowCmd)
    const QDir base = sDirectory ? QDir(*sDirectory) : QDir::current();
    m_platform.openWithDesktop(sTopic, QDir::cleanPath(base.absoluteFilePath(sFile)));
}

QString ShellCommands::helpFilePath() const
{
    return QDir(m_platform.programDirectory()).filePath(QString::fromLatin1(helpFileName));
}

void ShellCommands::mnuHelpIndex_Click()
{
    // A missing page is not checked for: the desktop says so in its own words, if at all,
    // and the window goes on as it was.
    RunShellExecute(QString::fromLatin1(openVerb), helpFilePath(), std::nullopt, std::nullopt, showNormal);
}

void ShellCommands::mnuExit_Click()
{
    m_platform.exitProgram();
}
