#include <QApplication>
#include <QSettings>

#include "hostwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("KQControls"));
    QCoreApplication::setApplicationName(QStringLiteral("slider-host"));
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                       QCoreApplication::applicationName());
    HostWindow window(settings);
    window.show();
    return app.exec();
}
