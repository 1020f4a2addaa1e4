#pragma once

#include <QFileInfo>
#include <QList>
#include <QQueue>
#include <QStringList>

#include "platform/platform.h"

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
                               const QString &userConfigDirectory = QString(),
                               const QString &userDataDirectory = QString())
        : m_programDirectory(programDirectory), m_userConfigDirectory(userConfigDirectory),
          m_userDataDirectory(userDataDirectory)
    {
    }

    QString programDirectory() const override { return m_programDirectory; }
    QString userConfigDirectory() const override { return m_userConfigDirectory; }
    QString userDataDirectory() const override { return m_userDataDirectory; }
    QDate today() const override { return m_today; }
    QLocale locale() const override { return m_locale; }

    void showWarning(const QString &title, const QString &text) override { warnings.append({title, text}); }
    bool ask(const QString &title, const QString &text) override
    {
        questions.append({title, text});
        return questionAnswers.isEmpty() || questionAnswers.dequeue();
    }
    void showStatus(const QString &text) override { statusMessages.append(text); }
    void closeMainWindow() override { ++closeCount; }
    void exitProgram() override { ++exitCount; }
    void showDocument(const QString &path, bool modified) override
    {
        documentPath = path;
        documentModified = modified;
    }

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
    void setUserDataDirectory(const QString &directory) { m_userDataDirectory = directory; }
    void setToday(const QDate &date) { m_today = date; }
    void setLocale(const QLocale &locale) { m_locale = locale; }

    QList<Message> warnings;
    QList<Message> questions;
    // Each question takes the next answer; Yes once the queue is empty.
    QQueue<bool> questionAnswers;
    QStringList statusMessages;
    int closeCount = 0;
    int exitCount = 0;
    QList<FileDialogRequest> dialogRequests;
    // Each file dialog takes the next answer; std::nullopt (or an empty queue) cancels.
    QQueue<std::optional<QString>> dialogAnswers;
    QList<DesktopCall> desktopCalls;
    // What the window's title shows.
    QString documentPath;
    bool documentModified = false;
    // Whether the desktop has no program for the documents it is handed.
    bool desktopRefuses = false;
    QStringList pagesShownInProgram;

private:
    QString m_programDirectory;
    QString m_userConfigDirectory;
    QString m_userDataDirectory;
    QDate m_today = QDate(2001, 3, 5);
    QLocale m_locale = QLocale(QLocale::English, QLocale::UnitedStates);
};
