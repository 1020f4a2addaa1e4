// The desktop side of the window model on Qt: what it tells the user in passing must be
// readable in the main window's status bar.
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "app/mainwindow.h"
#include "app/qtplatform.h"
#include "design/cantrix.h"
#include "shell/programinfo.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

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
            QVERIFY2(!child->isVisible() || child->width() == 0,
                     qPrintable(child->objectName() + QStringLiteral(" covers the message")));

        // An empty notice ends the message, and what the bar showed before comes back.
        platform.showStatus(QString());
        QVERIFY(bar->currentMessage().isEmpty());
        const auto *count = window.findChild<QLabel *>(QStringLiteral("lblRulesProblems"));
        QVERIFY(count);
        QVERIFY(count->isVisible());
    }

    void titleNamesTheDocumentWithTheModifiedMarker()
    {
        QMainWindow window;
        window.setWindowTitle(ProgramInfo::title());
        QtPlatform platform;
        platform.setMainWindow(&window);
        const QString path = QDir::temp().filePath(QStringLiteral("Bolt.xml"));
        platform.showDocument(path, true);
        QCOMPARE(window.windowFilePath(), path);
        QCOMPARE(window.windowTitle(), QStringLiteral("Bolt.xml[*] - ") + ProgramInfo::title());
        QVERIFY(window.isWindowModified());
        platform.showDocument(QString(), false);
        QCOMPARE(window.windowTitle(), ProgramInfo::title());
        QVERIFY(!window.isWindowModified());
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
