#pragma once

#include <QCoreApplication>
#include <QSettings>

#include "app/mainwindow.h"
#include "app/menucommands.h"
#include "session/spellsession.h"
#include "windowmodel/cantrix.h"
#include "tests/support/recordingplatform.h"

// What the program does from main() to a window on screen, with a recording platform.
struct ShownWindow
{
    explicit ShownWindow(RecordingPlatform &platform)
        : session(platform, settings), model(session.window()), window(session), commands(window, session)
    {
        session.start();
        window.show();
        // The show becomes an expose and a first paint only once the events are handled.
        QCoreApplication::processEvents();
    }

    QSettings settings;
    SpellSession session;
    Cantrix &model;
    MainWindow window;
    MenuCommands commands;
};
