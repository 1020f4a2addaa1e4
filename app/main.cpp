#include <cstdlib>

#include <QApplication>

#include "app/mainwindow.h"
#include "app/programicon.h"
#include "app/qtplatform.h"
#include "design/cantrix.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantrix3"));
    QApplication::setOrganizationName(QStringLiteral("Cantrix"));
    QApplication::setDesktopFileName(QStringLiteral("cantrix3"));
    QApplication::setWindowIcon(programIcon());

    QtPlatform platform;
    Cantrix cantrix(platform);
    MainWindow window(cantrix);
    platform.setMainWindow(&window);

    // The window is filled before it is first shown. Without a readable rules data file the
    // model has already told the user and closed the window: the program ends with none open,
    // and says to whoever started it that it failed.
    cantrix.Form_Load();
    if (cantrix.isClosed())
        return EXIT_FAILURE;
    window.show();
    const int status = QApplication::exec();
    // New found the rules data file gone and closed the window: an end as at a failed start.
    return cantrix.isClosed() ? EXIT_FAILURE : status;
}
