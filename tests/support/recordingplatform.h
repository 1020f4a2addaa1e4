#pragma once

#include <optional>

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "platform.h"

// A Platform for tests and the scenario driver: it answers from what the test set up and
// records everything the core asked of the desktop, in order.
class RecordingPlatform final : public Platform
{
public:
    struct Warning
    {
        QString title;
        QString text;
    };
    struct DesktopOpen
    {
        QString verb;
        QString path;
    };

    RecordingPlatform();

    // What the core is told.
    void setProgramDirectory(const QString &directory) { m_programDirectory = directory; }
    void setUserConfigDirectory(const QString &directory) { m_userConfigDirectory = directory; }
    void setToday(const QDate &date) { m_today = date; }
    void setLocale(const QLocale &locale) { m_locale = locale; }

    // Answers for the next file dialogs, first in first out; std::nullopt is a Cancel. A dialog
    // shown with no answer queued is cancelled and counted in unansweredFileDialogs(). Like a
    // real file dialog, an answer whose file name has no extension gets the default suffix.
    void queueFileAnswer(const std::optional<QString> &answer) { m_fileAnswers.append(answer); }

    // What the core asked for.
    const QList<Warning> &warnings() const { return m_warnings; }
    const QStringList &statusMessages() const { return m_statusMessages; }
    const QList<FileDialogRequest> &fileRequests() const { return m_fileRequests; }
    const QList<DesktopOpen> &desktopOpens() const { return m_desktopOpens; }
    int unansweredFileDialogs() const { return m_unansweredFileDialogs; }
    int closeMainWindowCount() const { return m_closeMainWindowCount; }
    int exitProgramCount() const { return m_exitProgramCount; }
    void clearRecords();

    QString programDirectory() const override { return m_programDirectory; }
    QString userConfigDirectory() const override { return m_userConfigDirectory; }
    QDate today() const override { return m_today; }
    QLocale locale() const override { return m_locale; }
    void showWarning(const QString &title, const QString &text) override;
    void showStatus(const QString &text) override;
    void closeMainWindow() override;
    void exitProgram() override;
    std::optional<QString> chooseFile(const FileDialogRequest &request) override;
    void openWithDesktop(const QString &verb, const QString &path) override;

private:
    QString m_programDirectory;
    QString m_userConfigDirectory;
    QDate m_today;
    QLocale m_locale;
    QList<std::optional<QString>> m_fileAnswers;

    QList<Warning> m_warnings;
    QStringList m_statusMessages;
    QList<FileDialogRequest> m_fileRequests;
    QList<DesktopOpen> m_desktopOpens;
    int m_unansweredFileDialogs = 0;
    int m_closeMainWindowCount = 0;
    int m_exitProgramCount = 0;
};
