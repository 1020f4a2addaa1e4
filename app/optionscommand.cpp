#include "app/optionscommand.h"

#include "app/frmoptions.h"

OptionsCommand::OptionsCommand(Platform &platform, QSettings &settings, QObject *parent)
    : QObject(parent), m_platform(platform), m_settings(settings)
{
}

OptionsCommand::~OptionsCommand()
{
    // The dialog refers to the platform, which does not outlive this command.
    delete m_dialog;
}

FrmOptions *OptionsCommand::dialog() const
{
    return m_dialog;
}

void OptionsCommand::mnuOptions_Click()
{
    if (!m_dialog) {
        m_dialog = new FrmOptions(m_platform, m_settings);
        m_dialog->model().Form_Load();
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
