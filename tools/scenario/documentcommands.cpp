// Scenario commands for spell documents and the author options: the File menu's Open and
// Save with the file dialog's answer given in the script, the date saves take as today, and
// the Options dialog with its fields and buttons.
#include <memory>

#include <QDate>

#include "author/authoroptionsform.h"
#include "documents/spellcommands.h"
#include "tools/scenario/scenariojson.h"
#include "tools/scenario/scenariorunner.h"

namespace {

// What these commands keep between script lines: the Open/Save commands with their remembered
// file name, and the Options dialog while it is open (at most one, as in the program).
struct DocumentSession
{
    explicit DocumentSession(ScenarioRunner &runner) : platform(runner.platform()), commands(runner.spellCommands())
    {
    }

    // Runs one of the dialog's buttons and unloads the dialog when the button asks for it.
    // The dialog is released only after the handler has returned, never inside its signal.
    template<typename Click>
    void clickButton(Click click)
    {
        bool unload = false;
        const QMetaObject::Connection connection =
            QObject::connect(options.get(), &AuthorOptionsForm::unloadRequested, [&unload] { unload = true; });
        click(*options);
        QObject::disconnect(connection);
        if (unload)
            options.reset();
    }

    RecordingPlatform &platform;
    SpellCommands &commands;
    std::unique_ptr<AuthorOptionsForm> options;
};

QString dialogNotOpen()
{
    return QStringLiteral("the Options dialog is not open");
}

} // namespace

void addDocumentScenarioCommands(ScenarioRunner &runner)
{
    using Argument = ScenarioRunner::Argument;
    const auto session = std::make_shared<DocumentSession>(runner);

    runner.addCommand(QStringLiteral("today"), Argument::Text, [session](const QString &text, int) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (!date.isValid())
            return QStringLiteral("\"today\" needs a date as YYYY-MM-DD, not \"%1\"").arg(text);
        session->platform.setToday(date);
        return QString();
    });

    // The file dialog answers with PATH (a name without extension gets ".xml", as in the
    // program) or is cancelled.
    const auto fileCommand = [session](bool saving, const std::optional<QString> &answer) {
        session->platform.dialogAnswers.enqueue(answer);
        if (saving)
            session->commands.mnuSave_Click();
        else
            session->commands.mnuOpen_Click();
        return QString();
    };
    runner.addCommand(QStringLiteral("save"), Argument::Text,
                      [fileCommand](const QString &path, int) { return fileCommand(true, path); });
    runner.addCommand(QStringLiteral("save-cancel"), Argument::None,
                      [fileCommand](const QString &, int) { return fileCommand(true, std::nullopt); });
    runner.addCommand(QStringLiteral("open"), Argument::Text,
                      [fileCommand](const QString &path, int) { return fileCommand(false, path); });
    runner.addCommand(QStringLiteral("open-cancel"), Argument::None,
                      [fileCommand](const QString &, int) { return fileCommand(false, std::nullopt); });

    // A second Options while the dialog is open only brings it to the front: nothing is re-read.
    runner.addCommand(QStringLiteral("options-open"), Argument::None, [session](const QString &, int) {
        if (!session->options) {
            session->options = std::make_unique<AuthorOptionsForm>(session->platform);
            session->options->Form_Load();
        }
        return QString();
    });
    const auto fieldCommand = [session](TextControl AuthorOptionsForm::*field) {
        return [session, field](const QString &text, int) {
            if (!session->options)
                return dialogNotOpen();
            ((*session->options).*field).setText(text);
            return QString();
        };
    };
    runner.addCommand(QStringLiteral("options-name"), Argument::Text, fieldCommand(&AuthorOptionsForm::txtName));
    runner.addCommand(QStringLiteral("options-email"), Argument::Text, fieldCommand(&AuthorOptionsForm::txtEmail));
    runner.addCommand(QStringLiteral("options-url"), Argument::Text, fieldCommand(&AuthorOptionsForm::txtURL));
    runner.addCommand(QStringLiteral("options-ok"), Argument::None, [session](const QString &, int) {
        if (!session->options)
            return dialogNotOpen();
        session->clickButton([](AuthorOptionsForm &form) { form.cmdOk_Click(); });
        return QString();
    });
    runner.addCommand(QStringLiteral("options-cancel"), Argument::None, [session](const QString &, int) {
        if (!session->options)
            return dialogNotOpen();
        session->clickButton([](AuthorOptionsForm &form) { form.cmdCancel_Click(); });
        return QString();
    });

    runner.addDumpField(QStringLiteral("frmOptions"), [session] {
        using namespace ScenarioJson;
        if (!session->options)
            return QStringLiteral("null");
        const AuthorOptionsForm &form = *session->options;
        return object({{QStringLiteral("txtName"), string(form.txtName.text())},
                       {QStringLiteral("txtEmail"), string(form.txtEmail.text())},
                       {QStringLiteral("txtURL"), string(form.txtURL.text())}});
    });
}
