// The rules problems the window reports: checked at start-up, on New and whenever the file
// changes, so a file mended in between reports what it holds now.
#include <filesystem>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "session/rulesproblems.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using RulesFixture::withTokens;

namespace {

// Two problems: a token with two digits, and an empty line inside the section.
const QStringList rulesWithTwoProblems{withTokens("]Mana", "+1"), withTokens("#Alpha", "+12"), "Plain", ""};
const QStringList cleanRules{withTokens("]Mana", "+1"), withTokens("#Alpha", "+1"), "Plain"};

} // namespace

class TestRulesProblems final : public QObject
{
    Q_OBJECT

private slots:
    void countsAtStartUpAndAgainOnNew()
    {
        QTemporaryDir dir;
        QVERIFY(RulesFixture::write(dir.path(), rulesWithTwoProblems));
        RecordingPlatform platform(dir.path());
        Cantrix cantrix(platform);
        RulesProblems problems(cantrix);
        QSignalSpy checked(&problems, &RulesProblems::checked);
        QVERIFY(!problems.isChecked());

        cantrix.Form_Load();
        QVERIFY(problems.isChecking());
        QTRY_COMPARE(checked.count(), 1);
        QCOMPARE(problems.count(), 2);
        QCOMPARE(problems.report().diagnostics.at(0).line, 2);

        QVERIFY(RulesFixture::write(dir.path(), cleanRules));
        cantrix.mnuNew_Click();
        QTRY_COMPARE(checked.count(), 2);
        QCOMPARE(problems.count(), 0);
        QVERIFY(problems.report().readable);

        // A New refused for want of the file leaves no "no problems" behind.
        QVERIFY(QFile::remove(cantrix.rulesFilePath()));
        cantrix.mnuNew_Click();
        QTRY_COMPARE(checked.count(), 3);
        QVERIFY(!problems.report().readable);
    }

    void aChangedFileIsCheckedAgainAndTheSpellStays_data()
    {
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("removedFirst");
        QTest::newRow("written in place") << false << false;
        QTest::newRow("replaced, as editors save") << true << false;
        QTest::newRow("removed, then put back") << false << true;
    }

    void aChangedFileIsCheckedAgainAndTheSpellStays()
    {
        QFETCH(bool, replaced);
        QFETCH(bool, removedFirst);
        QTemporaryDir dir;
        QVERIFY(RulesFixture::write(dir.path(), rulesWithTwoProblems));
        RecordingPlatform platform(dir.path());
        Cantrix cantrix(platform);
        RulesProblems problems(cantrix);
        cantrix.Form_Load();
        cantrix.userDoubleClickModifier(0);
        QTRY_COMPARE(problems.count(), 2);

        const QString path = cantrix.rulesFilePath();
        if (removedFirst) {
            QVERIFY(QFile::remove(path));
            QTRY_VERIFY(problems.isMissing());
        }
        if (replaced) {
            // A new file renamed over the old one in one step, as QSaveFile and editors do.
            QTemporaryDir other(dir.filePath(QStringLiteral("new-XXXXXX")));
            QVERIFY(RulesFixture::write(other.path(), cleanRules));
            std::filesystem::rename(other.filePath(QStringLiteral("GX2Mod.dat")).toStdString(), path.toStdString());
        } else {
            QVERIFY(RulesFixture::write(dir.path(), cleanRules));
        }
        QTRY_VERIFY(problems.report().readable && problems.count() == 0);
        QVERIFY(!problems.isMissing());
        QCOMPARE(cantrix.Summary2List.rows(), QStringList{QStringLiteral("Plain")});
    }

    void listsTheFirstProblemsAndCountsAll()
    {
        QTemporaryDir dir;
        QStringList rules{withTokens("]Mana", "+1"), withTokens("#Alpha", "+1")};
        for (qsizetype i = 0; i < RulesProblems::listed + 500; ++i)
            rules << QString(); // an empty line in a section: one problem each
        QVERIFY(RulesFixture::write(dir.path(), rules));
        RecordingPlatform platform(dir.path());
        Cantrix cantrix(platform);
        RulesProblems problems(cantrix);
        cantrix.Form_Load();
        QTRY_COMPARE(problems.count(), RulesProblems::listed + 500);
        QCOMPARE(problems.report().diagnostics.size(), RulesProblems::listed);
        QCOMPARE(problems.report().diagnostics.constLast().line, int(RulesProblems::listed) + 2);
    }

    void aNewerChangeDropsTheReportOfTheCheckUnderWay()
    {
        QTemporaryDir dir;
        QVERIFY(RulesFixture::write(dir.path(), cleanRules));
        RecordingPlatform platform(dir.path());
        Cantrix cantrix(platform);
        RulesProblems problems(cantrix);
        cantrix.Form_Load();
        QTRY_VERIFY(problems.isChecked() && !problems.isChecking());
        QSignalSpy checked(&problems, &RulesProblems::checked);

        QVERIFY(RulesFixture::write(dir.path(), rulesWithTwoProblems));
        problems.check(); // as the file's change starts it
        QVERIFY(RulesFixture::write(dir.path(), cleanRules));
        problems.check();
        QTRY_VERIFY(!problems.isChecking());
        QCOMPARE(checked.count(), 1);
        QCOMPARE(problems.count(), 0);
    }

    void noCheckWhenTheRulesAreMissing()
    {
        QTemporaryDir dir;
        RecordingPlatform platform(dir.path());
        Cantrix cantrix(platform);
        RulesProblems problems(cantrix);
        QSignalSpy checked(&problems, &RulesProblems::checked);

        cantrix.Form_Load();
        QVERIFY(cantrix.isClosed());
        QCOMPARE(checked.count(), 0);
        QVERIFY(!problems.isChecked());
    }
};

QTEST_GUILESS_MAIN(TestRulesProblems)
#include "tst_rulesproblems.moc"
