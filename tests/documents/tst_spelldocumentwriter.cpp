#include <QTemporaryDir>
#include <QTest>

#include "author/authoroptionsfile.h"
#include "windowmodel/cantrix.h"
#include "documents/spellcommands.h"
#include "documents/spelldocumentwriter.h"
#include "tests/documents/spellfixture.h"
#include "tests/support/recordingplatform.h"

using namespace SpellFixture;

class TestSpellDocumentWriter : public QObject
{
    Q_OBJECT

private slots:
    void attributeValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");

        QTest::newRow("plain") << QStringLiteral("Fireball") << QStringLiteral("Fireball");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("entities") << QStringLiteral("a&b<c\"d") << QStringLiteral("a&amp;b&lt;c&quot;d");
        QTest::newRow("greater-than and apostrophe unchanged") << QStringLiteral("it's > that")
                                                               << QStringLiteral("it's > that");
        QTest::newRow("line breaks and tab") << QStringLiteral("a\r\nb\nc\td")
                                             << QStringLiteral("a&#13;&#10;b&#10;c&#9;d");
        QTest::newRow("blanks kept") << QStringLiteral("  two  ") << QStringLiteral("  two  ");
        QTest::newRow("control characters left out")
            << QString(QStringLiteral("a") + QChar(0x01) + QChar(0x0B) + QChar(0x0C) + QChar(0x1F)
                       + QChar(0x00) + QStringLiteral("b"))
            << QStringLiteral("ab");
        QTest::newRow("non-characters left out")
            << QString(QStringLiteral("a") + QChar(0xFFFE) + QChar(0xFFFF) + QStringLiteral("b"))
            << QStringLiteral("ab");
        QTest::newRow("lone surrogates left out")
            << QString(QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") + QChar(0xDC00))
            << QStringLiteral("ab");
        QTest::newRow("surrogate pair kept") << QStringLiteral("a\U0001F525b") << QStringLiteral("a\U0001F525b");
        QTest::newRow("letters beyond ASCII") << QStringLiteral("Müller €") << QStringLiteral("Müller €");
    }

    void attributeValue()
    {
        QFETCH(QString, value);
        QFETCH(QString, written);
        QCOMPARE(SpellDocumentWriter::attributeValue(value), written);
    }

    void formatDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("written");

        const QLocale english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("day with leading zero") << QDate(2001, 3, 5) << english << QStringLiteral("March 05, 2001");
        QTest::newRow("two-digit day") << QDate(1999, 12, 31) << english << QStringLiteral("December 31, 1999");
        QTest::newRow("month name of the locale") << QDate(2001, 3, 5) << QLocale(QLocale::German, QLocale::Germany)
                                                  << QStringLiteral("März 05, 2001");
    }

    void formatDate()
    {
        QFETCH(QDate, date);
        QFETCH(QLocale, locale);
        QFETCH(QString, written);
        QCOMPARE(SpellDocumentWriter::formatDate(date, locale), written);
    }

    // The whole document, byte for byte: author values read from an 8-bit options file and
    // written as UTF-8, every escape, a plain modifier and an option row.
    void goldenDocument()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(RulesFixture::write(dir.path(), rules()));
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("ctx.txt")),
                           "Jos\xE9 M\xFCller\r\njm@example.org\r\nhttp://example.org/~jose\r\n"));
        RecordingPlatform platform;
        platform.setProgramDirectory(dir.path());
        platform.setToday(QDate(2001, 3, 5));
        platform.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

        Cantrix window(platform);
        window.Form_Load();
        composeCombatSpell(window);
        window.NameText.setText(QStringLiteral("Tom's \"Fire\" & <Bolt>"));
        window.DescriptionText.setText(QStringLiteral("Burns twice:\nonce & again"));

        SpellCommands commands(window, platform);
        const QString path = dir.filePath(QStringLiteral("golden.xml"));
        QCOMPARE(commands.SaveSpell(path).outcome, SpellCommands::Outcome::Done);

        const QByteArray expected =
            "<?xml version='1.0'?>\r\n"
            "<?xml-stylesheet type='text/xsl' href='GX2-Spell.xsl'?>\r\n"
            "<common>\r\n"
            "    <generation system='GX2'/>\r\n"
            "    <author\r\n"
            "      name=\"Jos\xC3\xA9 M\xC3\xBCller\"\r\n"
            "      email=\"jm@example.org\"\r\n"
            "      url=\"http://example.org/~jose\"\r\n"
            "      notes=''/>\r\n"
            "    <date\r\n"
            "      creation=\"March 05, 2001\"\r\n"
            "      lastmod=\"March 05, 2001\"\r\n"
            "      notes=''/>\r\n"
            "    <itemdef\r\n"
            "      name=\"Tom's &quot;Fire&quot; &amp; &lt;Bolt>\"\r\n"
            "      type='spell'\r\n"
            "      notes=''/>\r\n"
            "<spell>\r\n"
            "  <general>\r\n"
            "    <category value=\"Combat Spell\" modifier=\"+1\"/>\r\n"
            "    <type value=\"Physical Spell\" modifier=\"+1DRT\"/>\r\n"
            "    <force value=\"Force 6\" modifier=\"6\"/>\r\n"
            "    <drain value=\"[(6/2) +2] D+1\"/>\r\n"
            "    <description value=\"Burns twice:&#10;once &amp; again\"/>\r\n"
            "  </general>\r\n"
            "  <modifiers>\r\n"
            "    <mod value=\"Area effect\" modifier=\"+1\"/>\r\n"
            "    <mod value=\"Damage: Serious\" modifier=\"+3 +1DRT\"/>\r\n"
            "  </modifiers>\r\n"
            "</spell>\r\n"
            "</common>\r\n";
        QCOMPARE(fileBytes(path), expected);
    }

    // A fresh spell: no modifier lines, the force row still unchosen, the force "1" shown in
    // the field written as the bare force, and no options file at all.
    void freshSpellWithoutOptionsFile()
    {
        QTemporaryDir dir;
        QVERIFY(RulesFixture::write(dir.path(), rules()));
        RecordingPlatform platform;
        platform.setProgramDirectory(dir.path());
        platform.setUserConfigDirectory(dir.filePath(QStringLiteral("config")));
        Cantrix window(platform);
        window.Form_Load();

        const QByteArray document = SpellDocumentWriter::compose(window, AuthorProfile{}, {QStringLiteral("c"), QStringLiteral("l")});
        const QList<QByteArray> lines = document.split('\n');
        QCOMPARE(lines.at(5), QByteArray("      name=\"\"\r"));
        QCOMPARE(lines.at(6), QByteArray("      email=\"\"\r"));
        QCOMPARE(lines.at(7), QByteArray("      url=\"\"\r"));
        QCOMPARE(lines.at(21), QByteArray("    <force value=\"Choose Force\" modifier=\"1\"/>\r"));
        QCOMPARE(lines.at(25), QByteArray("  <modifiers>\r"));
        QCOMPARE(lines.at(26), QByteArray("  </modifiers>\r"));
        QVERIFY(document.endsWith("</spell>\r\n</common>\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestSpellDocumentWriter)
#include "tst_spelldocumentwriter.moc"
