#pragma once

#include <QFileInfo>
#include <QList>
#include <QQueue>
#include <QStringList>

#include "design/platform.h"

// A Platform for tests and the scenario driver: it records every message and desktop call,
// answers file dialogs from a queue, and lets the test fix today's date.
class RecordingPlatform final : public Platform
{
public:
    struct Message
    {
        QString title;
        QString text;
    };
    struct DesktopCall
    {
        QString verb;
        QString path;
    };

    explicit RecordingPlatform(const QString &programDirectory = QString(),
                               const QString &userConfigDirectory = QString())
        : m_programDirectory(programDirectory), m_userConfigDirectory(userConfigDirectory)
    {
    }

    QString programDirectory() const override { return m_programDirectory; }
    QString userConfigDirectory() const override { return m_userConfigDirectory; }
    QDate today() const override { return m_today; }
    QLocale locale() const override { return m_locale; }

    void showWarning(const QString &title, const QString &text) override { warnings.append({title, text}); }
    void showStatus(const QString &text) override { statusMessages.append(text); }
    void closeMainWindow() override { ++closeCount; }
    void exitProgram() override { ++exitCount; }

    std::optional<QString> chooseFile(const FileDialogRequest &request) override
    {
        dialogRequests.append(request);
        if (dialogAnswers.isEmpty())
            return std::nullopt;
        std::optional<QString> answer = dialogAnswers.dequeue();
        // As a real file dialog does: a typed name without extension gets the default suffix.
        if (answer && !request.defaultSuffix.isEmpty() && QFileInfo(*answer).suffix().isEmpty())
            *answer += QLatin1Char('.') + request.defaultSuffix;
        return answer;
    }
    void openWithDesktop(const QString &verb, const QString &path, const std::function<void()> &whenRefused) override
    {
        desktopCalls.append({verb, path});
        if (desktopRefuses && whenRefused)
            whenRefused();
    }
    void showPageInProgram(const QString &path) override { pagesShownInProgram.append(path); }

    void setProgramDirectory(const QString &directory) { m_programDirectory = directory; }
    void setUserConfigDirectory(const QString &directory) { m_userConfigDirectory = directory; }
    void setToday(const QDate &date) { m_today = date; }
    void setLocale(const QLocale &locale) { m_locale = locale; }

    QList<Message> warnings;
    QStringList statusMessages;
    int closeCount = 0;
    int exitCount = 0;
    QList<FileDialogRequest> dialogRequests;
    // Each file dialog takes the next answer; std::nullopt (or an empty queue) cancels.
    QQueue<std::optional<QString>> dialogAnswers;
    QList<DesktopCall> desktopCalls;
    // Whether the desktop has no program for the documents it is handed.
    bool desktopRefuses = false;
    QStringList pagesShownInProgram;

private:
    QString m_programDirectory;
    QString m_userConfigDirectory;
    QDate m_today = QDate(2001, 3, 5);
    QLocale m_locale = QLocale(QLocale::English, QLocale::UnitedStates);
};
