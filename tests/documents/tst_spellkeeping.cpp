// What keeps the spell on screen from being lost between runs: the document behind the window
// (title and modified marker) and the draft kept as the program ends.
#include <memory>

#include <QTemporaryDir>
#include <QTest>

#include "design/spellhistory.h"
#include "documents/openedspell.h"
#include "documents/spellcommands.h"
#include "documents/spelldraft.h"
#include "tests/documents/spellfixture.h"
#include "tests/support/recordingplatform.h"

using namespace SpellFixture;

namespace {

// One run of the program on the same folders, built as MenuCommands builds it.
struct Run
{
    explicit Run(RecordingPlatform &desktop) : platform(desktop) { act([this] { window.Form_Load(); }); }

    // One user action, settled as the program's event loop settles it.
    template <typename Action>
    void act(Action action)
    {
        action();
        history.settle();
    }

    RecordingPlatform &platform;
    Cantrix window{platform};
    SpellCommands commands{window, platform};
    SpellHistory history{window};
    OpenedSpell opened{window, commands, history, platform};
    SpellDraft draft{window, commands, opened, platform};
};

} // namespace

class TestSpellKeeping : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString draftPath() const { return path(QStringLiteral("data/") + QLatin1String(SpellDraft::fileName)); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(RulesFixture::write(m_dir->path(), rules()));
        m_platform = std::make_unique<RecordingPlatform>(m_dir->path(), path(QStringLiteral("config")),
                                                         path(QStringLiteral("data")));
    }

    void titleNamesTheDocumentAndMarksChanges()
    {
        Run run(*m_platform);
        run.act([&] { QVERIFY(run.commands.SaveSpell(path(QStringLiteral("a.xml"))).outcome == SpellCommands::Outcome::Done); });
        QCOMPARE(m_platform->documentPath, QString()); // only what the File menu saves is the document
        m_platform->dialogAnswers.enqueue(path(QStringLiteral("a.xml")));
        run.act([&] { run.commands.mnuOpen_Click(); });
        QCOMPARE(m_platform->documentPath, path(QStringLiteral("a.xml")));
        QVERIFY(!m_platform->documentModified);

        run.act([&] { run.window.NameText.setText(QStringLiteral("Changed")); });
        QVERIFY(m_platform->documentModified);
        run.act([&] { run.window.Modifier1List.setSelectedIndex(1); }); // no change to the spell
        run.act([&] { run.window.NameText.setText(QString()); });
        QVERIFY(!m_platform->documentModified);

        run.act([&] { run.window.mnuNew_Click(); });
        QCOMPARE(m_platform->documentPath, QString());
    }

    void keptAtTheEndOnlyWhenNeitherFreshNorSaved_data()
    {
        QTest::addColumn<QString>("story");
        QTest::addColumn<bool>("kept");
        QTest::newRow("nothing done") << "" << false;
        QTest::newRow("modifier clicked only") << "click" << false;
        QTest::newRow("composed") << "compose" << true;
        QTest::newRow("composed and saved") << "compose save" << false;
        QTest::newRow("saved, then changed") << "compose save name" << true;
        QTest::newRow("composed, then New") << "compose new" << false;
    }

    void keptAtTheEndOnlyWhenNeitherFreshNorSaved()
    {
        QFETCH(QString, story);
        QFETCH(bool, kept);
        Run run(*m_platform);
        for (const QString &step : story.split(u' ', Qt::SkipEmptyParts)) {
            run.act([&] {
                if (step == u"click")
                    run.window.Modifier1List.setSelectedIndex(1);
                if (step == u"compose")
                    composeCombatSpell(run.window);
                if (step == u"save") {
                    m_platform->dialogAnswers.enqueue(path(QStringLiteral("spell.xml")));
                    run.commands.mnuSave_Click();
                }
                if (step == u"name")
                    run.window.NameText.setText(QStringLiteral("Changed"));
                if (step == u"new")
                    run.window.mnuNew_Click();
            });
        }
        QCOMPARE(run.draft.keep(), std::nullopt);
        QCOMPARE(QFileInfo::exists(draftPath()), kept);
    }

    void nextRunOffersTheDraftAndRestoresIt()
    {
        QStringList composed;
        {
            Run run(*m_platform);
            run.act([&] { composeCombatSpell(run.window); });
            run.act([&] { run.window.NameText.setText(QStringLiteral("Unsaved")); });
            composed = storedSpell(run.window);
            m_platform->setToday(QDate(2001, 3, 6));
            QCOMPARE(run.draft.keep(), std::nullopt);
        }
        Run run(*m_platform);
        QVERIFY(run.draft.isAvailable());
        QVERIFY2(m_platform->statusMessages.constLast().contains(QStringLiteral("March 06, 2001")),
                 qPrintable(m_platform->statusMessages.constLast()));
        const SpellSnapshot fresh = SpellSnapshot::of(run.window);

        run.act([&] { run.draft.restore(); });
        QCOMPARE(storedSpell(run.window), composed);
        QVERIFY(!run.draft.isAvailable());
        QVERIFY(!QFileInfo::exists(draftPath()));
        QCOMPARE(m_platform->documentPath, QString()); // the draft is no document of the user's
        QVERIFY(m_platform->warnings.isEmpty());
        run.history.undo();
        QVERIFY(SpellSnapshot::of(run.window) == fresh);
    }

    void damagedDraftIsSetAsideWithANote()
    {
        QVERIFY(QDir().mkpath(path(QStringLiteral("data"))));
        QVERIFY(writeBytes(draftPath(), "<common><itemdef name='cut off"));
        Run run(*m_platform);
        QVERIFY(!run.draft.isAvailable());
        QCOMPARE(m_platform->statusMessages.size(), 1);
        QVERIFY(m_platform->statusMessages.at(0).contains(QStringLiteral("cannot be read")));
        QVERIFY(!QFileInfo::exists(draftPath()));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("data/") + QLatin1String(SpellDraft::damagedFileName))));
        run.draft.restore(); // nothing to restore: nothing happens
        QVERIFY(m_platform->warnings.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestSpellKeeping)
#include "tst_spellkeeping.moc"
