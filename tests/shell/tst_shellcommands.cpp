// Help Index, Exit, the program's title and version and its command line, as the shell hands
// them to the desktop.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "windowmodel/cantrix.h"
#include "shell/commandline.h"
#include "shell/programinfo.h"
#include "shell/shellcommands.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"
#include "tests/support/testfiles.h"
#include "translations/programlanguage.h"

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
        QTest::addColumn<QString>("folder");        // the program directory, inside a temporary one
        QTest::addColumn<bool>("desktopRefuses");
        QTest::newRow("plain") << "cantrix3" << false;
        QTest::newRow("blanks") << "My Games/Cantrix 3" << false;
        QTest::newRow("trailing slash") << "cantrix3/" << false;
        QTest::newRow("no program for web pages") << "cantrix3" << true;
    }

    void helpIndexOpensThePageBesideTheProgram()
    {
        QFETCH(QString, folder);
        QFETCH(bool, desktopRefuses);
        QTemporaryDir dir;
        const QString programDirectory = dir.filePath(folder);
        QVERIFY(QDir().mkpath(programDirectory));
        const QString expected = QDir::cleanPath(programDirectory + QStringLiteral("/CTXhelp.htm"));
        QVERIFY(TestFiles::writeBytes(expected, "<html></html>"));
        RecordingPlatform platform(programDirectory);
        platform.desktopRefuses = desktopRefuses;
        ShellCommands shell(platform);
        shell.mnuHelpIndex_Click();
        QCOMPARE(platform.desktopCalls.size(), 1);
        QCOMPARE(platform.desktopCalls.at(0).verb, QStringLiteral("Open"));
        QCOMPARE(platform.desktopCalls.at(0).path, expected);
        // Only a page the desktop could not open is shown in the program's own viewer.
        QCOMPARE(platform.pagesShownInProgram, desktopRefuses ? QStringList{expected} : QStringList());
        QVERIFY(platform.warnings.isEmpty());
    }

    void helpPageInTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("translatedPage"); // the German page delivered too
        QTest::addColumn<QString>("shown");
        QTest::newRow("German") << "de" << true << "CTXhelp.de.htm";
        QTest::newRow("German, its page missing") << "de" << false << "CTXhelp.htm";
        QTest::newRow("English") << "en" << true << "CTXhelp.htm";
    }

    void helpPageInTheProgramsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, translatedPage);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QVERIFY(TestFiles::writeBytes(dir.filePath(QStringLiteral("CTXhelp.htm")), "<html></html>"));
        if (translatedPage)
            QVERIFY(TestFiles::writeBytes(dir.filePath(QStringLiteral("CTXhelp.de.htm")), "<html></html>"));
        ProgramLanguage::install(*qApp, QLocale(language));
        RecordingPlatform platform(dir.path());
        ShellCommands(platform).mnuHelpIndex_Click();
        qDeleteAll(qApp->findChildren<QTranslator *>());
        QCOMPARE(platform.desktopCalls.size(), 1);
        QCOMPARE(platform.desktopCalls.at(0).path, dir.filePath(shown));
    }

    void helpIndexWithoutThePageNamesItAndLeavesTheWindowAsItWas()
    {
        LoadedWindow w;
        QVERIFY(!QFile::exists(w.shell.helpFilePath()));
        const QStringList before = windowState(w.cantrix);
        w.shell.mnuHelpIndex_Click();
        QCOMPARE(windowState(w.cantrix), before);
        QVERIFY(w.platform.desktopCalls.isEmpty());
        QCOMPARE(w.platform.warnings.size(), 1);
        QVERIFY2(w.platform.warnings.at(0).text.contains(QDir::toNativeSeparators(w.shell.helpFilePath())),
                 qPrintable(w.platform.warnings.at(0).text));
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
        QTest::newRow("program folder") << "guide.htm" << "" << "guide.htm";
    }

    void runShellExecutePlacesARelativeFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, directory);
        QFETCH(QString, expected);
        RecordingPlatform platform(QStringLiteral("/opt/cantrix"));
        ShellCommands shell(platform);
        const std::optional<QString> sDirectory =
            directory.isEmpty() ? std::nullopt : std::optional<QString>(directory);
        shell.RunShellExecute(QStringLiteral("Open"), file, std::nullopt, sDirectory, ShellCommands::showNormal);
        QCOMPARE(platform.desktopCalls.size(), 1);
        QCOMPARE(platform.desktopCalls.at(0).verb, QStringLiteral("Open"));
        QCOMPARE(platform.desktopCalls.at(0).path, QDir(platform.programDirectory()).absoluteFilePath(expected));
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

    void commandLineGivesTheDocumentAsAnAbsolutePath_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList() << "";
        QTest::newRow("relative to the start folder") << QStringList{"spells/bolt.xml"} << "/home/me/spells/bolt.xml";
        QTest::newRow("above it") << QStringList{"../ann/bolt.xml"} << "/home/ann/bolt.xml";
        QTest::newRow("absolute") << QStringList{"/tmp/bolt.xml"} << "/tmp/bolt.xml";
        QTest::newRow("file URL") << QStringList{"file:///tmp/fire%20bolt.xml"} << "/tmp/fire bolt.xml";
        QTest::newRow("a colon in the name") << QStringList{"bolt:2.xml"} << "/home/me/bolt:2.xml";
        QTest::newRow("the first of several") << QStringList{"a.xml", "b.xml"} << "/home/me/a.xml";
        QTest::newRow("file URL of this host") << QStringList{"file://LocalHost/tmp/bolt.xml"} << "/tmp/bolt.xml";
        // Refused with a reason, not opened as /otherhost/bolt.xml or /tmp/bolt.xml.
        QTest::newRow("file URL of another host") << QStringList{"file://otherhost/bolt.xml"} << "";
        QTest::newRow("file URL with a NUL") << QStringList{"file:///tmp/bolt.xml%00.bak"} << "";
    }

    void commandLineGivesTheDocumentAsAnAbsolutePath()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QString refusal;
        QCOMPARE(CommandLine::documentPath(arguments, QStringLiteral("/home/me"), &refusal), expected);
        QCOMPARE(refusal.isEmpty(), !expected.isEmpty() || arguments.isEmpty());
    }

    void filesAreHeldOutOfTheArgumentsBeforeQtReadsThem_data()
    {
        QTest::addColumn<QList<QByteArray>>("arguments");
        QTest::addColumn<QList<QByteArray>>("forQt");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("an existing file named like an option")
            << QList<QByteArray>{"cantrix3", "-reverse"} << QList<QByteArray>{"cantrix3"} << QStringList{"-reverse"};
        QTest::newRow("an option that names no file")
            << QList<QByteArray>{"cantrix3", "-nograb", "-reverse"} << QList<QByteArray>{"cantrix3", "-nograb"}
            << QStringList{"-reverse"};
        QTest::newRow("everything after --")
            << QList<QByteArray>{"cantrix3", "--", "-style", "gone.xml"} << QList<QByteArray>{"cantrix3"}
            << QStringList{"-style", "gone.xml"};
        QTest::newRow("the value of a Qt option")
            << QList<QByteArray>{"cantrix3", "-style", "-reverse", "spell.xml"}
            << QList<QByteArray>{"cantrix3", "-style", "-reverse"} << QStringList{"spell.xml"};
    }

    void filesAreHeldOutOfTheArgumentsBeforeQtReadsThem()
    {
        QFETCH(QList<QByteArray>, arguments);
        QFETCH(QList<QByteArray>, forQt);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        for (const char *name : {"-reverse", "spell.xml"})
            QVERIFY(TestFiles::writeBytes(QDir(dir.path()).filePath(QLatin1String(name)), "<common/>"));
        const CommandLine::Split split = CommandLine::separateFiles(arguments, dir.path());
        QCOMPARE(split.forQt, forQt);
        QCOMPARE(split.files, files);
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
