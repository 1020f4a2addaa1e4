// An install into a temporary prefix, as `cmake --install` makes it for a user or a package:
// every file where the desktop looks for it, a bin link that reaches the program, and an
// installed program that starts and finds its rules data file beside itself.
#include <filesystem>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "shell/programinfo.h"
#include "tests/support/virtualdisplay.h"

namespace {

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QByteArray output;
};

Run run(const QString &program, const QStringList &arguments, int timeoutMs,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAll();
    return result;
}

// Shows on the X display in DISPLAY whether the program put up its main window or the warning
// about a missing rules data file: prints "main", "warning" or "none".
const char *const windowProbe = R"sh(
"$1" >/dev/null 2>&1 &
pid=$!
shown=none
i=0
while [ $i -lt 300 ] && kill -0 $pid 2>/dev/null; do
    if xwininfo -name "$2" 2>/dev/null | grep -q IsViewable; then shown=main; break; fi
    if xwininfo -name "$3" 2>/dev/null | grep -q IsViewable; then shown=warning; break; fi
    sleep 0.1
    i=$((i + 1))
done
kill $pid 2>/dev/null
wait $pid 2>/dev/null
echo "$shown"
)sh";

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_prefix;
    QTemporaryDir m_home;

    QString installed(const QString &relative) const { return QDir(m_prefix.path()).filePath(relative); }
    QString programDir() const { return installed(QStringLiteral(CANTRIX_INSTALL_PROGRAMDIR)); }
    QString binLink() const { return installed(QStringLiteral(CANTRIX_INSTALL_BINDIR "/cantrix3")); }

    // The installed program runs as a user would run it: its own home, no test settings.
    QProcessEnvironment programEnvironment(const QString &platform) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral(".config")));
        return environment;
    }

    QString probeWindows(const QString &program)
    {
        const VirtualDisplay screen;
        if (screen.display().isEmpty())
            return screen.error();
        QProcessEnvironment environment = programEnvironment(QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), screen.display());
        const Run probe = run(QStringLiteral("sh"),
                              {QStringLiteral("-c"), QString::fromLatin1(windowProbe), QStringLiteral("sh"), program,
                               ProgramInfo::title(), QString::fromLatin1(Cantrix::missingRulesTitle)},
                              120000, environment);
        return QString::fromUtf8(probe.output).trimmed().section(u'\n', -1);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QVERIFY(m_home.isValid());
        for (const char *component : {"program", "data"}) {
            const Run install = run(QStringLiteral(CANTRIX_CMAKE_COMMAND),
                                    {QStringLiteral("--install"), QStringLiteral(CANTRIX_BINARY_DIR),
                                     QStringLiteral("--prefix"), m_prefix.path(), QStringLiteral("--component"),
                                     QLatin1String(component)},
                                    120000);
            QVERIFY2(install.finished && install.exitCode == 0, install.output.constData());
        }
    }

    void filesAreWhereTheDesktopLooks_data()
    {
        QTest::addColumn<QString>("path");
        const QString programDir = QStringLiteral(CANTRIX_INSTALL_PROGRAMDIR "/");
        const QString dataDir = QStringLiteral(CANTRIX_INSTALL_DATADIR "/");
        for (const char *file : {"Cantrix3", "GX2Mod.dat", "CTXhelp.htm", "CTXhelp.de.htm", "GX2-Spell.xsl",
                                 "translations/cantrix3_de.qm"})
            QTest::newRow(file) << programDir + QLatin1String(file);
        QTest::newRow("rules checker") << QStringLiteral(CANTRIX_INSTALL_BINDIR "/gx2check");
        QTest::newRow("desktop entry") << dataDir + QStringLiteral("applications/cantrix3.desktop");
        QTest::newRow("metainfo") << dataDir + QStringLiteral("metainfo/cantrix3.metainfo.xml");
        for (int size : {16, 32, 48, 64, 128, 256}) {
            QTest::newRow(qPrintable(QStringLiteral("icon %1").arg(size)))
                << dataDir + QStringLiteral("icons/hicolor/%1x%1/apps/cantrix3.png").arg(size);
        }
        QTest::newRow("scalable icon") << dataDir + QStringLiteral("icons/hicolor/scalable/apps/cantrix3.svg");
    }

    void filesAreWhereTheDesktopLooks()
    {
        QFETCH(QString, path);
        const QFileInfo file(installed(path));
        QVERIFY2(file.isFile(), qPrintable(file.filePath()));
        QVERIFY2(file.size() > 0, qPrintable(file.filePath()));
    }

    void binLinkReachesTheProgram()
    {
        const QFileInfo link(binLink());
        QVERIFY2(link.isSymLink(), qPrintable(link.filePath()));
        // Relative, so the installed tree still works when moved as a whole (staging, packages).
        const std::filesystem::path target = std::filesystem::read_symlink(link.filePath().toStdString());
        QVERIFY2(target.is_relative(), target.c_str());
        QCOMPARE(link.canonicalFilePath(), QFileInfo(QDir(programDir()).filePath(QStringLiteral("Cantrix3"))).canonicalFilePath());
        QVERIFY(link.isExecutable());
    }

    void desktopEntryStartsTheLinkAndShowsTheIcon()
    {
        QFile entry(installed(QStringLiteral(CANTRIX_INSTALL_DATADIR "/applications/cantrix3.desktop")));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(u'\n');
        QVERIFY(lines.contains(QStringLiteral("Exec=") + QFileInfo(binLink()).fileName() + QStringLiteral(" %f")));
        QVERIFY(lines.contains(QStringLiteral("Icon=cantrix3")));
    }

    void uninstallFromTheManifestRemovesTheLink()
    {
        QFile manifest(QStringLiteral(CANTRIX_BINARY_DIR "/install_manifest_program.txt"));
        QVERIFY(manifest.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList listed = QString::fromUtf8(manifest.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(listed.contains(binLink()), qPrintable(listed.join(u'\n')));
        QVERIFY2(listed.contains(QDir(programDir()).filePath(QStringLiteral("Cantrix3"))),
                 qPrintable(listed.join(u'\n')));
    }

    void installedProgramKeepsNoPathIntoTheBuild()
    {
        const QString readelf = QStandardPaths::findExecutable(QStringLiteral("readelf"));
        if (readelf.isEmpty())
            QSKIP("readelf is not installed");
        const Run dynamic = run(readelf, {QStringLiteral("-d"), QDir(programDir()).filePath(QStringLiteral("Cantrix3"))},
                                30000);
        QVERIFY(dynamic.finished && dynamic.exitCode == 0);
        for (const QByteArray &line : dynamic.output.split('\n')) {
            if (line.contains("RPATH") || line.contains("RUNPATH"))
                QVERIFY2(!line.contains(CANTRIX_BINARY_DIR), line.constData());
        }
    }

    void installedProgramKeepsRunning()
    {
        // Without a display of its own the program still starts; one that cannot load its
        // libraries or crashes ends at once. It is stopped after a while.
        QProcess program;
        program.setProcessEnvironment(programEnvironment(QStringLiteral("offscreen")));
        program.setWorkingDirectory(m_home.path());
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(binLink(), {});
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        const bool ended = program.waitForFinished(3000);
        const QByteArray output = program.readAll();
        program.kill();
        program.waitForFinished();
        QVERIFY2(!ended, output.constData());
    }

    void installedProgramShowsItsWindowNotTheMissingFileWarning()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
            QSKIP("Xvfb or xwininfo is not installed");
        QCOMPARE(probeWindows(binLink()), QStringLiteral("main"));

        // The same tree without its rules data file puts up the warning instead: the probe
        // tells the two apart.
        QTemporaryDir copy;
        const QString copied = copy.filePath(QStringLiteral("prefix"));
        const Run cp = run(QStringLiteral("cp"), {QStringLiteral("-a"), m_prefix.path(), copied}, 60000);
        QVERIFY2(cp.finished && cp.exitCode == 0, cp.output.constData());
        QVERIFY(QFile::remove(QDir(copied).filePath(QStringLiteral(CANTRIX_INSTALL_PROGRAMDIR "/GX2Mod.dat"))));
        QCOMPARE(probeWindows(QDir(copied).filePath(QStringLiteral(CANTRIX_INSTALL_BINDIR "/cantrix3"))),
                 QStringLiteral("warning"));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
