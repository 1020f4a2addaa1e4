#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using RulesFixture::withTokens;

namespace {

// A small rules file: two categories, two types, stand-alone modifiers and two with options.
QStringList standardRules()
{
    return {
        "! Test rules",
        withTokens("#Combat", "+1"),
        withTokens("Area effect", "+1DRT"),
        "Range",
        withTokens(" Touch", "-1DRT"),
        "! a note inside the block",
        withTokens(" Far", "+2DRT +1"),
        withTokens("Area extra", "+1"),
        "Tier",
        withTokens(" Low", "+1"),
        withTokens(" High", "+2"),
        withTokens("Zap", "+3DRT"),
        withTokens("]Mana", "+1 -1DRT"),
        withTokens("]Physical", "+2"),
        withTokens("#Detection", "+2DRT"),
        withTokens("Sense", "+1"),
    };
}

struct Window
{
    QTemporaryDir dir;
    RecordingPlatform platform;
    Cantrix cantrix{platform};

    explicit Window(const QStringList &rules = standardRules())
    {
        platform.setProgramDirectory(dir.path());
        RulesFixture::write(dir.path(), rules);
    }
    int rowOf(ListControl &list, const QString &text) { return int(list.rows().indexOf(text)); }
    void doubleClickModifier(const QString &text) { cantrix.userDoubleClickModifier(rowOf(cantrix.Modifier1List, text)); }
    void chooseOption(const QString &modifier, const QString &option)
    {
        cantrix.Modifier1List.setSelectedIndex(rowOf(cantrix.Modifier1List, modifier));
        cantrix.userDoubleClickOption(rowOf(cantrix.Modifier2List, option));
    }
};

QStringList blanks(int n)
{
    return QStringList(n, QStringLiteral(" "));
}

} // namespace

class TestCantrix : public QObject
{
    Q_OBJECT

private slots:
    void startUpSelectsFirstCategoryAndType()
    {
        Window w;
        QStringList events;
        Cantrix &c = w.cantrix;
        connect(&c.CategoryCombo, &ListControl::clicked, this, [&] { events << "category"; });
        connect(&c.TypeCombo, &ListControl::clicked, this, [&] { events << "type"; });
        c.Form_Load();
        QCOMPARE(events, (QStringList{"category", "type"}));
        QCOMPARE(c.CategoryCombo.rows(), (QStringList{"Combat", "Detection"}));
        QCOMPARE(c.CategoryCombo1.rows(), (QStringList{"+1", "+2DRT"}));
        QCOMPARE(c.TypeCombo.rows(), (QStringList{"Mana", "Physical"}));
        QCOMPARE(c.Summary1List.rows(), (QStringList{"Combat Spell", "Mana Spell", "Choose Force"}));
        QCOMPARE(c.Summary1List1.rows(), QStringList({"+1", "+1 -1DRT"}) + blanks(19));
        QCOMPARE(c.Modifier1List.rows(), (QStringList{"Area effect", "Range", "Area extra", "Tier", "Zap"}));
        QVERIFY(c.Summary2List1.rows().isEmpty());
        QCOMPARE(c.ForceText.text(), QStringLiteral("1"));
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(1/2) -1] M"));
        QVERIFY(!c.isClosed());
        QVERIFY(w.platform.warnings.isEmpty());
    }

    void missingRulesFileClosesTheWindow()
    {
        Window w{QStringList{}};
        QFile::remove(w.cantrix.rulesFilePath());
        w.cantrix.Form_Load();
        QCOMPARE(w.platform.warnings.size(), 1);
        QCOMPARE(w.platform.warnings[0].title, QStringLiteral("File Missing!"));
        QCOMPARE(w.platform.warnings[0].text,
                 QStringLiteral("Sorry, GX2Mod.dat is missing. This file is needed for Cantrix to run"));
        QCOMPARE(w.platform.closeCount, 1);
        QVERIFY(w.cantrix.isClosed());
        QVERIFY(w.cantrix.CategoryCombo.rows().isEmpty());
    }

    void unreadableRulesFileNamesFileAndReason()
    {
        Window w{QStringList{}};
        QFile::remove(w.cantrix.rulesFilePath());
        QVERIFY(QDir(w.dir.path()).mkdir(QStringLiteral("GX2Mod.dat")));
        w.cantrix.Form_Load();
        QCOMPARE(w.platform.warnings.size(), 1);
        QVERIFY(w.platform.warnings[0].text.contains(QStringLiteral("GX2Mod.dat")));
        QVERIFY(w.platform.warnings[0].text.contains(QStringLiteral("folder")));
        QVERIFY(w.cantrix.isClosed());
    }

    void newWithoutRulesFileKeepsTheSpell()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        w.doubleClickModifier(QStringLiteral("Zap"));
        QSignalSpy refused(&c, &Cantrix::designRefused);
        QFile::remove(c.rulesFilePath());

        QVERIFY(!c.startNew());
        QCOMPARE(w.platform.warnings.size(), 1);
        QVERIFY(w.platform.warnings[0].text.startsWith(QLatin1String(Cantrix::missingRulesText)));
        QVERIFY(w.platform.warnings[0].text.contains(QDir::toNativeSeparators(w.dir.path())));
        QVERIFY(!c.isClosed());
        QCOMPARE(refused.count(), 1);
        QCOMPARE(c.Summary2List.rows(), QStringList{"Zap"});

        RulesFixture::write(w.dir.path(), standardRules());
        c.mnuNew_Click();
        QVERIFY(c.Summary2List.rows().isEmpty());
    }

    void noCategoryOrTypeLeavesAnUsableEmptyWindow()
    {
        Window w({"! nothing but a comment"});
        Cantrix &c = w.cantrix;
        c.Form_Load();
        QVERIFY(!c.isClosed());
        QCOMPARE(c.CategoryCombo.selectedIndex(), -1);
        QCOMPARE(c.TypeCombo.selectedIndex(), -1);
        QCOMPARE(c.Summary1List.rows(), (QStringList{"Choose Category", "Choose Type", "Choose Force"}));
        QCOMPARE(c.Summary1List1.rows(), blanks(21));
        // The modifier summary and its twin stay aligned.
        QCOMPARE(c.Summary2List1.count(), c.Summary2List.count());
        c.ForceText.setText(QStringLiteral("5"));
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(5/2) ] L"));
    }

    void newRunsTheForceHandlerOnTheOldSummary()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        c.ForceText.setText(QStringLiteral("6"));
        c.NameText.setText(QStringLiteral("Bolt"));
        w.doubleClickModifier(QStringLiteral("Zap"));
        c.Modifier1List.setSelectedIndex(w.rowOf(c.Modifier1List, QStringLiteral("Range")));
        // Observed right after the model's own force handler: the category and type rows were
        // still there when it replaced the force row.
        QStringList summaryWhenForceChanged;
        connect(&c.ForceText, &TextControl::changed, this, [&] { summaryWhenForceChanged = c.Summary1List.rows(); });
        c.mnuNew_Click();
        QCOMPARE(summaryWhenForceChanged, (QStringList{"Combat Spell", "Mana Spell", "Force 1"}));
        QCOMPARE(c.ForceText.text(), QStringLiteral("1"));
        QCOMPARE(c.Summary1List.rows(), (QStringList{"Combat Spell", "Mana Spell", "Choose Force"}));
        QCOMPARE(c.NameText.text(), QString());
        QVERIFY(c.Summary2List.rows().isEmpty());
        QCOMPARE(c.Text2.text(), QStringLiteral("Range")); // kept across New
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(1/2) -1] M"));
    }

    void categorySelectionDropsChosenModifiers()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        c.ForceText.setText(QStringLiteral("4"));
        w.doubleClickModifier(QStringLiteral("Zap"));
        c.CategoryCombo.setSelectedIndex(1);
        QCOMPARE(c.Modifier1List.rows(), QStringList{"Sense"});
        QVERIFY(c.Summary2List.rows().isEmpty());
        QVERIFY(c.Summary2List1.rows().isEmpty());
        QCOMPARE(c.Summary1List.rows(), (QStringList{"Detection Spell", "Mana Spell", "Force 4"}));
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(4/2) +1] L"));
        QCOMPARE(w.platform.statusMessages.constLast(),
                 QStringLiteral("1 modifier row was dropped with the category: Edit > Undo brings it back."));
    }

    void typeSelectionReplacesOnlyItsRow()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        c.TypeCombo.setSelectedIndex(1);
        QCOMPARE(c.Summary1List.rows(), (QStringList{"Combat Spell", "Physical Spell", "Choose Force"}));
        QCOMPARE(c.Summary1List1.count(), 21);
        QCOMPARE(c.Summary1List1.row(1), QStringLiteral("+2"));
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(1/2) ] S"));
    }

    void forceEntry_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("drain");
        QTest::addColumn<bool>("marked");
        QTest::newRow("typing 1 then 2") << QStringList{"1", "12"} << "Force 12" << "[(12/2) -1] M" << false;
        QTest::newRow("deleting keeps the last force") << QStringList{"6", ""} << "Force 6" << "[(6/2) -1] M" << false;
        QTest::newRow("letters as typed") << QStringList{"abc"} << "Force abc" << "[(abc/2) -1] M" << true;
        QTest::newRow("leading blank kept") << QStringList{" 3"} << "Force  3" << "[( 3/2) -1] M" << true;
        QTest::newRow("zero") << QStringList{"0"} << "Force 0" << "[(0/2) -1] M" << true;
        QTest::newRow("negative") << QStringList{"-3"} << "Force -3" << "[(-3/2) -1] M" << true;
        QTest::newRow("mended") << QStringList{"x", "5"} << "Force 5" << "[(5/2) -1] M" << false;
    }

    void forceEntry()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, row);
        QFETCH(QString, drain);
        QFETCH(bool, marked);
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        c.ForceText.setText(QString()); // start from an empty field
        for (const QString &text : typed)
            c.ForceText.setText(text);
        QCOMPARE(c.Summary1List.row(2), row);
        QCOMPARE(c.Summary1List.count(), 3);
        QCOMPARE(c.Summary1List1.row(2), row.mid(6));
        QCOMPARE(c.DrainText.text(), drain);
        QCOMPARE(!c.forceProblem().isEmpty(), marked);
        const QStringList &said = w.platform.statusMessages;
        QCOMPARE(said.isEmpty() ? QString() : said.constLast(), c.forceProblem());
    }

    void modifierClickListsItsOptions()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        c.Modifier1List.setSelectedIndex(w.rowOf(c.Modifier1List, QStringLiteral("Range")));
        QCOMPARE(c.Text2.text(), QStringLiteral("Range"));
        QCOMPARE(c.Modifier2List.rows(), (QStringList{"Touch", "Far"}));
        QCOMPARE(c.Modifier2List1.rows(), (QStringList{"-1DRT", "+2DRT +1"}));
        c.Modifier1List.setSelectedIndex(w.rowOf(c.Modifier1List, QStringLiteral("Zap")));
        QVERIFY(c.Modifier2List.rows().isEmpty());
    }

    void standAloneModifiers()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        w.doubleClickModifier(QStringLiteral("Zap"));
        w.doubleClickModifier(QStringLiteral("Zap"));
        QCOMPARE(c.Summary2List.rows(), QStringList{"Zap"});
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(1/2) +2] M"));
        // "Area effect" and "Area extra" share their first six characters: the second is refused.
        w.doubleClickModifier(QStringLiteral("Area effect"));
        w.doubleClickModifier(QStringLiteral("Area extra"));
        QCOMPARE(c.Summary2List.rows(), (QStringList{"Zap", "Area effect"}));
        QCOMPARE(c.Summary2List1.rows(), (QStringList{"+3DRT", "+1DRT"}));
        // A modifier that owns options does not enter on its own.
        w.doubleClickModifier(QStringLiteral("Range"));
        QCOMPARE(c.Summary2List.count(), 2);
    }

    void optionsReplaceEachOther()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        w.chooseOption(QStringLiteral("Range"), QStringLiteral("Touch"));
        w.doubleClickModifier(QStringLiteral("Zap"));
        w.chooseOption(QStringLiteral("Range"), QStringLiteral("Far"));
        QCOMPARE(c.Summary2List.rows(), (QStringList{"Zap", "Range: Far"}));
        QCOMPARE(c.Summary2List1.rows(), (QStringList{"+3DRT", "+2DRT +1"}));
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(1/2) +4] S"));
    }

    void shortModifierOptionsReplaceEachOther()
    {
        // "Tier" is shorter than six characters: its rows are those starting "Tier: ".
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        w.chooseOption(QStringLiteral("Tier"), QStringLiteral("Low"));
        w.chooseOption(QStringLiteral("Tier"), QStringLiteral("High"));
        w.chooseOption(QStringLiteral("Tier"), QStringLiteral("High"));
        QCOMPARE(c.Summary2List.rows(), QStringList{"Tier: High"});
        QCOMPARE(c.Summary2List1.rows(), QStringList{"+2"});
    }

    void optionDoubleClickWithoutSelectionIsIgnored()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        c.Modifier1List.setSelectedIndex(w.rowOf(c.Modifier1List, QStringLiteral("Range")));
        c.Modifier2List_DblClick();
        QVERIFY(c.Summary2List.rows().isEmpty());
    }

    void onlyThirteenRowsAreSearchedAndCounted()
    {
        QStringList rules = {withTokens("#Many", ""), withTokens("]Plain", "")};
        for (int i = 0; i < 15; ++i)
            rules << withTokens(QStringLiteral("Mod%1 x").arg(i, 2, 10, QLatin1Char('0')), "+1DRT");
        Window w(rules);
        Cantrix &c = w.cantrix;
        c.Form_Load();
        for (int i = 0; i < 14; ++i)
            c.userDoubleClickModifier(i);
        QCOMPARE(c.Summary2List.count(), 14);
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(1/2) +13] L"));
        // Row 13 lies outside the searched rows, so its modifier is taken again.
        c.userDoubleClickModifier(13);
        QCOMPARE(c.Summary2List.count(), 15);
        // A row within the first thirteen still refuses its modifier.
        c.userDoubleClickModifier(0);
        QCOMPARE(c.Summary2List.count(), 15);
    }

    void optionRemovalExaminesOnlyTheOriginalThirteenRows()
    {
        QStringList rules = {"#Many", "]Plain", "Mode", " One", " Two"};
        for (int i = 0; i < 13; ++i)
            rules << QStringLiteral("%1 filler").arg(QChar(u'a' + i));
        Window w(rules);
        Cantrix &c = w.cantrix;
        c.Form_Load();
        w.chooseOption(QStringLiteral("Mode"), QStringLiteral("One")); // row 0
        for (int i = 1; i <= 12; ++i)
            c.userDoubleClickModifier(i);
        // Rows 0..12 are full; a second "Mode" row at 13 sits outside the searched range.
        c.Summary2List.append(QStringLiteral("Mode: Two"));
        c.Summary2List1.append(QString());
        w.chooseOption(QStringLiteral("Mode"), QStringLiteral("Two"));
        // Row 0 went; the row that moved up into 12 is not examined again.
        QCOMPARE(c.Summary2List.rows().filter(QStringLiteral("Mode: ")).size(), 2);
        QCOMPARE(c.Summary2List.rows().constLast(), QStringLiteral("Mode: Two"));
        QCOMPARE(c.Summary2List.row(0), QStringLiteral("a filler"));
    }

    void emptyModifierIsNotMatchedAgainstMissingRows()
    {
        Window w({"#Odd", "]Plain", "", "Next"});
        Cantrix &c = w.cantrix;
        c.Form_Load();
        QCOMPARE(c.Modifier1List.rows(), (QStringList{"", "Next"}));
        c.userDoubleClickModifier(0);
        QCOMPARE(c.Summary2List.rows(), QStringList{""});
        QCOMPARE(c.Summary2List1.count(), 1);
    }

    void removeTakesTheSelectedRow()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        w.doubleClickModifier(QStringLiteral("Zap"));
        w.doubleClickModifier(QStringLiteral("Area effect"));
        c.RemoveCommand_Click(); // nothing selected
        QCOMPARE(c.Summary2List.count(), 2);
        c.Summary2List.setSelectedIndex(0);
        c.RemoveCommand_Click();
        QCOMPARE(c.Summary2List.rows(), QStringList{"Area effect"});
        QCOMPARE(c.Summary2List1.rows(), QStringList{"+1DRT"});
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(1/2) ] M"));
    }

    void removeWorksOnAnEmptyRow()
    {
        Window w({"#Odd", "]Plain", "", "Next"});
        Cantrix &c = w.cantrix;
        c.Form_Load();
        c.userDoubleClickModifier(0);
        c.Summary2List.setSelectedIndex(0);
        c.RemoveCommand_Click();
        QVERIFY(c.Summary2List.rows().isEmpty());
        QVERIFY(c.Summary2List1.rows().isEmpty());
    }

    void vanishedRulesFileIsReportedOnceInTheStatusBar()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        QFile::remove(c.rulesFilePath());
        c.CategoryCombo.setSelectedIndex(1);
        c.Modifier1List.setSelectedIndex(0);
        QVERIFY(c.Modifier1List.rows().isEmpty());
        QCOMPARE(c.Summary1List.row(0), QStringLiteral("Detection Spell"));
        QCOMPARE(w.platform.statusMessages.size(), 1);
        QVERIFY(w.platform.statusMessages[0].contains(QStringLiteral("GX2Mod.dat")));
        QVERIFY(w.platform.warnings.isEmpty());
        QVERIFY(!c.isClosed());
        // Once readable again, the notice is taken away, and a later loss is reported anew.
        RulesFixture::write(w.dir.path(), standardRules());
        c.CategoryCombo.setSelectedIndex(0);
        QCOMPARE(c.Modifier1List.count(), 5);
        QCOMPARE(w.platform.statusMessages.size(), 2);
        QCOMPARE(w.platform.statusMessages[1], QString());
        c.CategoryCombo.setSelectedIndex(1);
        QCOMPARE(w.platform.statusMessages.size(), 2);
        QFile::remove(c.rulesFilePath());
        c.CategoryCombo.setSelectedIndex(0);
        QCOMPARE(w.platform.statusMessages.size(), 3);
        QVERIFY(w.platform.statusMessages[2].contains(QStringLiteral("GX2Mod.dat")));
    }

    void doubleClickWithoutReadableRulesAddsNothing_data()
    {
        QTest::addColumn<QString>("modifier");
        QTest::newRow("a modifier that owns options") << "Range";
        QTest::newRow("a stand-alone modifier") << "Zap";
    }

    void doubleClickWithoutReadableRulesAddsNothing()
    {
        // Whether a modifier owns options is in the rules file alone: while it cannot be
        // read, a modifier still listed must not slip into the summary as if it stood alone.
        QFETCH(QString, modifier);
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        QFile::remove(c.rulesFilePath());
        w.doubleClickModifier(modifier);
        QVERIFY(c.Summary2List.rows().isEmpty());
        QVERIFY(c.Summary2List1.rows().isEmpty());
        QCOMPARE(w.platform.statusMessages.size(), 1);
    }

    void newWithTheRulesFileBackTakesTheNoticeAway()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        QFile::remove(c.rulesFilePath());
        c.Modifier1List.setSelectedIndex(0);
        QCOMPARE(w.platform.statusMessages.size(), 1);
        RulesFixture::write(w.dir.path(), standardRules());
        c.mnuNew_Click();
        QCOMPARE(w.platform.statusMessages, (QStringList{w.platform.statusMessages[0], QString()}));
        QVERIFY(!c.isClosed());
    }

    void rulesFileChangesTakeEffectAtNew()
    {
        Window w;
        Cantrix &c = w.cantrix;
        c.Form_Load();
        RulesFixture::write(w.dir.path(), {withTokens("#Fresh", "+3"), withTokens("]Only", "")});
        c.mnuNew_Click();
        QCOMPARE(c.CategoryCombo.rows(), QStringList{"Fresh"});
        QCOMPARE(c.DrainText.text(), QStringLiteral("[(1/2) ] S"));
    }
};

QTEST_APPLESS_MAIN(TestCantrix)
#include "tst_cantrix.moc"
