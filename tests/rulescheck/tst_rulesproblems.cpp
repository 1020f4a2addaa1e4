// The rules problems the window reports: checked at start-up and again on New, so a file
// mended in between reports what it holds now.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "design/cantrix.h"
#include "rulescheck/rulesproblems.h"
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
        QCOMPARE(checked.count(), 1);
        QCOMPARE(problems.count(), 2);
        QCOMPARE(problems.report().diagnostics.at(0).line, 2);

        QVERIFY(RulesFixture::write(dir.path(), cleanRules));
        cantrix.mnuNew_Click();
        QCOMPARE(checked.count(), 2);
        QCOMPARE(problems.count(), 0);
        QVERIFY(problems.report().readable);

        // A New refused for want of the file leaves no "no problems" behind.
        QVERIFY(QFile::remove(cantrix.rulesFilePath()));
        cantrix.mnuNew_Click();
        QCOMPARE(checked.count(), 3);
        QVERIFY(!problems.report().readable);
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
