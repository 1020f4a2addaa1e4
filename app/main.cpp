#include <QAction>
#include <QApplication>

#include "cantrix.h"
#include "mainwindow.h"
#include "optionscommand.h"
#include "programicon.h"
#include "qtplatform.h"
#include "spellcommands.h"

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

    SpellCommands spellCommands(cantrix, platform);
    QObject::connect(window.mnuOpen(), &QAction::triggered, &spellCommands, &SpellCommands::mnuOpen_Click);
    QObject::connect(window.mnuSave(), &QAction::triggered, &spellCommands, &SpellCommands::mnuSave_Click);
    OptionsCommand options(platform);
    QObject::connect(window.mnuOptions(), &QAction::triggered, &options, &OptionsCommand::mnuOptions_Click);

    // The window is filled before it is first shown. Without a readable rules data file the
    // model has already told the user and closed the window: the program ends with none open.
    cantrix.Form_Load();
    if (cantrix.isClosed())
        return 0;
    window.show();
    return QApplication::exec();
}
