#pragma once

#include <optional>

#include <QObject>
#include <QString>

class Platform;

// The program's shell commands: Help Index hands the help page beside the program to the
// desktop, or shows it in the program's own viewer when the desktop has no program for it;
// Exit ends the program at once. The About box shows ProgramInfo.
class ShellCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShellCommands)

public:
    //: File name of the help page written in this language, delivered beside the program.
    static constexpr auto helpFileName = QT_TRANSLATE_NOOP("ShellCommands", "CTXhelp.htm");
    // The only verb the program hands to the desktop: open a document in its program.
    static constexpr auto openVerb = "Open";
    // Show command for a program the desktop starts: show its window normally.
    static constexpr qint32 showNormal = 1;

    explicit ShellCommands(Platform &platform, QObject *parent = nullptr);

    // Hands a document to the desktop. The desktop opens documents only, so it takes the verb
    // and the file; sDirectory places a relative sFile (the current folder when there is
    // none), while parameters and the show command have nothing to reach on a document and
    // are not passed on. Whether the desktop managed it is its own business: nothing returns.
    void RunShellExecute(const QString &sTopic, const QString &sFile,
                         const std::optional<QString> &sParams = std::nullopt,
                         const std::optional<QString> &sDirectory = std::nullopt,
                         qint32 nShowCmd = showNormal);
    // The help page in the program directory.
    QString helpFilePath() const;
    // A missing help page is named in a message; a page the desktop cannot open is shown in
    // the program.
    void mnuHelpIndex_Click();
    // Ends the program at once: nothing is asked and nothing is saved.
    void mnuExit_Click();

private:
    Platform &m_platform;
};
