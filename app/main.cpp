#include <QApplication>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/menucommands.h"
#include "app/programicon.h"
#include "app/qtplatform.h"
#include "design/cantrix.h"
#include "documents/spellcommands.h"
#include "shell/commandline.h"
#include "shell/programinfo.h"

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
    // Read before start-up makes the program's folder the current one.
    const QString document = CommandLine::process(app);

    QtPlatform platform;
    Cantrix cantrix(platform);
    MainWindow window(cantrix);
    platform.setMainWindow(&window);

    // The window is filled before it is first shown. Without a readable rules data file the
    // model has already told the user and closed the window: the program ends with none open.
    cantrix.Form_Load();
    if (cantrix.isClosed())
        return 0;
    window.show();
    // Opened once the window is up, so a message about the document stands over the window.
    if (!document.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, document] {
            window.commands().spellCommands().openFile(document);
        });
    }
    return QApplication::exec();
}
