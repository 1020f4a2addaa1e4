// The desktop side of the window model on Qt: what it tells the user in passing must be
// readable in the main window's status bar, and a help page the desktop cannot open is shown
// by the program itself.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSizeGrip>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/helpviewer.h"
#include "app/mainwindow.h"
#include "app/qtplatform.h"
#include "design/cantrix.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"
#include "tests/support/testfiles.h"

using RulesFixture::withTokens;

class TestQtPlatform final : public QObject
{
    Q_OBJECT

private slots:
    void statusMessageHasTheStatusBarToItself()
    {
        QTemporaryDir dir;
        RulesFixture::write(dir.path(), {withTokens("]Mana", "+1"), withTokens("#Alpha", "+1")});
        RecordingPlatform recording(dir.path());
        Cantrix cantrix(recording);
        MainWindow window(cantrix);
        cantrix.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QtPlatform platform;
        platform.setMainWindow(&window);
        const QString text = QStringLiteral("The rules data file GX2Mod.dat cannot be read");
        platform.showStatus(text);

        QStatusBar *bar = window.statusBar();
        QCOMPARE(bar->currentMessage(), text);
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
