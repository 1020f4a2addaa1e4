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
#include <QTimer>
#include <QUrl>

#include "app/helpviewer.h"
#include "shell/programinfo.h"

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

// A note has had its time once read; what stays true (the count of rules problems) is shown
// by a widget of the status bar instead.
constexpr int noteTimeoutMs = 10000;

void showStatusIn(QStatusBar *bar, const QString &text)
{
    if (text.isEmpty())
        bar->clearMessage();
    else
        bar->showMessage(text, noteTimeoutMs);
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

QString QtPlatform::userDataDirectory() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
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
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, dialogParent());
    // Messages quote file names and documents word for word: nothing in them is markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPlatform::ask(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::showStatus(const QString &text)
{
    if (!m_mainWindow)
        return;
    // A status bar hides what a message covers only while it is on screen: a message given
    // before the window is first shown (a note at start-up) waits for the event loop, which
    // starts once the window is shown.
    if (m_mainWindow->isVisible())
        showStatusIn(m_mainWindow->statusBar(), text);
    else
        QTimer::singleShot(0, m_mainWindow->statusBar(), [bar = m_mainWindow->statusBar(), text] { showStatusIn(bar, text); });
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

void QtPlatform::showDocument(const QString &path, bool modified)
{
    if (!m_mainWindow)
        return;
    // The title names the file, with the place holder Qt turns into the modified marker; the
    // file path lets the desktop offer the file itself (a proxy icon, a recent-documents list).
    m_mainWindow->setWindowFilePath(path);
    m_mainWindow->setWindowTitle(path.isEmpty() ? ProgramInfo::title()
                                                : tr("%1[*] - %2").arg(QFileInfo(path).fileName(), ProgramInfo::title()));
    m_mainWindow->setWindowModified(modified);
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
    // Whether a file may be replaced is the command's to ask: saving again to the spell's own
    // file asks nothing.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (request.fileName.isEmpty() || QFileInfo(request.fileName).isRelative()) {
        // A dialog without a folder of its own starts where the spells are, else among the
        // user's documents, never in whatever folder the program was started from, which for
        // an installed copy may not be writable.
        QString folder = request.folder;
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            dialog.setDirectory(folder);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
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
