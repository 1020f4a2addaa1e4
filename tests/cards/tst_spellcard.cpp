#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "cards/spellcard.h"
#include "windowmodel/cantrix.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

class TestSpellCard : public QObject
{
    Q_OBJECT

private slots:
    void cardShowsEveryPartOfTheSpell()
    {
        QTemporaryDir dir;
        RulesFixture::write(dir.path(), {RulesFixture::withTokens("#Combat", "+1"), "Range",
                                         RulesFixture::withTokens(" Touch", "-1DRT"),
                                         RulesFixture::withTokens("Zap", "+3DRT"),
                                         RulesFixture::withTokens("]Mana", "+1")});
        RecordingPlatform platform(dir.path());
        Cantrix window(platform);
        window.Form_Load();
        window.NameText.setText(QStringLiteral("Fire & <Ice>"));
        window.DescriptionText.setText(QStringLiteral("Burns\nthen freezes"));
        window.ForceText.setText(QStringLiteral("4"));
        window.userDoubleClickModifier(1);
        window.Modifier1List.setSelectedIndex(0);
        window.userDoubleClickOption(0);

        const QString card = SpellCard::html(SpellCard::fromWindow(window));
        for (const char *expected : {"<h1>Fire &amp; &lt;Ice&gt;</h1>", "Combat Spell", "Mana Spell",
                                     "<td class=\"value\">4</td>", "[(4/2) +2] M", "Burns<br>then freezes",
                                     "<td>Zap</td>", "+3DRT", "<td>Range: Touch</td>", "-1DRT"})
            QVERIFY2(card.contains(QLatin1String(expected)), expected);
        QVERIFY(!card.contains(QStringLiteral("<Ice>")));

        // An emptied force field: the card gives the force the drain code still uses.
        window.ForceText.setText(QString());
        QCOMPARE(SpellCard::fromWindow(window).force, QStringLiteral("4"));
    }

    void emptySpellStillMakesACard()
    {
        const QString card = SpellCard::html(SpellCard::Spell{});
        QVERIFY(card.contains(QStringLiteral("Untitled spell")));
        QVERIFY(card.contains(QStringLiteral("No modifiers.")));
        QVERIFY(card.contains(QStringLiteral("No description.")));
    }

    void modifiersPastTheCountedRowsAreMarked()
    {
        SpellCard::Spell spell;
        for (int i = 1; i <= Cantrix::countedSummaryRows + 1; ++i)
            spell.modifiers.append({QStringLiteral("Mod %1").arg(i), QStringLiteral("+1")});
        const QString card = SpellCard::html(spell);
        QVERIFY(card.contains(QStringLiteral("<tr><td>Mod 13</td>")));
        QVERIFY(card.contains(QStringLiteral("<tr class=\"uncounted\"><td>Mod 14</td>")));
        QVERIFY(card.contains(QStringLiteral("take no part in the drain code")));

        spell.modifiers.removeLast();
        QVERIFY(!SpellCard::html(spell).contains(QStringLiteral("class=\"uncounted\"")));
    }

    void saveHtmlLeavesNoHalfFileOnFailure()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("missing-folder/card.html"));
        QVERIFY(!SpellCard::saveHtml(SpellCard::Spell{}, target).isEmpty());
        QVERIFY(!QFile::exists(target));

        const QString good = dir.filePath(QStringLiteral("card.html"));
        SpellCard::Spell spell;
        spell.name = QStringLiteral("Bolt");
        QCOMPARE(SpellCard::saveHtml(spell, good), QString());
        QFile file(good);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<h1>Bolt</h1>"));

        // A card the program could not read back is not written at all.
        spell.description = QString(16 * 1024 * 1024, u'x');
        QVERIFY(SpellCard::saveHtml(spell, target).contains(QStringLiteral("16 MB")));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_APPLESS_MAIN(TestSpellCard)
#include "tst_spellcard.moc"
