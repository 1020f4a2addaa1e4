// The program as whoever starts it sees it end: after the warning that its rules data file is
// missing or unreadable, dismissed, it ends with a failure status, so a script or a desktop
// that started it can tell it never ran.
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
        for (const char *tool : {"Xvfb", "xdotool"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("Xvfb or xdotool is not installed");
        }
        // A copy of the program in a folder of its own: it looks for its rules beside itself.
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("Cantrix3"));
        QVERIFY(QFile::copy(QStringLiteral(CANTRIX_PROGRAM), program));
        if (symlinkLoop)
            QVERIFY(QFile::link(folder.filePath(QStringLiteral("GX2Mod.dat")), folder.filePath(QStringLiteral("GX2Mod.dat"))));

        const VirtualDisplay screen;
        QVERIFY2(!screen.display().isEmpty(), qPrintable(screen.error()));
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), screen.display());
        environment.insert(QStringLiteral("HOME"), folder.path());
        run.setProcessEnvironment(environment);
        run.start(QStringLiteral("sh"), {QStringLiteral("-c"), QString::fromLatin1(dismissAndReport), QStringLiteral("sh"),
                                         program, title, folder.filePath(QStringLiteral("errors.txt"))});
        QVERIFY(run.waitForFinished(120000));
        const QString said = QString::fromUtf8(run.readAllStandardOutput()).trimmed().section(u'\n', -1);
        QVERIFY2(said == QStringLiteral("status 1"),
                 qPrintable(said + u' ' + QString::fromLocal8Bit(run.readAllStandardError())));
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
        for (const char *tool : {"Xvfb", "xdotool"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("Xvfb or xdotool is not installed");
        }
        QTemporaryDir folder;
        const QString program = folder.filePath(QStringLiteral("Cantrix3"));
        QVERIFY(QFile::copy(QStringLiteral(CANTRIX_PROGRAM), program));
        const QString programFolder = QFileInfo(QStringLiteral(CANTRIX_PROGRAM)).absolutePath();
        QVERIFY(QFile::copy(programFolder + QStringLiteral("/GX2Mod.dat"), folder.filePath(QStringLiteral("GX2Mod.dat"))));
        const QString pipePath = folder.filePath(pipe);
        QVERIFY(QDir().mkpath(QFileInfo(pipePath).absolutePath()));
        QCOMPARE(::mkfifo(QFile::encodeName(pipePath).constData(), 0600), 0);

        const VirtualDisplay screen;
        QVERIFY2(!screen.display().isEmpty(), qPrintable(screen.error()));
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), screen.display());
        environment.insert(QStringLiteral("HOME"), folder.path());
        environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
        run.setProcessEnvironment(environment);
        run.start(QStringLiteral("sh"), {QStringLiteral("-c"), QString::fromLatin1(dismissAndReport), QStringLiteral("sh"),
                                         program, QStringLiteral("Cantrix 3rd ed."),
                                         folder.filePath(QStringLiteral("errors.txt")), QStringLiteral("ctrl+q")});
        QVERIFY(run.waitForFinished(120000));
        const QString said = QString::fromUtf8(run.readAllStandardOutput()).trimmed().section(u'\n', -1);
        QVERIFY2(said == QStringLiteral("status 0"),
                 qPrintable(said + u' ' + QString::fromLocal8Bit(run.readAllStandardError())));
#endif
    }
};

QTEST_GUILESS_MAIN(TestProgramExit)
#include "tst_programexit.moc"
