// The rules problems on screen: the status bar gives the count the core found, and the
// Rules menu opens their list without blocking the main window; both follow the file.
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/mainwindow.h"
#include "tests/app/programfixture.h"
#include "windowmodel/cantrix.h"
#include "tests/support/rulesfixture.h"

using RulesFixture::withTokens;

namespace {

// Three problems: options under a modifier with tokens, a token "+1drt", two modifiers that
// share their first six characters.
const QStringList rulesWithThreeProblems{
    withTokens("]Mana", "+1"),
    withTokens("#Alpha", "+1drt"),
    withTokens("Fireball", "+1"),
    withTokens("    hot", "+1"),
    withTokens("Firebase", "+1"),
};
const QStringList cleanRules{withTokens("]Mana", "+1"), withTokens("#Alpha", "+1DRT"), withTokens("Fireball", "+1")};

struct Fixture : ProgramFixture
{
    explicit Fixture(const QStringList &rules) : ProgramFixture(rules) {}

    QString statusText() const
    {
        const auto *label = window.findChild<QLabel *>(QStringLiteral("lblRulesProblems"));
        return label ? label->text() : QString();
    }

    QAction *showProblems() const
    {
        return window.findChild<QAction *>(QStringLiteral("mnuRulesProblems"));
    }

    QTreeWidget *problemList() const
    {
        return window.findChild<QTreeWidget *>(QStringLiteral("lstProblems"));
    }
};

QStringList menuTitles(const QMenuBar *bar)
{
    QStringList titles;
    for (const QAction *action : bar->actions())
        titles << action->text();
    return titles;
}

} // namespace

class TestRulesProblemsView final : public QObject
{
    Q_OBJECT

private slots:
    void statusBarAndListShowTheCount()
    {
        Fixture f(rulesWithThreeProblems);
        QCOMPARE(f.statusText(), QStringLiteral("Rules data: checking..."));
        QTRY_VERIFY2(f.statusText().contains(QStringLiteral("has 3 problems")), qPrintable(f.statusText()));

        QVERIFY(f.showProblems());
        f.showProblems()->trigger();
        QTreeWidget *list = f.problemList();
        QVERIFY(list);
        QVERIFY(list->window()->isVisible());
        QVERIFY(!list->window()->isModal());
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("2"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("61"));
        QVERIFY(list->topLevelItem(0)->text(2).contains(QStringLiteral("'+1drt'")));
        QVERIFY(!list->topLevelItem(0)->text(3).isEmpty());

        // The rows are too narrow for whole sentences: the chosen one is shown in full below.
        list->setCurrentItem(list->topLevelItem(1));
        const auto *detail = list->window()->findChild<QLabel *>(QStringLiteral("lblDetail"));
        QVERIFY(detail);
        QVERIFY(detail->text().contains(list->topLevelItem(1)->text(2)));
        QVERIFY(detail->text().contains(list->topLevelItem(1)->text(3)));
    }

    void newChecksTheFileAgain()
    {
        Fixture f(rulesWithThreeProblems);
        f.showProblems()->trigger();
        QTRY_COMPARE(f.problemList()->topLevelItemCount(), 3);

        RulesFixture::write(f.dir.path(), cleanRules);
        f.window.findChild<QAction *>(QStringLiteral("mnuNew"))->trigger();
        QTRY_COMPARE(f.statusText(), QStringLiteral("Rules data checked: no problems"));
        QCOMPARE(f.problemList()->topLevelItemCount(), 0);
    }

    void countAndListFollowTheFile()
    {
        Fixture f(rulesWithThreeProblems);
        f.showProblems()->trigger();
        RulesFixture::write(f.dir.path(), cleanRules);
        QTRY_COMPARE(f.statusText(), QStringLiteral("Rules data checked: no problems"));
        QCOMPARE(f.problemList()->topLevelItemCount(), 0);

        QVERIFY(QFile::remove(f.cantrix.rulesFilePath()));
        QTRY_COMPARE(f.statusText(), QStringLiteral("GX2Mod.dat is missing: there is no rules data to check"));

        // Check Again reads the file at once, without waiting for the file's change to settle.
        RulesFixture::write(f.dir.path(), rulesWithThreeProblems);
        auto *checkAgain = f.problemList()->window()->findChild<QPushButton *>(QStringLiteral("cmdCheckAgain"));
        QVERIFY(checkAgain);
        QTest::mouseClick(checkAgain, Qt::LeftButton);
        QTRY_VERIFY2(f.statusText().contains(QStringLiteral("has 3 problems")), qPrintable(f.statusText()));
        QCOMPARE(f.problemList()->topLevelItemCount(), 3);
    }

    void rulesMenuStandsBetweenEditAndHelp()
    {
        Fixture f(cleanRules);
        const QStringList titles = menuTitles(f.window.menuBar());
        QCOMPARE(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&Rules"),
                                      QStringLiteral("&Help")}));
    }
};

QTEST_MAIN(TestRulesProblemsView)
#include "tst_rulesproblemsview.moc"
