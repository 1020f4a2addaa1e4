#include <QTest>

#include "rules/rulesreaders.h"
#include "tests/support/rulesfixture.h"

using RulesFixture::withTokens;
using RulesReaders::Entry;

namespace {
QStringList texts(const QList<Entry> &entries)
{
    QStringList result;
    for (const Entry &entry : entries)
        result.append(entry.text);
    return result;
}
} // namespace

class TestRulesReaders : public QObject
{
    Q_OBJECT

private slots:
    void typesAreCollectedFromTheWholeFile()
    {
        const QStringList lines = {withTokens("]Early", "+1"), withTokens("#Combat", "+2"), "Area",
                                   withTokens("]Inside", "-1DRT"), "#Health", withTokens("]Late", "")};
        const RulesReaders::CategoriesAndTypes found = RulesReaders::categoriesAndTypes(lines);
        QCOMPARE(found.categories, (QList<Entry>{{"Combat", "+2"}, {"Health", ""}}));
        QCOMPARE(found.types, (QList<Entry>{{"Early", "+1"}, {"Inside", "-1DRT"}, {"Late", ""}}));
    }

    void onlyCommentsAndTypesGiveNoCategories()
    {
        const RulesReaders::CategoriesAndTypes found =
            RulesReaders::categoriesAndTypes({"! rules", withTokens("]Mana", "+1")});
        QVERIFY(found.categories.isEmpty());
        QCOMPARE(found.types.size(), 1);
    }

    void categoryModifiers_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("modifiers");

        QTest::newRow("section ends at the next category")
            << QStringList{"#Combat", "Area", "Range", "#Health", "Cure"} << "Combat" << QStringList{"Area", "Range"};
        QTest::newRow("lines before the first category are never listed")
            << QStringList{"Stray", "#Combat", "Area"} << "Combat" << QStringList{"Area"};
        QTest::newRow("comments, options, types and reserved markers are not modifiers")
            << QStringList{"#Combat", "! note", " option", "]Type", "(x", ")x", "{x", "}x", "[x", "Area"} << "Combat"
            << QStringList{"Area"};
        QTest::newRow("an empty line inside a section is an empty modifier")
            << QStringList{"#Combat", "Area", "", "Range"} << "Combat" << QStringList{"Area", "", "Range"};
        QTest::newRow("empty lines outside sections are passed over")
            << QStringList{"", "#Combat", "Area"} << "Combat" << QStringList{"Area"};
        QTest::newRow("two sections of one name are both listed")
            << QStringList{"#Combat", "Area", "#Health", "Cure", "#Combat", "Range"} << "Combat"
            << QStringList{"Area", "Range"};
        QTest::newRow("a section without modifiers") << QStringList{"#Combat", "#Health", "Cure"} << "Combat"
                                                     << QStringList{};
        QTest::newRow("names are compared case-sensitively") << QStringList{"#combat", "Area"} << "Combat"
                                                             << QStringList{};
        QTest::newRow("long category names find their section")
            << QStringList{"#A category name past fifteen", "Area"} << "A category name past fifteen"
            << QStringList{"Area"};
        QTest::newRow("modifier text stops at column 59")
            << QStringList{"#Combat", withTokens(QString(59, u'm'), "+1")} << "Combat" << QStringList{QString(59, u'm')};
    }

    void categoryModifiers()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, category);
        QFETCH(QStringList, modifiers);
        QCOMPARE(texts(RulesReaders::categoryModifiers(lines, category)), modifiers);
    }

    void modifiersCarryTheirTokens()
    {
        const QList<Entry> modifiers =
            RulesReaders::categoryModifiers({"#Combat", withTokens("Area", "+1 -1DRT"), "Range"}, "Combat");
        QCOMPARE(modifiers, (QList<Entry>{{"Area", "+1 -1DRT"}, {"Range", ""}}));
    }

    void modifierOptions_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("modifier");
        QTest::addColumn<QStringList>("options");

        const QString range = QStringLiteral("Range");
        QTest::newRow("options in file order, comments passed over")
            << QStringList{"#Combat", range, withTokens(" Touch", "-1DRT"), "! note", " Sight", " Far"} << range
            << QStringList{"Touch", "Sight", "Far"};
        QTest::newRow("an option as the last line without line end")
            << QStringList{"#Combat", range, " Touch"} << range << QStringList{"Touch"};
        QTest::newRow("a modifier carrying tokens owns no options")
            << QStringList{"#Combat", withTokens(range, "+1"), " Touch"} << range << QStringList{};
        QTest::newRow("trailing blanks hide the options") << QStringList{"#Combat", "Range ", " Touch"} << range
                                                          << QStringList{};
        QTest::newRow("a reserved marker ends the block")
            << QStringList{"#Combat", range, " Touch", "(", " Lost"} << range << QStringList{"Touch"};
        QTest::newRow("an empty line ends the block") << QStringList{"#Combat", range, " Touch", "", " Lost"} << range
                                                      << QStringList{"Touch"};
        QTest::newRow("the next category line ends block and section")
            << QStringList{"#Combat", range, " Touch", "#Health", range, " Heal"} << range << QStringList{"Touch"};
        QTest::newRow("a second section of the same name is scanned too")
            << QStringList{"#Combat", range, " Touch", "#Health", range, " Heal", "#Combat", range, " Far"} << range
            << QStringList{"Touch", "Far"};
        QTest::newRow("the line that ends a block is examined again")
            << QStringList{"#Combat", range, " Touch", range, " Far"} << range << QStringList{"Touch", "Far"};
        QTest::newRow("not the selected category") << QStringList{"#Health", range, " Heal"} << range
                                                   << QStringList{};
        QTest::newRow("option text stops at column 59, tokens from 61")
            << QStringList{"#Combat", range, withTokens(QLatin1Char(' ') + QString(60, u'o'), "+2")} << range
            << QStringList{QString(58, u'o')};
    }

    void modifierOptions()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, modifier);
        QFETCH(QStringList, options);
        QCOMPARE(texts(RulesReaders::modifierOptions(lines, QStringLiteral("Combat"), modifier)), options);
        QCOMPARE(RulesReaders::ownsOption(lines, QStringLiteral("Combat"), modifier), !options.isEmpty());
        // All of a category's option blocks in one pass give the same.
        QCOMPARE(texts(RulesReaders::optionsByModifier(lines, QStringLiteral("Combat")).value(modifier)), options);
    }

    void optionsCarryTheirTokens()
    {
        const QList<Entry> options = RulesReaders::modifierOptions(
            {"#Combat", "Range", withTokens(" Touch", "-1DRT"), withTokens(" Far", " +2DRT +1 ")}, "Combat", "Range");
        QCOMPARE(options, (QList<Entry>{{"Touch", "-1DRT"}, {"Far", "+2DRT +1"}}));
    }

    void commentsDoNotCountAsOptions()
    {
        QVERIFY(!RulesReaders::ownsOption({"#Combat", "Range", "! only a note", "Next"}, "Combat", "Range"));
    }
};

QTEST_APPLESS_MAIN(TestRulesReaders)
#include "tst_rulesreaders.moc"
