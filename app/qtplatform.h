#pragma once

#include <QCoreApplication>
#include <QPointer>

#include "platform/platform.h"

class HelpViewer;
class QMainWindow;

// The desktop as the program meets it: Qt's message box, file dialog and desktop services,
// the desktop's document launcher, the main window's status bar, the program's own page
// viewer, and the folders Qt knows for the program and the user.
class QtPlatform final : public Platform
{
    Q_DISABLE_COPY_MOVE(QtPlatform)
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)

public:
    QtPlatform() = default;
    ~QtPlatform() override;

    // The window that status messages go to and that closeMainWindow() closes.
    void setMainWindow(QMainWindow *window);

    QString programDirectory() const override;
    QString userConfigDirectory() const override;
    QString userDataDirectory() const override;
    QDate today() const override;
    QLocale locale() const override;

    void showWarning(const QString &title, const QString &text) override;
    bool ask(const QString &title, const QString &text) override;
    void showStatus(const QString &text) override;
    void closeMainWindow() override;
    void exitProgram() override;
    void showDocument(const QString &path, bool modified) override;

    std::optional<QString> chooseFile(const FileDialogRequest &request) override;
    void openWithDesktop(const QString &verb, const QString &path,
                         const std::function<void()> &whenRefused) override;
    void showPageInProgram(const QString &path) override;

private:
    // Dialogs belong to the main window while it is on screen; before it is shown (at
    // start-up) they stand alone.
    QWidget *dialogParent() const;

    QPointer<QMainWindow> m_mainWindow;
    QPointer<HelpViewer> m_helpViewer; // made when first needed, then kept
};
