// The program as whoever starts it sees it end: after the warning that its rules data file is
// missing or unreadable, dismissed, it ends with a failure status, so a script or a desktop
// that started it can tell it never ran; killed, it has kept the spell all the same.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/virtualdisplay.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// Starts the program on the X display in DISPLAY, waits for the window titled $2, presses $4
// (Enter when not given) on it and prints the program's exit status. When no such window comes it prints "none", and
// how the program ended if it did, with what it wrote to its error output.
const char *const dismissAndReport = R"sh(
"$1" >/dev/null 2>"$3" &
pid=$!
i=0
while [ $i -lt 300 ]; do
    window=$(xdotool search --name "$2" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    if ! kill -0 $pid 2>/dev/null; then
        wait $pid
        echo "none: the program ended with status $? before any window: $(cat "$3")"
        exit 0
    fi
    sleep 0.1
    i=$((i + 1))
done
if [ -z "$window" ]; then
    kill $pid 2>/dev/null
    echo none
    exit 0
fi
xdotool windowfocus --sync "$window" key "${4:-Return}"
wait $pid
echo "status $?"
)sh";

// Starts the program ($1) twice on the X display in DISPLAY. The first run gets a name typed
// and, once the draft has had time to follow, is killed outright; the second restores the
// spell through the keyboard, types more of the name and is ended by SIGTERM, as a logout
// ends it. Prints the second run's exit status, or what went wrong.
const char *const killAndRestore = R"sh(
started() {
    "$1" >/dev/null 2>>"$2" &
    pid=$!
    i=0
    while [ $i -lt 300 ]; do
        window=$(xdotool search --name "Cantrix 3rd ed" 2>/dev/null | head -n 1)
        [ -n "$window" ] && sleep 1 && return 0
        kill -0 $pid 2>/dev/null || return 1
        sleep 0.1
        i=$((i + 1))
    done
    kill $pid 2>/dev/null
    return 1
}
started "$@" || { echo "no window: $(cat "$2")"; exit 0; }
xdotool windowfocus --sync "$window" type --delay 40 Ember
sleep 4
kill -9 $pid
wait $pid 2>/dev/null
started "$@" || { echo "no window in the second run: $(cat "$2")"; exit 0; }
xdotool windowfocus --sync "$window" key alt+f l
sleep 1
xdotool key End type --delay 40 lash
sleep 1
kill -TERM $pid
wait $pid
echo "status $?"
)sh";

bool haveDisplayTools()
{
    for (const char *tool : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return false;
    }
    return true;
}

// A copy of the program in `folder`, with the bundled rules beside it when `withRules`: it
// looks for its rules beside itself.
QString copyProgram(const QTemporaryDir &folder, bool withRules)
{
    const QString program = folder.filePath(QStringLiteral("Cantrix3"));
    if (!QFile::copy(QStringLiteral(CANTRIX_PROGRAM), program))
        return QString();
    const QString rules = QFileInfo(QStringLiteral(CANTRIX_PROGRAM)).dir().filePath(QStringLiteral("GX2Mod.dat"));
    if (withRules && !QFile::copy(rules, folder.filePath(QStringLiteral("GX2Mod.dat"))))
        return QString();
    return program;
}

// Runs `script` with `arguments` on a virtual display of its own, with `home` as the user's
// home, and gives the last line it printed, or why it could not run.
QString runOnScreen(const char *script, const QString &home, const QStringList &arguments)
{
    const VirtualDisplay screen;
    if (screen.display().isEmpty())
        return screen.error();
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), screen.display());
    environment.insert(QStringLiteral("HOME"), home);
    for (const char *own : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        environment.remove(QLatin1String(own));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral("sh"), QStringList{QStringLiteral("-c"), QString::fromLatin1(script), QStringLiteral("sh")} + arguments);
    if (!run.waitForFinished(120000))
        return QStringLiteral("the script did not end");
    return QString::fromUtf8(run.readAllStandardOutput()).trimmed().section(u'\n', -1) + u' '
        + QString::fromLocal8Bit(run.readAllStandardError());
}

} // namespace

class TestProgramExit : public QObject
{
    Q_OBJECT

private slots:
    void fatalStartUpMessageEndsWithFailure_data()
    {
        QTest::addColumn<bool>("symlinkLoop");
        QTest::addColumn<QString>("title");
        QTest::newRow("missing") << false << QStringLiteral("File Missing!");
        QTest::newRow("unreadable") << true << QStringLiteral("File Unreadable!");
    }

    void fatalStartUpMessageEndsWithFailure()
    {
        QFETCH(bool, symlinkLoop);
        QFETCH(QString, title);
        if (!haveDisplayTools())
            QSKIP("Xvfb or xdotool is not installed");
        QTemporaryDir folder;
        const QString program = copyProgram(folder, false);
        QVERIFY(!program.isEmpty());
        if (symlinkLoop)
            QVERIFY(QFile::link(folder.filePath(QStringLiteral("GX2Mod.dat")), folder.filePath(QStringLiteral("GX2Mod.dat"))));
        const QString said = runOnScreen(dismissAndReport, folder.path(),
                                         {program, title, folder.filePath(QStringLiteral("errors.txt"))});
        QVERIFY2(said.startsWith(QStringLiteral("status 1 ")), qPrintable(said));
    }

    // A pipe where the program reads a file at start-up would block it for good: the window
    // comes up all the same, and Exit ends it.
    void startsPastAPipeWhereItReadsAFile_data()
    {
        QTest::addColumn<QString>("pipe");
        QTest::newRow("settings file") << QStringLiteral(".config/Cantrix/Cantrix3.conf");
        QTest::newRow("author options") << QStringLiteral("ctx.txt");
        QTest::newRow("remembered draft") << QStringLiteral(".local/share/Cantrix/Cantrix3/last-spell.xml");
    }

    void startsPastAPipeWhereItReadsAFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("pipes in the file system are a Unix matter");
#else
        QFETCH(QString, pipe);
        if (!haveDisplayTools())
            QSKIP("Xvfb or xdotool is not installed");
        QTemporaryDir folder;
        const QString program = copyProgram(folder, true);
        QVERIFY(!program.isEmpty());
        const QString pipePath = folder.filePath(pipe);
        QVERIFY(QDir().mkpath(QFileInfo(pipePath).absolutePath()));
        QCOMPARE(::mkfifo(QFile::encodeName(pipePath).constData(), 0600), 0);

        const QString said = runOnScreen(dismissAndReport, folder.path(),
                                         {program, QStringLiteral("Cantrix 3rd ed."),
                                          folder.filePath(QStringLiteral("errors.txt")), QStringLiteral("ctrl+q")});
        QVERIFY2(said.startsWith(QStringLiteral("status 0 ")), qPrintable(said));
#endif
    }

    void killedProgramLosesNoSpell()
    {
        if (!haveDisplayTools())
            QSKIP("Xvfb or xdotool is not installed");
        QTemporaryDir folder;
        const QString program = copyProgram(folder, true);
        QVERIFY(!program.isEmpty());
        const QString said = runOnScreen(killAndRestore, folder.path(), {program, folder.filePath(QStringLiteral("errors.txt"))});
        QVERIFY2(said.startsWith(QStringLiteral("status 0 ")), qPrintable(said));
        // Only a spell brought back by Restore, with more typed into it, has the whole name.
        const QDir drafts(folder.filePath(QStringLiteral(".local/share/Cantrix/Cantrix3")));
        QByteArray kept;
        for (const QString &draft : drafts.entryList({QStringLiteral("last-spell*.xml")}, QDir::Files)) {
            QFile file(drafts.filePath(draft));
            QVERIFY(file.open(QIODevice::ReadOnly));
            kept += file.readAll();
        }
        QVERIFY2(kept.contains("name=\"Emberlash\""), kept.constData());
    }
};

QTEST_GUILESS_MAIN(TestProgramExit)
#include "tst_programexit.moc"
