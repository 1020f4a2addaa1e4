#pragma once

#include <QObject>
#include <QPointer>

class FrmOptions;
class Platform;
class QSettings;

// The File menu's "Options...": shows the Options dialog without blocking the main window.
// There is only ever one: while it is open, choosing Options again brings it to the front
// with what has been typed so far.
class OptionsCommand final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsCommand)

public:
    // `settings` keep the language chosen in the dialog; they outlive the command.
    OptionsCommand(Platform &platform, QSettings &settings, QObject *parent = nullptr);
    ~OptionsCommand() override;

    void mnuOptions_Click();

    // The open dialog, or null.
    FrmOptions *dialog() const;

private:
    Platform &m_platform;
    QSettings &m_settings;
    QPointer<FrmOptions> m_dialog;
};
