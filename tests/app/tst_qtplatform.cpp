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
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
