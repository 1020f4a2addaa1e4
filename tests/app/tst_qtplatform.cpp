// The desktop side of the window model on Qt: what it tells the user in passing must be
// readable in the main window's status bar, and a help page the desktop cannot open is shown
// by the program itself; messages keep their text as written, and the title names the document.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSizeGrip>
#include <QTimer>
#include <QStatusBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "app/helpviewer.h"
#include "app/mainwindow.h"
#include "app/menucommands.h"
#include "session/spellsession.h"
#include "app/qtplatform.h"
#include "windowmodel/cantrix.h"
#include "shell/programinfo.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"
#include "tests/support/testfiles.h"

using RulesFixture::withTokens;

class TestQtPlatform final : public QObject
{
    Q_OBJECT

private slots:
    void statusMessageHasTheStatusBarToItself_data()
    {
        QTest::addColumn<bool>("beforeShown");
        QTest::newRow("window on screen") << false;
        // A note at start-up is given before the window is first shown.
        QTest::newRow("window not shown yet") << true;
    }

    void statusMessageHasTheStatusBarToItself()
    {
        QFETCH(bool, beforeShown);
        QTemporaryDir dir;
        RulesFixture::write(dir.path(), {withTokens("]Mana", "+1"), withTokens("#Alpha", "+1")});
        RecordingPlatform recording(dir.path());
        QSettings settings;
        SpellSession session(recording, settings);
        MainWindow window(session);
        MenuCommands commands(window, session);
        session.start();
        QtPlatform platform;
        platform.setMainWindow(&window);
        const QString text = QStringLiteral("The rules data file GX2Mod.dat cannot be read");
        if (beforeShown)
            platform.showStatus(text);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (!beforeShown)
            platform.showStatus(text);

        QStatusBar *bar = window.statusBar();
        QTRY_COMPARE(bar->currentMessage(), text);
        // Nothing else in the bar may take the room the message is drawn in.
        for (const QWidget *child : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(!child->isVisible() || child->width() == 0 || qobject_cast<const QSizeGrip *>(child),
                     qPrintable(child->objectName() + QStringLiteral(" covers the message")));

        // An empty notice ends the message, and what the bar showed before comes back.
        platform.showStatus(QString());
        QVERIFY(bar->currentMessage().isEmpty());
        const auto *count = window.findChild<QLabel *>(QStringLiteral("lblRulesProblems"));
        QVERIFY(count);
        QVERIFY(count->isVisible());
    }

    void messagesShowFileNamesAndMarkupAsWritten()
    {
        QtPlatform platform;
        QStringList shown;
        const auto readAndClose = [&shown] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown.append(box->textFormat() == Qt::PlainText ? box->text() : QString());
            box->done(QMessageBox::No);
        };
        const QString text = QStringLiteral("<b>page</b>.xml is not a spell document: its outermost element is <html>");
        QTimer::singleShot(0, this, readAndClose);
        platform.showWarning(QStringLiteral("Spell Not Opened"), text);
        QTimer::singleShot(0, this, readAndClose);
        QVERIFY(!platform.ask(QStringLiteral("Replace File?"), text));
        QCOMPARE(shown, QStringList({text, text}));
    }

    void titleNamesTheDocumentWithTheModifiedMarker()
    {
        QMainWindow window;
        QtPlatform platform;
        platform.setMainWindow(&window);
        platform.showDocument(QStringLiteral("/spells/Bolt.xml"), true);
        QCOMPARE(window.windowTitle(), QStringLiteral("Bolt.xml[*] - ") + ProgramInfo::title());
        QVERIFY(window.isWindowModified());
        platform.showDocument(QString(), false);
        QCOMPARE(window.windowTitle(), ProgramInfo::title());
    }

    void helpPageShownInTheProgramFollowsItsLinks()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("CTXhelp.htm"));
        QVERIFY(TestFiles::writeBytes(page, "<html><head><title>Guide</title></head><body>"
                                            "<p><a href=\"other.htm\">Other page</a></p></body></html>"));
        QVERIFY(TestFiles::writeBytes(dir.filePath(QStringLiteral("other.htm")),
                                      "<html><head><title>Other</title></head><body>More</body></html>"));
        QtPlatform platform;
        platform.showPageInProgram(page);
        HelpViewer *viewer = nullptr;
        QTRY_VERIFY((viewer = qobject_cast<HelpViewer *>(QApplication::activeWindow())));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Guide"));

        // From the keyboard: Tab onto the link, Enter follows it, Back returns.
        QTextBrowser *browser = viewer->browser();
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Other"));
        auto *back = viewer->findChild<QPushButton *>(QStringLiteral("cmdBack"));
        QVERIFY(back && back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(browser->source(), QUrl::fromLocalFile(page));
    }

    // What a help page names cannot hang or end the program: the page is shown without it.
    void helpPageIsShownWithoutWhatItMayNotRead_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("shown");
        QTest::newRow("picture that is a pipe") << QByteArray("<p>Text<img src=\"pipe.png\"></p>") << QStringLiteral("Text");
        QTest::newRow("picture of a device") << QByteArray("<p>Text<img src=\"file:///dev/zero\"></p>") << QStringLiteral("Text");
        QTest::newRow("style sheet that is a pipe")
            << QByteArray("<p>Text</p><link rel=\"stylesheet\" href=\"pipe.png\">") << QStringLiteral("Text");
        QTest::newRow("3,000 nested tables") << QByteArray("<table><tr><td>").repeated(3000) << QStringLiteral("is not shown");
        // The parser nests a table it makes up for each stray cell in the one before.
        QTest::newRow("made-up tables") << QByteArray("<td/><caption><td/></table>").repeated(20) << QStringLiteral("is not shown");
        QTest::newRow("pages of text eight tables deep")
            << QByteArray("<table><tr><td>").repeated(8) + QByteArray("<p>x</p>").repeated(2000) << QStringLiteral("is not shown");
        QTest::newRow("the bundled help page")
            << TestFiles::fileBytes(QStringLiteral(CANTRIX_SOURCE_DIR "/data/CTXhelp.htm")) << QStringLiteral("Getting started");
    }

    void helpPageIsShownWithoutWhatItMayNotRead()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("CTXhelp.htm"));
        QVERIFY(TestFiles::writeBytes(page, "<html><body>" + body + "</body></html>"));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.png"))).constData(), 0600), 0);
        // A viewer that blocks on the pipe ends the test rather than hanging it.
        ::alarm(60);
#endif
        HelpViewer viewer;
        viewer.showPage(page);
        viewer.show();
        viewer.grab();
#ifdef Q_OS_UNIX
        ::alarm(0);
#endif
        QVERIFY2(viewer.browser()->toPlainText().contains(shown), qPrintable(viewer.browser()->toPlainText()));
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
