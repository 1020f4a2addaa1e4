// The cost of a choice before it is made, and the drain code taken apart. A preview is only
// worth showing if the double-click then does exactly what it said.
#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "drain/drainbreakdown.h"
#include "drain/drainpreview.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using RulesFixture::withTokens;

namespace {

QStringList rules()
{
    QStringList lines = {
        withTokens("]Plain", ""),
        withTokens("#Combat", "+1"),
        withTokens("Area effect", "+1DRT"),
        "Range",
        withTokens(" Touch", "-1DRT"),
        withTokens(" Far", "+2DRT +1"),
        withTokens("Area extra", "+1"),
        "Tier",
        withTokens(" High", "+2"),
        withTokens("Heavy", "+9"),
        withTokens("Bad", "+x +1"),
        withTokens("#Many", ""),
    };
    for (int i = 0; i < 14; ++i)
        lines << withTokens(QStringLiteral("M%1 mod").arg(i, 2, 10, QLatin1Char('0')), "+1DRT");
    return lines;
}

int rowOf(const ListControl &list, const QString &text)
{
    return int(list.rows().indexOf(text));
}

struct Window
{
    QTemporaryDir dir;
    RecordingPlatform platform{dir.path()};
    Cantrix cantrix{platform};

    Window()
    {
        RulesFixture::write(dir.path(), rules());
        cantrix.Form_Load();
    }

    // "Modifier" double-clicks it, "Modifier|Option" chooses the option, "#Category" selects
    // the category, "-" takes the rules file away.
    void pick(const QString &step)
    {
        if (step == u'-') {
            QFile::remove(cantrix.rulesFilePath());
        } else if (step.startsWith(u'#')) {
            cantrix.CategoryCombo.setSelectedIndex(rowOf(cantrix.CategoryCombo, step.mid(1)));
        } else if (const QStringList parts = step.split(u'|'); parts.size() == 2) {
            cantrix.Modifier1List.setSelectedIndex(rowOf(cantrix.Modifier1List, parts[0]));
            cantrix.userDoubleClickOption(rowOf(cantrix.Modifier2List, parts[1]));
        } else {
            cantrix.userDoubleClickModifier(rowOf(cantrix.Modifier1List, step));
        }
    }
};

} // namespace

class TestDrainPreview : public QObject
{
    Q_OBJECT

private slots:
    void previewTellsWhatTheDoubleClickDoes_data()
    {
        QTest::addColumn<QStringList>("picks");
        // "Modifier" selects a modifier, "Modifier|Option" an option of it.
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("status");
        QTest::newRow("nothing selected") << QStringList{} << "" << "";
        QTest::newRow("adds") << QStringList{} << "Area effect" << "Adds +1DRT: drain becomes [(1/2) +1] L";
        QTest::newRow("owns options") << QStringList{} << "Range" << "To add \u2018Range\u2019, pick one of its 2 options.";
        QTest::newRow("owns one option") << QStringList{} << "Tier" << "To add \u2018Tier\u2019, pick its option.";
        QTest::newRow("chosen already")
            << QStringList{"Area effect"} << "Area effect"
            << "\u2018Area effect\u2019 is chosen already (row 1).";
        QTest::newRow("same six characters")
            << QStringList{"Area effect"} << "Area extra"
            << "\u2018Area extra\u2019 cannot be added: row 1, \u2018Area effect\u2019, begins with the same six "
               "characters.";
        QTest::newRow("option replaces the earlier one")
            << QStringList{"Range|Touch", "Heavy"} << "Range|Far"
            << "Adds +2DRT +1: drain becomes [(1/2) +2] L (level total 11 is past the table, so the code shows L), "
               "replacing row 1 \u2018Range: Touch\u2019";
        QTest::newRow("past the table the letter stays")
            << QStringList{} << "Heavy"
            << "Adds +9: drain stays [(1/2) ] L (level total 10 is past the table, so the code shows L)";
        QTest::newRow("refused past the table")
            << QStringList{"Heavy"} << "Heavy"
            << "\u2018Heavy\u2019 is chosen already (row 1); level total 10 is past the table, so the code shows L.";
        QStringList thirteen{"#Many"};
        for (int i = 0; i < 13; ++i)
            thirteen << QStringLiteral("M%1 mod").arg(i, 2, 10, QLatin1Char('0'));
        QTest::newRow("past the thirteenth row")
            << thirteen << "M13 mod"
            << "Adds +1DRT: drain stays [(1/2) +13] L (row 14 would be past the thirteenth and not count)";
        QTest::newRow("rules unreadable")
            << QStringList{"-"} << "Area effect" << "Nothing can be added while GX2Mod.dat cannot be read.";
    }

    void previewTellsWhatTheDoubleClickDoes()
    {
        QFETCH(QStringList, picks);
        QFETCH(QString, selected);
        QFETCH(QString, status);
        Window w;
        Cantrix &c = w.cantrix;
        for (const QString &step : picks)
            w.pick(step);
        const QStringList parts = selected.split(u'|');
        c.Modifier1List.setSelectedIndex(rowOf(c.Modifier1List, parts[0]));
        if (parts.size() == 2)
            c.Modifier2List.setSelectedIndex(rowOf(c.Modifier2List, parts[1]));

        const DrainPreview preview = DrainPreview::ofSelection(c.drainInputs());
        QCOMPARE(preview.statusText(), status);
        if (selected.isEmpty())
            return;
        const QStringList before = c.Summary2List.rows();
        if (parts.size() == 2)
            c.Modifier2List_DblClick();
        else
            c.Modifier1List_DblClick();
        if (preview.outcome == DrainPreview::Outcome::Adds) {
            QCOMPARE(c.DrainText.text(), preview.codeAfter);
            QCOMPARE(c.Summary2List.row(preview.position), preview.text);
        } else {
            QCOMPARE(c.Summary2List.rows(), before);
        }
    }

    void modifierToolTipsNameTheirCost()
    {
        Window w;
        Cantrix &c = w.cantrix;
        const int range = rowOf(c.Modifier1List, QStringLiteral("Range"));
        QCOMPARE(DrainPreview::modifierToolTip(c.drainInputs(), range), QStringLiteral("no drain tokens of its own"));
        c.Modifier1List.setSelectedIndex(range);
        QVERIFY(DrainPreview::modifierToolTip(c.drainInputs(), range).contains(QStringLiteral("option picked")));
        QCOMPARE(DrainPreview::modifierToolTip(c.drainInputs(), 0), QStringLiteral("+1 drain modifier"));
    }

    void breakdownExplainsTheCodeShown()
    {
        Window w;
        for (const char *step : {"Range|Far", "Bad", "Heavy"})
            w.pick(QLatin1String(step));
        const DrainBreakdown breakdown = DrainBreakdown::of(w.cantrix.drainInputs());
        QCOMPARE(breakdown.code, w.cantrix.DrainText.text());
        QStringList names;
        for (const DrainBreakdown::Row &row : breakdown.counted)
            names << row.name() + u' ' + Drain::signedNumber(row.share.level) + u'/'
                         + Drain::signedNumber(row.share.drainModifier);
        QCOMPARE(names, (QStringList{"Category +1/0", "Type 0/0", "Row 1 +1/+2", "Row 2 +1/0", "Row 3 +9/0"}));
        QCOMPARE(breakdown.counted[3].skipped, QStringList{"+x"});
        QCOMPARE(breakdown.totals, (Drain::Totals{12, 2}));
        QVERIFY(breakdown.levelPastTable());
        const QString text = breakdown.lines().join(u'\n');
        QVERIFY2(text.contains(QStringLiteral("Level total 12 is past the table (1 to 8), so the drain code shows L.")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\u2018+x\u2019 is skipped")), qPrintable(text));
    }
};

QTEST_APPLESS_MAIN(TestDrainPreview)
#include "tst_drainpreview.moc"
