#include <cstdlib>
#include <functional>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "app/endingsignals.h"
#include "app/mainwindow.h"
#include "app/menucommands.h"
#include "app/programicon.h"
#include "app/qtplatform.h"
#include "documents/spellcommands.h"
#include "documents/spelldraft.h"
#include "session/spellsession.h"
#include "shell/commandline.h"
#include "shell/shellcommands.h"
#include "shell/programinfo.h"
#include "shell/usersettings.h"
#include "translations/programlanguage.h"
#include "windowmodel/cantrix.h"

namespace {

// Runs an action once a window is on screen, where the desktop has placed it: a message box
// shown earlier would be centred on where the window was before it was placed. A window that
// is never exposed (started minimised) runs the action after a short while all the same.
class WhenOnScreen final : public QObject
{
public:
    WhenOnScreen(QWidget &window, std::function<void()> action)
        : QObject(&window), m_window(window.windowHandle()), m_action(std::move(action))
    {
        constexpr int longestWaitMs = 1500;
        m_window->installEventFilter(this);
        QTimer::singleShot(longestWaitMs, this, &WhenOnScreen::run);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Expose && m_window->isExposed())
            QTimer::singleShot(0, this, &WhenOnScreen::run);
        return QObject::eventFilter(watched, event);
    }

private:
    void run()
    {
        if (!m_action)
            return;
        const std::function<void()> action = std::move(m_action);
        m_action = nullptr;
        if (m_window)
            m_window->removeEventFilter(this);
        action();
        deleteLater();
    }

    QPointer<QWindow> m_window;
    std::function<void()> m_action;
};

} // namespace

int main(int argc, char *argv[])
{
    // Files are taken out of the arguments before Qt reads its own options from them, so a
    // spell named like one of those options is still opened.
    QList<QByteArray> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    const CommandLine::Split split = CommandLine::separateFiles(arguments, QDir::currentPath());
    QList<QByteArray> qtArguments = split.forQt;
    std::vector<char *> qtArgv;
    for (QByteArray &argument : qtArguments)
        qtArgv.push_back(argument.data());
    qtArgv.push_back(nullptr);
    int qtArgc = int(qtArguments.size());
    QApplication app(qtArgc, qtArgv.data());
    QApplication::setApplicationName(QStringLiteral("Cantrix3"));
    QApplication::setOrganizationName(QStringLiteral("Cantrix"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(ProgramInfo::versionMajor)
                                            .arg(ProgramInfo::versionMinor)
                                            .arg(ProgramInfo::versionRevision));
    QApplication::setDesktopFileName(QStringLiteral("cantrix3"));
    // Opened without blocking; a settings file that cannot be used is told of once the window
    // is filled, where start-up's own notes do not clear it.
    QObject settingsOwner;
    const UserSettings::Opened settings = UserSettings::open(&settingsOwner);
    // Before any text is made; the language picked in Options, or else the desktop's.
    ProgramLanguage::install(app, ProgramLanguage::localeFor(ProgramLanguage::chosen(*settings.settings)));
    QApplication::setWindowIcon(programIcon());
    // A document named on the command line is taken relative to the folder the program was started in.
    QString refusal;
    const QString document = CommandLine::process(app, split.files, &refusal);

    QtPlatform platform;
    SpellSession session(platform, *settings.settings);
    if (const QString notice = UserSettings::notice(settings); !notice.isEmpty()) {
        QObject::connect(
            &session.window(), &Cantrix::designStarted, &session, [&platform, notice] { platform.showStatus(notice); },
            Qt::SingleShotConnection);
    }
    MainWindow window(session);
    MenuCommands commands(window, session);
    platform.setMainWindow(&window);

    // The window is filled before it is first shown. Without a readable rules data file the
    // model has already told the user and closed the window: the program ends with none open,
    // and says to whoever started it that it failed.
    if (!session.start())
        return EXIT_FAILURE;
    window.show();
    // Told to end by the desktop or a terminal: as File > Exit, which keeps an unsaved spell;
    // nobody may be waiting to answer a message, so a spell that cannot be kept is told on
    // the error output, as at the end of a desktop session.
    const EndingSignals ending([&session] {
        session.end(SpellDraft::Ending::SessionEnd);
        session.shellCommands().mnuExit_Click();
    });
    // Opened once the window is up, so a message about the document stands over the window.
    if (!document.isEmpty())
        new WhenOnScreen(window, [&session, document] { session.spellCommands().openFile(document); });
    else if (!refusal.isEmpty())
        new WhenOnScreen(window, [&platform, refusal] {
            platform.showWarning(QApplication::translate("main", "Spell Not Opened"), refusal);
        });
    return QApplication::exec();
}
