#include "app/qtplatform.h"

#include <memory>

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include "app/helpviewer.h"

namespace {

// A launcher that has run this long has started a program that is now showing the document;
// how that program ends later says nothing about the opening.
constexpr qint64 launchAnswerMs = 15000;

// Opens the document through the desktop's launcher and reports when it says it could not.
// QDesktopServices starts the same launcher and forgets it, so it never learns that there was
// no program for the document. The process has no owner: one still running when the program
// ends is left to run, and the program it started with it.
void launch(const QString &launcher, const QString &path, const std::function<void()> &whenRefused)
{
    auto *process = new QProcess;
    process->setProgram(launcher);
    process->setArguments({path});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    auto answer = [process, started, whenRefused](bool refused) {
        if (refused && whenRefused && started->elapsed() < launchAnswerMs)
            whenRefused();
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, process, [answer](int exitCode, QProcess::ExitStatus status) {
        answer(status != QProcess::NormalExit || exitCode != 0);
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [answer](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            answer(true);
    });
    process->start();
}

} // namespace

QtPlatform::~QtPlatform()
{
    delete m_helpViewer;
}

void QtPlatform::setMainWindow(QMainWindow *window)
{
    m_mainWindow = window;
}

QString QtPlatform::programDirectory() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::userConfigDirectory() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QDate QtPlatform::today() const
{
    return QDate::currentDate();
}

QLocale QtPlatform::locale() const
{
    return QLocale::system();
}

QWidget *QtPlatform::dialogParent() const
{
    return m_mainWindow && m_mainWindow->isVisible() ? m_mainWindow.data() : nullptr;
}

void QtPlatform::showWarning(const QString &title, const QString &text)
{
    QMessageBox::warning(dialogParent(), title, text, QMessageBox::Ok);
}

void QtPlatform::showStatus(const QString &text)
{
    if (!m_mainWindow)
        return;
    if (text.isEmpty())
        m_mainWindow->statusBar()->clearMessage();
    else
        m_mainWindow->statusBar()->showMessage(text);
}

void QtPlatform::closeMainWindow()
{
    // The program ends by itself once no window is left; a dialog still open keeps it going.
    if (m_mainWindow)
        m_mainWindow->close();
}

void QtPlatform::exitProgram()
{
    // Leaves the event loop at once: no window is asked to close and nothing is saved.
    QCoreApplication::exit(0);
}

std::optional<QString> QtPlatform::chooseFile(const FileDialogRequest &request)
{
    QFileDialog dialog(dialogParent(), request.title);
    const bool saving = request.mode == FileDialogMode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.filters.isEmpty())
        dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) {
        dialog.selectFile(request.fileName);
    } else {
        // The current folder is the program's own, which an installed copy cannot write to:
        // a first dialog starts among the user's documents instead.
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!documents.isEmpty() && QFileInfo(documents).isDir())
            dialog.setDirectory(documents);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtPlatform::openWithDesktop(const QString &verb, const QString &path, const std::function<void()> &whenRefused)
{
    // The desktop offers one verb for a document: open it in the program it is associated
    // with. The program goes on either way.
    if (verb.compare(QLatin1String("Open"), Qt::CaseInsensitive) != 0)
        return;
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!launcher.isEmpty())
        launch(launcher, path, whenRefused);
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)) && whenRefused)
        whenRefused();
}

void QtPlatform::showPageInProgram(const QString &path)
{
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer(m_mainWindow);
    m_helpViewer->showPage(path);
    m_helpViewer->show();
    m_helpViewer->raise();
    m_helpViewer->activateWindow();
}
