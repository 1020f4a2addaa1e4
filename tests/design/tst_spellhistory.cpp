// Undo and Redo of the design window: what one step is, and that a step undone leaves the
// window exactly as it was, with no handler run and no rules file read.
#include <functional>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "design/cantrix.h"
#include "design/spellhistory.h"
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
                                         withTokens("#Detection", "+2DRT"), withTokens("Sense", "+1"),
                                         withTokens("]Mana", "+1 -1DRT"), withTokens("]Physical", "+2")});
        act([this] { cantrix.Form_Load(); });
    }
    // One user action, settled as the program's event loop settles it.
    void act(const std::function<void()> &action)
    {
        action();
        history.settle();
    }
    // A spell with a modifier and an option chosen, a force and a name, one step each.
    void compose()
    {
        act([this] { cantrix.ForceText.setText(QStringLiteral("6")); });
        act([this] { cantrix.userDoubleClickModifier(0); });
        act([this] { cantrix.Modifier1List.setSelectedIndex(1); });
        act([this] { cantrix.userDoubleClickOption(1); });
        act([this] { cantrix.NameText.setText(QStringLiteral("Bolt")); });
    }
};

} // namespace

class TestSpellHistory : public QObject
{
    Q_OBJECT

private slots:
    void startUpIsNoStep()
    {
        Window w;
        QVERIFY(!w.history.canUndo());
        QVERIFY(!w.history.canRedo());
    }

    void undoPutsBackTheWholeWindowWithoutHandlersOrRules()
    {
        Window w;
        const SpellSnapshot fresh = SpellSnapshot::of(w.cantrix);
        w.compose();
        const SpellSnapshot composed = SpellSnapshot::of(w.cantrix);
        // The mouse wheel on the category list drops every modifier chosen.
        w.act([&] { w.cantrix.CategoryCombo.setSelectedIndex(1); });
        QVERIFY(w.cantrix.Summary2List.rows().isEmpty());

        QFile::remove(w.cantrix.rulesFilePath());
        QSignalSpy clicks(&w.cantrix.CategoryCombo, &ListControl::clicked);
        // Handlers replace summary rows one by one; a restore puts whole lists back.
        QSignalSpy rowsInserted(&w.cantrix.Summary1List, &ListControl::rowInserted);
        w.history.undo();
        QVERIFY(SpellSnapshot::of(w.cantrix) == composed);
        QCOMPARE(w.cantrix.Summary2List.rows(), QStringList({"Area effect", "Range: Far"}));
        QCOMPARE(w.cantrix.Text2.text(), QStringLiteral("Range"));

        w.history.redo();
        QCOMPARE(w.cantrix.CategoryCombo.selectedIndex(), 1);
        QVERIFY(w.cantrix.Summary2List.rows().isEmpty());
        QVERIFY(!w.history.canRedo());
        while (w.history.canUndo())
            w.history.undo();
        QVERIFY(SpellSnapshot::of(w.cantrix) == fresh);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(rowsInserted.count(), 0);
        QVERIFY(w.platform.statusMessages.isEmpty()); // the rules file was never asked for
    }

    void everyStepUndoesInTurn()
    {
        Window w;
        w.compose();
        w.act([&] { w.cantrix.Summary2List.setSelectedIndex(0); }); // a selection only: no step
        w.act([&] { w.cantrix.RemoveCommand_Click(); });
        w.act([&] { w.cantrix.mnuNew_Click(); });
        QCOMPARE(w.history.undoSteps(), 6);
        QVERIFY(w.cantrix.Summary2List.rows().isEmpty());
        w.history.undo();
        QCOMPARE(w.cantrix.Summary2List.rows(), QStringList({"Range: Far"}));
        w.history.undo();
        QCOMPARE(w.cantrix.Summary2List.rows(), QStringList({"Area effect", "Range: Far"}));
        QCOMPARE(w.cantrix.Summary2List.selectedIndex(), 0);
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

    void aNewStepDropsWhatRedoOffered()
    {
        Window w;
        w.compose();
        w.history.undo();
        QVERIFY(w.history.canRedo());
        w.act([&] { w.cantrix.DescriptionText.setText(QStringLiteral("Hot")); });
        QVERIFY(!w.history.canRedo());
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
};

QTEST_APPLESS_MAIN(TestSpellHistory)
#include "tst_spellhistory.moc"
