// The Help menu and Exit on the real window: the About box's texts, its single instance,
// OK and About again; Help Index and Exit reaching the desktop through the window model.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "app/mainwindow.h"
#include "tests/app/programfixture.h"
#include "controls/arbutton/arbutton.h"
#include "windowmodel/cantrix.h"
#include "tests/support/rulesfixture.h"
#include "tests/support/testfiles.h"

using RulesFixture::withTokens;

namespace {

struct Fixture : ProgramFixture
{
    Fixture() : ProgramFixture({withTokens("#Alpha", "+1"), withTokens("Plain", "+1"), withTokens("]Mana", "")}) {}
};

QList<QWidget *> aboutBoxes()
{
    QList<QWidget *> boxes;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmAbout"))
            boxes.append(widget);
    }
    return boxes;
}

QString labelText(QWidget *box, const char *name)
{
    auto *label = box->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

// Runs the deletion that closing an About box schedules.
void flushDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qDeleteAll(aboutBoxes());
    }

    void aboutShowsTitleAndVersion()
    {
        Fixture f;
        f.window.mnuAbout()->trigger();
        QCOMPARE(aboutBoxes().size(), 1);
        QWidget *box = aboutBoxes().constFirst();
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("About Cantrix 3rd ed."));
        QCOMPARE(labelText(box, "lblTitle"), QStringLiteral("Cantrix 3rd ed."));
        QCOMPARE(labelText(box, "lblVersion"), QStringLiteral("Version " CANTRIX_VERSION));
        QCOMPARE(labelText(box, "Label1"), QStringLiteral("First public Release"));
        for (const char *name : {"lblDescription_0", "lblDescription_1", "lblDisclaimer"})
            QVERIFY2(!labelText(box, name).isEmpty(), name);
        auto *icon = box->findChild<QLabel *>(QStringLiteral("picIcon"));
        QVERIFY(icon && !icon->pixmap().isNull());
        auto *ok = box->findChild<ARButton *>(QStringLiteral("cmdOk"));
        QVERIFY(ok);
        QCOMPARE(ok->caption(), QStringLiteral("OK"));
        QVERIFY(ok->font().bold());
    }

    void aboutDoesNotBlockTheMainWindow()
    {
        Fixture f;
        f.window.mnuAbout()->trigger();
        QWidget *box = aboutBoxes().constFirst();
        QVERIFY(!box->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // Without an owner: the box is not the main window's child.
        QCOMPARE(box->parentWidget(), nullptr);
        f.window.mnuNew()->trigger();
        QCOMPARE(f.cantrix.CategoryCombo.selectedIndex(), 0);
    }

    void aboutTwiceLeavesOneBox()
    {
        Fixture f;
        f.window.mnuAbout()->trigger();
        QWidget *first = aboutBoxes().constFirst();
        f.window.mnuAbout()->trigger();
        QCOMPARE(aboutBoxes().size(), 1);
        QCOMPARE(aboutBoxes().constFirst(), first);
        QVERIFY(first->isVisible());
    }

    void okClosesTheBoxAndAboutShowsItAgain()
    {
        Fixture f;
        f.window.mnuAbout()->trigger();
        QWidget *box = aboutBoxes().constFirst();
        QTest::mouseClick(box->findChild<ARButton *>(QStringLiteral("cmdOk")), Qt::LeftButton);
        flushDeletions();
        QCOMPARE(aboutBoxes().size(), 0);

        f.window.mnuAbout()->trigger();
        QCOMPARE(aboutBoxes().size(), 1);
        box = aboutBoxes().constFirst();
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("About Cantrix 3rd ed."));
        QCOMPARE(labelText(box, "lblVersion"), QStringLiteral("Version " CANTRIX_VERSION));
    }

    void helpIndexHandsThePageToTheDesktop()
    {
        Fixture f;
        QVERIFY(TestFiles::writeBytes(QDir(f.dir.path()).filePath(QStringLiteral("CTXhelp.htm")), "<html></html>"));
        f.window.mnuHelpIndex()->trigger();
        QCOMPARE(f.platform.desktopCalls.size(), 1);
        QCOMPARE(f.platform.desktopCalls.at(0).verb, QStringLiteral("Open"));
        QCOMPARE(f.platform.desktopCalls.at(0).path, QDir(f.dir.path()).filePath(QStringLiteral("CTXhelp.htm")));
        QVERIFY(f.platform.warnings.isEmpty());
    }

    void exitEndsTheProgram()
    {
        Fixture f;
        f.window.mnuExit()->trigger();
        QCOMPARE(f.platform.exitCount, 1);
        QCOMPARE(f.platform.closeCount, 0);
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
