#include <cstdlib>
#include <functional>

#include <QApplication>
#include <QPointer>
#include <QSettings>
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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantrix3"));
    QApplication::setOrganizationName(QStringLiteral("Cantrix"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(ProgramInfo::versionMajor)
                                            .arg(ProgramInfo::versionMinor)
                                            .arg(ProgramInfo::versionRevision));
    QApplication::setDesktopFileName(QStringLiteral("cantrix3"));
    QApplication::setWindowIcon(programIcon());
    // A document named on the command line is taken relative to the folder the program was started in.
    const QString document = CommandLine::process(app);

    QtPlatform platform;
    QSettings settings;
    SpellSession session(platform, settings);
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
    return QApplication::exec();
}
