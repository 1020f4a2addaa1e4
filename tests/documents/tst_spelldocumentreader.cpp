#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "documents/spelldocumentreader.h"
#include "documents/spellrebuild.h"
#include "drain/drain.h"
#include "documents/xmlelementreader.h"
#include "tests/documents/spellfixture.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using namespace SpellFixture;

// The element rules of the reader, applied to a window just reset as an Open resets it.
class TestSpellDocumentReader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordingPlatform m_platform;

    std::unique_ptr<Cantrix> freshWindow(const QStringList &rulesLines = rules())
    {
        if (!RulesFixture::write(m_dir.path(), rulesLines))
            qFatal("cannot write the rules data file");
        auto window = std::make_unique<Cantrix>(m_platform);
        window->Form_Load();
        return window;
    }

    static void read(Cantrix &window, const QByteArray &document)
    {
        const XmlElements read = XmlElementReader::read(document);
        QVERIFY2(read.ok, qPrintable(read.reason));
        SpellDocumentReader reader(window);
        for (const XmlElement &element : read.elements)
            reader.parser_startElement(element.name, element.attributes);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_platform.setProgramDirectory(m_dir.path());
    }

    void namesMatchWithoutRegardToCase()
    {
        auto window = freshWindow();
        read(*window, "<COMMON><ItemDef NAME='Bolt'/><General>"
                      "<CATEGORY Value='detection spell' MODIFIER='-2DRT'/>"
                      "<Type VALUE='MANA SPELL' Modifier='+1'/>"
                      "<FORCE Value='Force 6' Modifier='6'/>"
                      "<Drain VALUE='[(6/2) ] L'/><Description VALUE='quiet'/>"
                      "<MOD Value='Extended range' MODIFIER='+1'/></General></COMMON>");
        QCOMPARE(window->NameText.text(), QStringLiteral("Bolt"));
        QCOMPARE(window->CategoryCombo.text(), QStringLiteral("Detection"));
        QCOMPARE(window->TypeCombo.text(), QStringLiteral("Mana"));
        QCOMPARE(window->ForceText.text(), QStringLiteral("6"));
        QCOMPARE(window->Summary1List.rows(),
                 QStringList({QStringLiteral("Detection Spell"), QStringLiteral("Mana Spell"), QStringLiteral("Force 6")}));
        QCOMPARE(window->Summary1List1.rows().mid(0, 3),
                 QStringList({QStringLiteral("-2DRT"), QStringLiteral("+1"), QStringLiteral("6")}));
        QCOMPARE(window->DrainText.text(), QStringLiteral("[(6/2) ] L"));
        QCOMPARE(window->DescriptionText.text(), QStringLiteral("quiet"));
        QCOMPARE(window->Summary2List.rows(), QStringList{QStringLiteral("Extended range")});
        QCOMPARE(window->Summary2List1.rows(), QStringList{QStringLiteral("+1")});
    }

    void firstAttributeOfDateAndItemdef()
    {
        auto window = freshWindow();
        read(*window, "<common><date lastmod='May 01, 2002' creation='March 05, 2001'/>"
                      "<itemdef type='spell' name='Bolt'/></common>");
        QCOMPARE(window->CreationDate, QStringLiteral("May 01, 2002"));
        QCOMPARE(window->NameText.text(), QStringLiteral("spell"));
    }

    void dateAndItemdefWithoutAttributesAreSkipped()
    {
        auto window = freshWindow();
        read(*window, "<common><date/><itemdef/><description value='still read'/></common>");
        QCOMPARE(window->CreationDate, QString());
        QCOMPARE(window->NameText.text(), QString());
        QCOMPARE(window->DescriptionText.text(), QStringLiteral("still read"));
    }

    void laterAttributeOfTheSameNameWins()
    {
        auto window = freshWindow();
        read(*window, "<drain value='first' other='x' VALUE='second'/>");
        QCOMPARE(window->DrainText.text(), QStringLiteral("second"));
    }

    void categoryPrefixMatching_data()
    {
        QTest::addColumn<QStringList>("categories");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("summaryRow");
        QTest::addColumn<QString>("twinRow");

        const QStringList shortFirst{QStringLiteral("Det"), QStringLiteral("Detection")};
        const QStringList longFirst{QStringLiteral("Detection"), QStringLiteral("Det")};
        QTest::newRow("several matches, the last stays") << shortFirst << QStringLiteral("Detection Spell")
                                                         << QStringLiteral("Detection") << QStringLiteral("Detection Spell")
                                                         << QStringLiteral("+5");
        QTest::newRow("several matches in the other order") << longFirst << QStringLiteral("Detection Spell")
                                                            << QStringLiteral("Det") << QStringLiteral("Det Spell")
                                                            << QStringLiteral("+5");
        QTest::newRow("one match") << shortFirst << QStringLiteral("Deter") << QStringLiteral("Det")
                                   << QStringLiteral("Det Spell") << QStringLiteral("+5");
        QTest::newRow("shorter form of a name does not match")
            << QStringList{QStringLiteral("Detection"), QStringLiteral("Combat")} << QStringLiteral("Detect")
            << QStringLiteral("Detection") << QStringLiteral("Detection Spell") << QStringLiteral("+0");
    }

    void categoryPrefixMatching()
    {
        QFETCH(QStringList, categories);
        QFETCH(QString, value);
        QFETCH(QString, selected);
        QFETCH(QString, summaryRow);
        QFETCH(QString, twinRow);

        QStringList lines;
        for (const QString &category : categories) {
            lines << categoryLine(category, QStringLiteral("+0"))
                  << modifierLine(category + QStringLiteral(" only"), QStringLiteral("+1"));
        }
        lines << typeLine(QStringLiteral("Mana"));
        auto window = freshWindow(lines);
        read(*window, QStringLiteral("<category value='%1' modifier='+5'/>").arg(value).toUtf8());

        QCOMPARE(window->CategoryCombo.text(), selected);
        QCOMPARE(window->Modifier1List.rows(), QStringList{selected + QStringLiteral(" only")});
        QCOMPARE(window->Summary1List.row(0), summaryRow);
        QCOMPARE(window->Summary1List1.row(0), twinRow);
        QCOMPARE(window->Summary1List1.count(), Cantrix::summaryTwinBlankRows);
    }

    void typeWithoutMatchKeepsTheReset()
    {
        auto window = freshWindow();
        read(*window, "<type value='Astral Spell' modifier='+9'/>");
        QCOMPARE(window->TypeCombo.text(), QStringLiteral("Physical"));
        QCOMPARE(window->Summary1List.row(1), QStringLiteral("Physical Spell"));
        QCOMPARE(window->Summary1List1.row(1), QStringLiteral("+1DRT"));
    }

    void modWithoutModifierHasAnEmptyTokenString()
    {
        auto window = freshWindow();
        read(*window, "<modifiers><mod value='Area effect'/><mod modifier='+1' value='Voice only'/></modifiers>");
        QCOMPARE(window->Summary2List.rows(), QStringList({QStringLiteral("Area effect"), QStringLiteral("Voice only")}));
        QCOMPARE(window->Summary2List1.rows(), QStringList({QString(), QStringLiteral("+1")}));
    }

    void modsBeforeTheCategoryAreLost()
    {
        // The stored category is the one New already selected: its selection runs all the same.
        auto window = freshWindow();
        read(*window, "<spell><mod value='Area effect' modifier='+1'/>"
                      "<category value='Combat Spell' modifier='+1'/></spell>");
        QCOMPARE(window->CategoryCombo.text(), QStringLiteral("Combat"));
        QVERIFY(window->Summary2List.rows().isEmpty());
        QVERIFY(window->Summary2List1.rows().isEmpty());
    }

    void rebuildChoosesRowsAgain_data()
    {
        QTest::addColumn<QByteArray>("mods");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("tokens");
        QTest::addColumn<QStringList>("notFound");
        QTest::newRow("modifier by its text") << QByteArray("<mod value='Voice only' modifier='+9'/>")
                                              << QStringList{"Voice only"} << QStringList{"-1DRT"} << QStringList{};
        QTest::newRow("option by its row") << QByteArray("<mod value='Damage: Serious' modifier='+9'/>")
                                           << QStringList{"Damage: Serious"} << QStringList{"+3 +1DRT"} << QStringList{};
        QTest::newRow("row today's rules lack") << QByteArray("<mod value='Gone' modifier='+1'/><mod value='Area effect'/>")
                                                << QStringList{"Area effect"} << QStringList{"+1"} << QStringList{"row \"Gone\""};
        QTest::newRow("modifier that owns options") << QByteArray("<mod value='Damage' modifier='+1'/>") << QStringList{}
                                                    << QStringList{} << QStringList{"row \"Damage\""};
    }
    void rebuildChoosesRowsAgain()
    {
        QFETCH(QByteArray, mods);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, tokens);
        QFETCH(QStringList, notFound);
        auto window = freshWindow();
        const XmlElements read = XmlElementReader::read("<spell><category value='Combat Spell' modifier='+7'/>"
                                                        "<drain value='stored'/>" + mods + "</spell>");
        const SpellRebuild::Outcome outcome = SpellRebuild::apply(*window, read.elements);
        QVERIFY(outcome.rebuilt);
        QCOMPARE(window->Summary2List.rows(), rows);
        QCOMPARE(window->Summary2List1.rows(), tokens);
        QCOMPARE(outcome.notFound, notFound);
        // Today's token string of the category, and the drain code computed from what is chosen.
        QCOMPARE(window->Summary1List1.row(0), QStringLiteral("+1"));
        QCOMPARE(outcome.savedDrain, QStringLiteral("stored"));
        QCOMPARE(outcome.drain, Drain::calculate(window->ForceText.text(), window->Summary1List1.rows(), tokens));
    }

    void storedDrainStaysAfterTheModifiers()
    {
        auto window = freshWindow();
        read(*window, "<spell><category value='Combat Spell' modifier='+1'/><force value='Force 4' modifier='4'/>"
                      "<drain value='stored'/><mod value='Voice only' modifier='-1DRT'/></spell>");
        QCOMPARE(window->DrainText.text(), QStringLiteral("stored"));
    }

    void force_data()
    {
        QTest::addColumn<QString>("modifier");
        QTest::addColumn<QString>("forceText");
        QTest::addColumn<QString>("forceRow");
        QTest::addColumn<QString>("forceTwinRow");

        QTest::newRow("equal to the reset value") << QStringLiteral("1") << QStringLiteral("1")
                                                  << QStringLiteral("Force 1") << QStringLiteral("1");
        QTest::newRow("another force") << QStringLiteral("12") << QStringLiteral("12")
                                       << QStringLiteral("Force 12") << QStringLiteral("12");
        QTest::newRow("kept as written") << QStringLiteral(" 3a") << QStringLiteral(" 3a")
                                         << QStringLiteral("Force  3a") << QStringLiteral(" 3a");
        QTest::newRow("placeholder blank is no force") << QStringLiteral(" ") << QStringLiteral("1")
                                                       << QStringLiteral("Choose Force") << QStringLiteral(" ");
        QTest::newRow("blanks only are no force") << QStringLiteral("   ") << QStringLiteral("1")
                                                  << QStringLiteral("Choose Force") << QStringLiteral(" ");
        QTest::newRow("empty is no force") << QString() << QStringLiteral("1")
                                           << QStringLiteral("Choose Force") << QStringLiteral(" ");
    }

    void force()
    {
        QFETCH(QString, modifier);
        QFETCH(QString, forceText);
        QFETCH(QString, forceRow);
        QFETCH(QString, forceTwinRow);

        auto window = freshWindow();
        read(*window, QStringLiteral("<force value='Force x' modifier='%1'/>").arg(modifier).toUtf8());
        QCOMPARE(window->ForceText.text(), forceText);
        QCOMPARE(window->Summary1List.row(2), forceRow);
        QCOMPARE(window->Summary1List1.row(2), forceTwinRow);
        QCOMPARE(window->DrainText.text().startsWith(QStringLiteral("[(") + forceText + QStringLiteral("/2)")), true);
    }

    void otherElementsChangeNothing()
    {
        auto window = freshWindow();
        const WindowSnapshot before(*window);
        read(*window, "<?xml-stylesheet type='text/xsl' href='GX2-Spell.xsl'?><common>"
                      "<generation system='GX2'/><author name='A' value='x'/><notes value='y' modifier='z'/>"
                      "<!-- comment --><spell>text</spell></common>");
        QVERIFY(WindowSnapshot(*window) == before);
    }
};

QTEST_APPLESS_MAIN(TestSpellDocumentReader)
#include "tst_spelldocumentreader.moc"
