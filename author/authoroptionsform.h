#pragma once

#include <QObject>
#include <QString>

#include "windowmodel/textcontrol.h"

class Platform;

// The Options dialog frmOptions as a model: its three fields and its buttons' handlers, so the
// dialog's behaviour runs and is tested without widgets. The program's dialog mirrors the
// fields into line edits and closes when unloadRequested() is raised.
class AuthorOptionsForm final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AuthorOptionsForm)

public:
    static constexpr auto caption = "Options";

    explicit AuthorOptionsForm(Platform &platform, QObject *parent = nullptr);

    TextControl txtName{QStringLiteral("txtName")};
    TextControl txtEmail{QStringLiteral("txtEmail")};
    TextControl txtURL{QStringLiteral("txtURL")};

    // The file the dialog reads and writes (the same one every spell save reads).
    QString filePath() const;

    // Runs each time the dialog is loaded: fills the fields from the options file. A missing
    // or unreadable file leaves them empty; a line the file lacks leaves its field empty.
    void Form_Load();

    struct OkResult
    {
        bool stored = false;
        QString message; // why the file could not be written, when !stored
    };
    // Stores the three fields and asks the dialog to close. When the file cannot be written
    // the user is told which file and why, and the dialog stays open with what was typed.
    OkResult cmdOk_Click();
    // Closes the dialog; the file is not touched.
    void cmdCancel_Click();

signals:
    // The dialog is to be unloaded: OK stored the values, or Cancel was chosen.
    void unloadRequested();

private:
    Platform &m_platform;
};
