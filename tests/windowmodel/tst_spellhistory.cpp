// Undo and Redo of the design window: what one step is, and that a step undone leaves the
// window exactly as it was, with no handler run and no rules file read.
#include <functional>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "windowmodel/spellhistory.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using RulesFixture::withTokens;

namespace {

struct Window
{
    QTemporaryDir dir;
    RecordingPlatform platform{dir.path()};
    Cantrix cantrix{platform};
    SpellHistory history{cantrix};

    Window()
    {
        RulesFixture::write(dir.path(), {withTokens("#Combat", "+1"), withTokens("Area effect", "+1DRT"), "Range",
                                         withTokens(" Touch", "-1DRT"), withTokens(" Far", "+2"),
                                         withTokens("#Detection", "+2DRT"), withTokens("]Mana", "+1 -1DRT")});
        act([this] { cantrix.Form_Load(); });
    }
    // One user action, settled as the program's event loop settles it.
    void act(const std::function<void()> &action)
    {
        action();
        history.settle();
    }
};

} // namespace

class TestSpellHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoPutsBackTheWholeWindowWithoutHandlersOrRules()
    {
        Window w;
        QVERIFY(!w.history.canUndo()); // start-up is no step
        const SpellSnapshot fresh = SpellSnapshot::of(w.cantrix);
        w.act([&] { w.cantrix.ForceText.setText(QStringLiteral("6")); });
        w.act([&] { w.cantrix.userDoubleClickModifier(0); });
        w.act([&] { w.cantrix.Modifier1List.setSelectedIndex(1); }); // options listed: no step
        w.act([&] { w.cantrix.userDoubleClickOption(1); });
        const SpellSnapshot composed = SpellSnapshot::of(w.cantrix);
        // The mouse wheel on the category list drops every modifier chosen.
        w.act([&] { w.cantrix.CategoryCombo.setSelectedIndex(1); });
        QCOMPARE(w.history.undoSteps(), 4);
        QCOMPARE(w.history.undoName(), QStringLiteral("Choose Category 'Detection'"));
        const qsizetype told = w.platform.statusMessages.size();

        QFile::remove(w.cantrix.rulesFilePath());
        QSignalSpy clicks(&w.cantrix.CategoryCombo, &ListControl::clicked);
        // Handlers replace summary rows one by one; a restore puts whole lists back.
        QSignalSpy rowsInserted(&w.cantrix.Summary1List, &ListControl::rowInserted);
        w.history.undo();
        QVERIFY(SpellSnapshot::of(w.cantrix) == composed);
        QCOMPARE(w.history.redoName(), QStringLiteral("Choose Category 'Detection'"));
        QCOMPARE(w.history.undoName(), QStringLiteral("Add Modifier 'Range: Far'"));
        QCOMPARE(w.cantrix.Text2.text(), QStringLiteral("Range"));
        w.history.redo();
        QVERIFY(w.cantrix.Summary2List.rows().isEmpty());
        while (w.history.canUndo())
            w.history.undo();
        QVERIFY(SpellSnapshot::of(w.cantrix) == fresh);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(rowsInserted.count(), 0);
        QCOMPARE(w.platform.statusMessages.size(), told); // the rules file was never asked for

        // A new step drops what Redo offered.
        QVERIFY(w.history.canRedo());
        w.act([&] { w.cantrix.DescriptionText.setText(QStringLiteral("Hot")); });
        QVERIFY(!w.history.canRedo());
    }

    void typingInOneFieldIsOneStep_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("name") << "NameText";
        QTest::newRow("force") << "ForceText";
        QTest::newRow("description") << "DescriptionText";
    }

    void typingInOneFieldIsOneStep()
    {
        QFETCH(QString, field);
        Window w;
        TextControl *typed = nullptr;
        for (TextControl *text : {&w.cantrix.NameText, &w.cantrix.ForceText, &w.cantrix.DescriptionText})
            typed = text->name() == field ? text : typed;
        const SpellSnapshot before = SpellSnapshot::of(w.cantrix);
        for (const char *keys : {"1", "12", "123"})
            w.act([&] { typed->setText(QLatin1String(keys)); });
        w.act([&] { w.cantrix.Modifier1List.setSelectedIndex(1); }); // ends the typing
        w.act([&] { typed->setText(QStringLiteral("1234")); });
        QCOMPARE(w.history.undoSteps(), 2);
        w.history.undo();
        QCOMPARE(typed->text(), QStringLiteral("123"));
        w.history.undo();
        QVERIFY(SpellSnapshot::of(w.cantrix) == before);
    }

    void holdsTheLatestHundredSteps()
    {
        Window w;
        for (int i = 0; i < SpellHistory::maxSteps + 5; ++i) {
            w.act([&] { w.cantrix.NameText.setText(QString::number(i)); });
            w.act([&] { w.cantrix.Modifier1List.setSelectedIndex(i % 2); });
        }
        QCOMPARE(w.history.undoSteps(), SpellHistory::maxSteps);
        while (w.history.canUndo())
            w.history.undo();
        QCOMPARE(w.cantrix.NameText.text(), QStringLiteral("4"));
    }

    void listsBuiltAgainAreKeptOnceAndTheBudgetHolds()
    {
        Window w;
        const SpellSnapshot fresh = SpellSnapshot::of(w.cantrix);
        const void *combat = w.cantrix.Modifier1List.rows().constData();
        const auto switchTwice = [&w] {
            w.act([&] { w.cantrix.CategoryCombo.setSelectedIndex(1); });
            w.act([&] { w.cantrix.CategoryCombo.setSelectedIndex(0); });
        };
        switchTwice();
        const qint64 held = w.history.heldBytes();
        for (int i = 0; i < 20; ++i)
            switchTwice();
        QCOMPARE(w.cantrix.Modifier1List.rows().constData(), combat);
        // Only the texts a handler writes anew (the drain code) add to what the history holds.
        QVERIFY2(w.history.heldBytes() < held + 40 * 100, qPrintable(QString::number(w.history.heldBytes() - held)));

        const int steps = w.history.undoSteps();
        w.history.setMemoryBudget(w.history.heldBytes() - 1);
        switchTwice();
        QVERIFY(w.history.heldBytes() <= w.history.memoryBudget());
        QVERIFY(w.history.undoSteps() < steps);
        while (w.history.canUndo())
            w.history.undo();
        QVERIFY(!(SpellSnapshot::of(w.cantrix) == fresh)); // the oldest steps went first
    }
};

QTEST_APPLESS_MAIN(TestSpellHistory)
#include "tst_spellhistory.moc"
