#pragma once

#include <functional>
#include <optional>

#include <QDate>
#include <QLocale>
#include <QString>

// What the spell design core needs from the desktop it runs on. The program implements it
// with Qt's dialogs and desktop services; tests and the scenario driver use a recording fake.
// Nothing in the core opens a dialog or touches the desktop except through this interface.
class Platform
{
public:
    enum class FileDialogMode { Open, Save };

    // What a file dialog is asked to show. The dialog remembers nothing itself: the caller
    // hands in the name chosen last and keeps the answer.
    struct FileDialogRequest
    {
        FileDialogMode mode = FileDialogMode::Open;
        QString title;
        QStringList filters;       // e.g. "Spells (*.xml)"; the first one is selected
        QString defaultSuffix;     // added to a typed name that has no extension
        QString fileName;          // the name the dialog starts with
        QString folder;            // where it starts when that name has no folder ("": documents)
    };

    virtual ~Platform() = default;

    // The folder that holds the program file: the rules data file and the help page lie here.
    virtual QString programDirectory() const = 0;
    // The per-user configuration folder, used where the program folder cannot be written.
    virtual QString userConfigDirectory() const = 0;
    // The per-user data folder, where the program keeps what it remembers between runs.
    virtual QString userDataDirectory() const = 0;
    virtual QDate today() const = 0;
    // The locale whose month names dates are written with.
    virtual QLocale locale() const = 0;

    // A modal message box with a warning icon and one OK button.
    virtual void showWarning(const QString &title, const QString &text) = 0;
    // A modal question with Yes and No buttons; true for Yes.
    virtual bool ask(const QString &title, const QString &text) = 0;
    // A passing, non-modal notice (the main window's status bar); an empty text ends it.
    virtual void showStatus(const QString &text) = 0;
    // Hides and unloads the main window; the program ends once no window is left.
    virtual void closeMainWindow() = 0;
    // Ends the program at once, nothing asked, nothing saved.
    virtual void exitProgram() = 0;
    // The document the main window shows in its title: the file ("" for none) and whether the
    // spell on screen differs from it.
    virtual void showDocument(const QString &path, bool modified) = 0;

    // A modal file dialog; no value when the user cancelled.
    virtual std::optional<QString> chooseFile(const FileDialogRequest &request) = 0;
    // Hands a document to the desktop with a verb such as "Open" (help page, exported card).
    // `whenRefused`, when given, runs if no program of the desktop could take the document; it
    // may run later, from the event loop, once the desktop has said so.
    virtual void openWithDesktop(const QString &verb, const QString &path,
                                 const std::function<void()> &whenRefused) = 0;
    // Shows an HTML page in a viewer of the program's own, for when the desktop has none.
    virtual void showPageInProgram(const QString &path) = 0;
};
