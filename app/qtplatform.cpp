#include "app/qtplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include "shell/programinfo.h"

namespace {

void showStatusIn(QStatusBar *bar, const QString &text)
{
    if (text.isEmpty())
        bar->clearMessage();
    else
        bar->showMessage(text);
}

} // namespace

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

void QtPlatform::openWithDesktop(const QString &verb, const QString &path)
{
    // The desktop offers one verb for a document: open it in the program it is associated
    // with. Any failure is the desktop's to report; the program goes on either way.
    if (verb.compare(QLatin1String("Open"), Qt::CaseInsensitive) == 0)
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
