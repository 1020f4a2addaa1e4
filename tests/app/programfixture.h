#pragma once

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include "app/mainwindow.h"
#include "app/menucommands.h"
#include "session/spellsession.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"
#include "windowmodel/cantrix.h"

// The program as main() assembles it, in a program folder of its own holding `rules`: the
// session with its window model, the main window and its menus, loaded and on screen.
struct ProgramFixture
{
    QTemporaryDir dir;
    RecordingPlatform platform;
    QSettings settings;
    SpellSession session{platform, settings};
    Cantrix &cantrix = session.window();
    MainWindow window{session};
    MenuCommands commands{window, session};

    explicit ProgramFixture(const QStringList &rules, bool load = true)
    {
        platform.setProgramDirectory(dir.path());
        RulesFixture::write(dir.path(), rules);
        if (load)
            cantrix.Form_Load();
        window.show();
    }
};
