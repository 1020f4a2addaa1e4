// Help Index, Exit and the program's title and version, as the shell commands hand them to
// the desktop.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "design/cantrix.h"
#include "shell/programinfo.h"
#include "shell/shellcommands.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using RulesFixture::withTokens;

namespace {

// Everything the window shows and holds, to tell whether a command left it as it was.
QStringList windowState(Cantrix &cantrix)
{
    QStringList state = {cantrix.NameText.text(), cantrix.ForceText.text(), cantrix.DrainText.text(),
                         cantrix.DescriptionText.text(), cantrix.Text2.text(), cantrix.CreationDate};
    for (ListControl *list : cantrix.lists())
        state << list->name() << QString::number(list->selectedIndex()) << list->rows();
    return state;
}

struct LoadedWindow
{
    QTemporaryDir dir;
    RecordingPlatform platform;
    Cantrix cantrix{platform};
    ShellCommands shell{platform};

    LoadedWindow()
    {
        platform.setProgramDirectory(dir.path());
        RulesFixture::write(dir.path(), {withTokens("#Alpha", "+1"), withTokens("Plain", "+1"),
                                         withTokens("Other", "-1DRT"), withTokens("]Mana", "+1")});
        cantrix.Form_Load();
        // A spell in the making, never saved.
        cantrix.NameText.setText(QStringLiteral("Spark"));
        cantrix.ForceText.setText(QStringLiteral("4"));
        cantrix.userDoubleClickModifier(1);
        cantrix.Summary2List.setSelectedIndex(0);
    }
};

} // namespace

class TestHelpAndExit : public QObject
{
    Q_OBJECT

private slots:
    void helpIndexOpensThePageBesideTheProgram_data()
    {
        QTest::addColumn<QString>("programDirectory");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/opt/cantrix3" << "/opt/cantrix3/CTXhelp.htm";
        QTest::newRow("blanks") << "/home/me/My Games/Cantrix 3" << "/home/me/My Games/Cantrix 3/CTXhelp.htm";
        QTest::newRow("trailing slash") << "/usr/lib/cantrix3/" << "/usr/lib/cantrix3/CTXhelp.htm";
        QTest::newRow("root") << "/" << "/CTXhelp.htm";
    }

    void helpIndexOpensThePageBesideTheProgram()
    {
        QFETCH(QString, programDirectory);
        QFETCH(QString, expected);
        RecordingPlatform platform(programDirectory);
        ShellCommands shell(platform);
        shell.mnuHelpIndex_Click();
        QCOMPARE(platform.desktopCalls.size(), 1);
        QCOMPARE(platform.desktopCalls.at(0).verb, QStringLiteral("Open"));
        QCOMPARE(platform.desktopCalls.at(0).path, expected);
    }

    void helpIndexWithoutThePageLeavesTheWindowAsItWas()
    {
        LoadedWindow w;
        QVERIFY(!QFile::exists(w.shell.helpFilePath()));
        const QStringList before = windowState(w.cantrix);
        w.shell.mnuHelpIndex_Click();
        QCOMPARE(windowState(w.cantrix), before);
        QCOMPARE(w.platform.desktopCalls.size(), 1);
        QVERIFY(w.platform.warnings.isEmpty());
        QVERIFY(w.platform.statusMessages.isEmpty());
        QVERIFY(!w.cantrix.isClosed());
    }

    void runShellExecutePlacesARelativeFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("directory"); // "" for none
        QTest::addColumn<QString>("expected");  // relative to the current folder when relative
        QTest::newRow("in the directory") << "guide.htm" << "/srv/docs" << "/srv/docs/guide.htm";
        QTest::newRow("above the directory") << "../guide.htm" << "/srv/docs" << "/srv/guide.htm";
        QTest::newRow("absolute file") << "/tmp/card.html" << "/srv/docs" << "/tmp/card.html";
        QTest::newRow("current folder") << "guide.htm" << "" << "guide.htm";
    }

    void runShellExecutePlacesARelativeFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, directory);
        QFETCH(QString, expected);
        RecordingPlatform platform;
        ShellCommands shell(platform);
        const std::optional<QString> sDirectory =
            directory.isEmpty() ? std::nullopt : std::optional<QString>(directory);
        shell.RunShellExecute(QStringLiteral("Open"), file, std::nullopt, sDirectory, ShellCommands::showNormal);
        QCOMPARE(platform.desktopCalls.size(), 1);
        QCOMPARE(platform.desktopCalls.at(0).verb, QStringLiteral("Open"));
        QCOMPARE(platform.desktopCalls.at(0).path, QDir::current().absoluteFilePath(expected));
    }

    void exitEndsAtOnceWithAnUnsavedSpell()
    {
        LoadedWindow w;
        w.shell.mnuExit_Click();
        QCOMPARE(w.platform.exitCount, 1);
        // Nothing asked, nothing saved, no window closed on the way.
        QVERIFY(w.platform.warnings.isEmpty());
        QVERIFY(w.platform.dialogRequests.isEmpty());
        QCOMPARE(w.platform.closeCount, 0);
    }

    void titleAndVersionAreTheBuilds()
    {
        QCOMPARE(ProgramInfo::title(), QStringLiteral("Cantrix 3rd ed."));
        QCOMPARE(ProgramInfo::aboutCaption(), QStringLiteral("About Cantrix 3rd ed."));
        QCOMPARE(ProgramInfo::versionText(), QStringLiteral("Version " CANTRIX_VERSION));
    }
};

QTEST_GUILESS_MAIN(TestHelpAndExit)
#include "tst_shellcommands.moc"
