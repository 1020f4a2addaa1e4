#include <QTemporaryDir>
#include <QTest>

#include "rules/rulesfile.h"
#include "rules/rulesline.h"
#include "tests/support/rulesfixture.h"

class TestRulesFile : public QObject
{
    Q_OBJECT

private slots:
    void splitsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("no final line end") << QByteArray("a\r\nlast") << QStringList{"a", "last"};
        QTest::newRow("lone CR stays in the line") << QByteArray("a\rb\r\n") << QStringList{"a\rb"};
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("only a line end") << QByteArray("\n") << QStringList{""};
    }

    void splitsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const RulesFile::Contents contents = RulesFile::decode(bytes);
        QVERIFY(contents.ok);
        QCOMPARE(contents.lines, lines);
    }

    void decodesUtf8AndFallsBackToWindows1252()
    {
        const RulesFile::Contents utf8 = RulesFile::decode(QByteArray("#F\xc3\xa9u\r\n"));
        QCOMPARE(utf8.encoding, RulesFile::Encoding::Utf8);
        QCOMPARE(utf8.lines, QStringList{QStringLiteral("#F\u00e9u")});

        // 0xE9 alone is not UTF-8; 0x80 is the euro sign in Windows-1252 (not in Latin-1).
        const RulesFile::Contents legacy = RulesFile::decode(QByteArray("#F\xe9u \x80\r\n"));
        QCOMPARE(legacy.encoding, RulesFile::Encoding::Windows1252);
        QCOMPARE(legacy.lines, QStringList{QStringLiteral("#F\u00e9u \u20ac")});
    }

    void columnsCountCharactersNotBytes()
    {
        // A two-byte letter in the name must not shift the token column.
        const QString line = RulesFixture::withTokens(QStringLiteral("#\u00c9clair"), QStringLiteral("+1"));
        const RulesFile::Contents contents = RulesFile::decode(line.toUtf8());
        QCOMPARE(RulesLine::tokenString(contents.lines.constFirst()), QStringLiteral("+1"));
        QCOMPARE(RulesLine::categoryOrTypeName(contents.lines.constFirst()), QStringLiteral("\u00c9clair"));
    }

    void fieldsTrimOnlyBlanks_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tokens");
        QTest::newRow("short line") << "#Fire" << "Fire" << "#Fire" << "";
        QTest::newRow("empty line") << "" << "" << "" << "";
        QTest::newRow("tab kept") << "\tHeat  " << "Heat" << "\tHeat" << "";
        // Names run to column 60; texts stop at 59; tokens start at 61.
        QTest::newRow("column 60")
            << (QString(59, u'a') + u'X' + QStringLiteral(" +1 ")) << (QString(58, u'a') + u'X') << QString(59, u'a')
            << "+1";
        QTest::newRow("exactly 60 characters") << (QStringLiteral("Sixty") + QString(55, u' ')) << "ixty" << "Sixty" << "";
        QTest::newRow("tokens trimmed") << RulesFixture::withTokens("Area", "  +1DRT  ") << "rea" << "Area" << "+1DRT";
    }

    void fieldsTrimOnlyBlanks()
    {
        QFETCH(QString, line);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, tokens);
        QCOMPARE(RulesLine::categoryOrTypeName(line), name);
        QCOMPARE(RulesLine::modifierOrOptionText(line), text);
        QCOMPARE(RulesLine::tokenString(line), tokens);
    }

    void loadReportsWhyAFileCannotBeRead()
    {
        QTemporaryDir dir;
        const RulesFile::Contents missing = RulesFile::load(dir.filePath(QStringLiteral("nothing.dat")));
        QVERIFY(!missing.ok);
        QVERIFY(!missing.error.isEmpty());

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("GX2Mod.dat")));
        const RulesFile::Contents folder = RulesFile::load(RulesFile::pathIn(dir.path()));
        QVERIFY(!folder.ok);
        QVERIFY(folder.error.contains(QStringLiteral("folder")));
    }
};

QTEST_APPLESS_MAIN(TestRulesFile)
#include "tst_rulesfile.moc"
