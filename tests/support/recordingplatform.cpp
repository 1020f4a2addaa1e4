#include "recordingplatform.h"

#include <QFileInfo>

RecordingPlatform::RecordingPlatform()
    // A fixed day and English month names, so dates in saved documents are known in advance.
    : m_today(2001, 3, 5), m_locale(QLocale::English, QLocale::UnitedStates)
{
}

void RecordingPlatform::clearRecords()
{
    m_warnings.clear();
    m_statusMessages.clear();
    m_fileRequests.clear();
    m_desktopOpens.clear();
    m_unansweredFileDialogs = 0;
    m_closeMainWindowCount = 0;
    m_exitProgramCount = 0;
}

void RecordingPlatform::showWarning(const QString &title, const QString &text)
{
    m_warnings.append({title, text});
}

void RecordingPlatform::showStatus(const QString &text)
{
    m_statusMessages.append(text);
}

void RecordingPlatform::closeMainWindow()
{
    ++m_closeMainWindowCount;
}

void RecordingPlatform::exitProgram()
{
    ++m_exitProgramCount;
}

std::optional<QString> RecordingPlatform::chooseFile(const FileDialogRequest &request)
{
    m_fileRequests.append(request);
    if (m_fileAnswers.isEmpty()) {
        ++m_unansweredFileDialogs;
        return std::nullopt;
    }
    std::optional<QString> answer = m_fileAnswers.takeFirst();
    if (answer && !request.defaultSuffix.isEmpty() && QFileInfo(*answer).suffix().isEmpty())
        *answer += QLatin1Char('.') + request.defaultSuffix;
    return answer;
}

void RecordingPlatform::openWithDesktop(const QString &verb, const QString &path)
{
    m_desktopOpens.append({verb, path});
}
