#pragma once

#include <QCoreApplication>

#include "app/mainwindow.h"
#include "design/cantrix.h"
#include "tests/support/recordingplatform.h"

// What the program does from main() to a window on screen, with a recording platform.
struct ShownWindow
{
    explicit ShownWindow(RecordingPlatform &platform) : model(platform), window(model)
    {
        model.Form_Load();
        window.show();
        // The show becomes an expose and a first paint only once the events are handled.
        QCoreApplication::processEvents();
    }

    Cantrix model;
    MainWindow window;
};
