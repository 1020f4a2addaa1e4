#include "shell/shellcommands.h"

#include <QDir>
#include <QFileInfo>

#include "platform/platform.h"

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
    // A file named without a folder is the program's own, as the help page is; the process's
    // current folder is whatever the desktop started it in.
    const QDir base(sDirectory ? *sDirectory : m_platform.programDirectory());
    m_platform.openWithDesktop(sTopic, QDir::cleanPath(base.absoluteFilePath(sFile)), {});
}

QString ShellCommands::helpFilePath() const
{
    // A translation names the help page written in its language; the English one stands in
    // where that page was not delivered.
    const QDir folder(m_platform.programDirectory());
    const QString translated = folder.filePath(tr(helpFileName));
    return QFileInfo(translated).isFile() ? translated : folder.filePath(QString::fromLatin1(helpFileName));
}

void ShellCommands::mnuHelpIndex_Click()
{
    // Asked before the desktop is: a desktop says nothing of a missing file, or says it in
    // words that do not tell the user which file the program needs.
    const QString path = helpFilePath();
    if (!QFileInfo(path).isFile()) {
        m_platform.showWarning(tr("Help Not Found"),
                               tr("The help page %1 is missing. It is delivered beside the program; "
                                  "installing the program again puts it back.")
                                   .arg(QDir::toNativeSeparators(path)));
        return;
    }
    Platform &platform = m_platform;
    m_platform.openWithDesktop(QString::fromLatin1(openVerb), path,
                               [&platform, path] { platform.showPageInProgram(path); });
}

void ShellCommands::mnuExit_Click()
{
    m_platform.exitProgram();
}
