// The rules checker: one small file per trap, each finding asserted by line, column and kind,
// and, for the silent traps, the program's own readers shown to do what the finding says.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "drain/drain.h"
#include "rules/rulesfile.h"
#include "rules/rulesreaders.h"
#include "rulescheck/rulescheck.h"
#include "tests/support/recordingplatform.h"

namespace {

// A line whose text stands in columns 1 to 59 and whose token string starts in column 61.
QString withTokens(const QString &text, const QString &tokens)
{
    return text.leftJustified(60, u' ') + tokens;
}

// A category and a type come first, so a case shows only the finding it is about.
QByteArray rulesFile(const QStringList &body)
{
    QStringList lines{withTokens(QStringLiteral("]Physical"), QStringLiteral("+1")),
                      withTokens(QStringLiteral("#Combat"), QStringLiteral("+1DRT"))};
    lines += body;
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

QStringList found(const RulesCheck::Report &report)
{
    QStringList result;
    for (const RulesCheck::Diagnostic &d : report.diagnostics)
        result << QStringLiteral("%1:%2:%3").arg(d.line).arg(d.column).arg(RulesCheck::kindName(d.kind));
    return result;
}

} // namespace

class TestRulesCheck final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Writes the bytes as GX2Mod.dat into a fresh folder and checks that file.
    RulesCheck::Report checkWritten(const QByteArray &bytes, const QString &folder)
    {
        const QString directory = m_dir.filePath(folder);
        QDir().mkpath(directory);
        QFile file(RulesFile::pathIn(directory));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the rules file for the test");
        file.close();
        return RulesCheck::checkFile(file.fileName());
    }

    QStringList linesOf(const QByteArray &bytes) { return RulesFile::decode(bytes).lines; }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void findsEachTrap_data();
    void findsEachTrap();
    void cleanFileHasNoFindings();
    void keepsTheFirstFindingsAndCountsAll();
    void unreadableFileIsNoReport_data();
    void unreadableFileIsNoReport();
    void hiddenOptionsAreReallyHidden_data();
    void hiddenOptionsAreReallyHidden();
    void tokenFindingsSayWhatTheDrainCodeReads();
    void tokenAfterDoubledBlankSaysWhatTheDrainCodeReads_data();
    void tokenAfterDoubledBlankSaysWhatTheDrainCodeReads();
    void emptyLineInSectionIsReallyAModifier();
    void sharedGroupReallyShutsTheOtherOut();
    void modifierBeforeCategoryIsReallyNeverListed();
    void bundledRulesCheckClean();
};

void TestRulesCheck::findsEachTrap_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected"); // "line:column:kind", in report order
    QTest::addColumn<QString>("named");         // text the first finding's message must name

    const QString opt = QStringLiteral("    ");
    QTest::newRow("options under a modifier with tokens")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+1")),
                      withTokens(opt + QStringLiteral("hot"), QStringLiteral("+1DRT"))})
        << QStringList{QStringLiteral("3:61:options-after-tokens")} << QStringLiteral("'+1'");
    QTest::newRow("trailing blanks after a modifier with options")
        << rulesFile({QStringLiteral("Fire  "), withTokens(opt + QStringLiteral("hot"), QStringLiteral("+1DRT"))})
        << QStringList{QStringLiteral("3:5:trailing-blanks-hide-options")} << QStringLiteral("'Fire'");
    QTest::newRow("empty line inside a section")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+1")), QString(),
                      withTokens(QStringLiteral("Ice"), QStringLiteral("+1"))})
        << QStringList{QStringLiteral("4:1:empty-line-in-section")} << QStringLiteral("'Combat'");
    QTest::newRow("reserved marker inside an option block")
        << rulesFile({QStringLiteral("Fire"), withTokens(opt + QStringLiteral("hot"), QStringLiteral("+1")),
                      QStringLiteral("(note"), withTokens(opt + QStringLiteral("cold"), QStringLiteral("+1"))})
        << QStringList{QStringLiteral("5:1:reserved-ends-block")} << QStringLiteral("'('");
    QTest::newRow("two-digit value")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+1 +12"))})
        << QStringList{QStringLiteral("3:64:token-multi-digit")} << QStringLiteral("'+12'");
    QTest::newRow("drain kind in lower case")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+1drt"))})
        << QStringList{QStringLiteral("3:61:token-kind-case")} << QStringLiteral("'+1drt'");
    QTest::newRow("six-character group shared by two modifiers")
        << rulesFile({withTokens(QStringLiteral("Fireball"), QStringLiteral("+1")),
                      withTokens(QStringLiteral("Firebase"), QStringLiteral("+2"))})
        << QStringList{QStringLiteral("4:1:shared-group-prefix")} << QStringLiteral("'Fireba'");
    QTest::newRow("short modifier's option rows swallow another")
        << rulesFile({QStringLiteral("Ice"), withTokens(opt + QStringLiteral("cold"), QStringLiteral("+1")),
                      withTokens(QStringLiteral("Ice: shards"), QStringLiteral("+1"))})
        << QStringList{QStringLiteral("5:1:shared-group-prefix")} << QStringLiteral("'Ice: shards'");
    QTest::newRow("different sixth characters share nothing")
        << rulesFile({withTokens(QStringLiteral("Fireball"), QStringLiteral("+1")),
                      withTokens(QStringLiteral("Firebolt"), QStringLiteral("+2"))})
        << QStringList{} << QString();
    QTest::newRow("text runs into column 60")
        << rulesFile({QString(59, u'A') + QStringLiteral("BC +1")})
        << QStringList{QStringLiteral("3:60:text-into-column-60")} << QStringLiteral("'B'");
    QTest::newRow("stray character in column 60")
        << rulesFile({QStringLiteral("Fire").leftJustified(59, u' ') + QStringLiteral("x+1")})
        << QStringList{QStringLiteral("3:60:text-into-column-60")} << QStringLiteral("'x'");
    QTest::newRow("category name runs past column 60")
        << rulesFile({QStringLiteral("#") + QString(59, u'N') + QStringLiteral("ame +1")})
        << QStringList{QStringLiteral("3:17:long-category-name"), QStringLiteral("3:61:text-into-column-60")}
        << QString(15, u'N');
    QTest::newRow("name filling column 60 before its tokens is as meant")
        << rulesFile({QStringLiteral("]") + QString(59, u'T') + QStringLiteral("+1")}) << QStringList{} << QString();
    QTest::newRow("tab instead of blanks")
        << rulesFile({QStringLiteral("Fire\t+1")}) << QStringList{QStringLiteral("3:5:tab")} << QStringLiteral("column 5");
    QTest::newRow("option indented with a tab")
        << rulesFile({QStringLiteral("Fire"), QStringLiteral("\thot")})
        << QStringList{QStringLiteral("4:1:tab")} << QStringLiteral("tab");
    QTest::newRow("tab in a comment harms nothing")
        << rulesFile({QStringLiteral("!\tnote")}) << QStringList{} << QString();
    QTest::newRow("modifier before the first category")
        << withTokens(QStringLiteral("Stray"), QStringLiteral("+1")).toUtf8() + "\n" + rulesFile({})
        << QStringList{QStringLiteral("1:1:modifier-before-category")} << QStringLiteral("'Stray'");
    QTest::newRow("no category line")
        << QByteArray("]Physical\n") << QStringList{QStringLiteral("1:1:no-category")} << QStringLiteral("'#'");
    QTest::newRow("no type line")
        << QByteArray("#Combat\n") << QStringList{QStringLiteral("1:1:no-type")} << QStringLiteral("']'");
    QTest::newRow("empty file")
        << QByteArray() << QStringList{QStringLiteral("1:1:no-category"), QStringLiteral("1:1:no-type")} << QString();
    QTest::newRow("category named twice")
        << rulesFile({QStringLiteral("#  Combat")})
        << QStringList{QStringLiteral("3:4:duplicate-category")} << QStringLiteral("line 2");
    QTest::newRow("type named twice")
        << rulesFile({QStringLiteral("]Physical")}) << QStringList{QStringLiteral("3:2:duplicate-type")}
        << QStringLiteral("'Physical'");
    QTest::newRow("modifier twice in a category, sections merged")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+1")), QStringLiteral("#Magic"),
                      withTokens(QStringLiteral("Fire"), QStringLiteral("+1")), QStringLiteral("#Combat"),
                      withTokens(QStringLiteral("Fire"), QStringLiteral("+2"))})
        << QStringList{QStringLiteral("6:2:duplicate-category"), QStringLiteral("7:1:duplicate-modifier")}
        << QStringLiteral("line 2");
    QTest::newRow("option twice under a modifier")
        << rulesFile({QStringLiteral("Fire"), withTokens(opt + QStringLiteral("hot"), QStringLiteral("+1")),
                      withTokens(QStringLiteral("  hot"), QStringLiteral("+2"))})
        << QStringList{QStringLiteral("5:3:duplicate-option")} << QStringLiteral("'hot'");
    QTest::newRow("category name over 15 characters")
        << rulesFile({QStringLiteral("#Sixteen letters!")})
        << QStringList{QStringLiteral("3:17:long-category-name")} << QStringLiteral("'Sixteen letters!'");
    QTest::newRow("category and type without a name")
        << rulesFile({QStringLiteral("#"), withTokens(QStringLiteral("]"), QStringLiteral("+1"))})
        << QStringList{QStringLiteral("3:2:empty-name"), QStringLiteral("4:2:empty-name")} << QStringLiteral("category");
    QTest::newRow("token without a digit")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+x -"))})
        << QStringList{QStringLiteral("3:61:token-value-not-digit"), QStringLiteral("3:64:token-value-not-digit")}
        << QStringLiteral("'+x'");
    QTest::newRow("token of an unknown kind")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+1XY +2DRT+1"))})
        << QStringList{QStringLiteral("3:61:token-unknown-kind"), QStringLiteral("3:66:token-unknown-kind")}
        << QStringLiteral("'XY'");
    QTest::newRow("token without a sign")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("5DRT"))})
        << QStringList{QStringLiteral("3:61:token-sign")} << QStringLiteral("'5DRT'");
    QTest::newRow("not UTF-8")
        << QByteArray("]Physical\n#Caf\xe9 \n") << QStringList{QStringLiteral("2:5:not-utf8")} << QStringLiteral("0xE9");
    QTest::newRow("stray byte in a UTF-8 file")
        << QByteArray("]Physical\n#Caf\xc3\xa9\nPr\xeat\n")
        << QStringList{QStringLiteral("3:3:stray-byte-in-utf8")} << QStringLiteral("'\u00e9' (line 2, column 5) shows as '\u00c3\u00a9'");
    QTest::newRow("control characters shown as escapes")
        << rulesFile({QStringLiteral("#Br\u0081ler"), QStringLiteral("#Br\u0081ler")})
        << QStringList{QStringLiteral("4:2:duplicate-category")} << QStringLiteral("'Br\\x81ler'");
    QTest::newRow("more broken tokens on a line than are listed")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+12 +13 +14 +15 +16 +1 +17 +18"))})
        << QStringList{QStringLiteral("3:61:token-multi-digit"), QStringLiteral("3:65:token-multi-digit"),
                       QStringLiteral("3:69:token-multi-digit"), QStringLiteral("3:73:token-multi-digit"),
                       QStringLiteral("3:77:token-multi-digit"), QStringLiteral("3:84:tokens-not-listed")}
        << QStringLiteral("'+12'");
    QTest::newRow("carriage return without line feed")
        << rulesFile({QStringLiteral("Fire\rIce")}) << QStringList{QStringLiteral("3:5:lone-cr")} << QStringLiteral("'Ice'");
    QTest::newRow("NUL byte")
        << rulesFile({QStringLiteral("Fi") + QChar(0) + QStringLiteral("re")})
        << QStringList{QStringLiteral("3:3:nul-byte")} << QStringLiteral("column 3");
    QTest::newRow("option line with no modifier above")
        << rulesFile({withTokens(opt + QStringLiteral("hot"), QStringLiteral("+1"))})
        << QStringList{QStringLiteral("3:1:option-without-modifier")} << QStringLiteral("'Combat'");
    QTest::newRow("type line ends an option block")
        << rulesFile({QStringLiteral("Fire"), withTokens(opt + QStringLiteral("hot"), QStringLiteral("+1")),
                      QStringLiteral("]Astral"), withTokens(opt + QStringLiteral("cold"), QStringLiteral("+1"))})
        << QStringList{QStringLiteral("6:1:option-without-modifier")} << QStringLiteral("'cold'");
    QTest::newRow("line of blanks inside an option block")
        << rulesFile({QStringLiteral("Fire"), QStringLiteral("   "), withTokens(opt + QStringLiteral("hot"), QStringLiteral("+1"))})
        << QStringList{QStringLiteral("4:1:empty-option")} << QStringLiteral("'Fire'");
    QTest::newRow("line of blanks outside any block harms nothing")
        << rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+1")), QStringLiteral("   ")})
        << QStringList{} << QString();
}

void TestRulesCheck::findsEachTrap()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QFETCH(QString, named);

    const RulesCheck::Report report = checkWritten(file, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(report.readable);
    QCOMPARE(found(report), expected);
    for (const RulesCheck::Diagnostic &diagnostic : report.diagnostics) {
        QVERIFY2(!diagnostic.message.isEmpty() && !diagnostic.hint.isEmpty(), qPrintable(diagnostic.message));
    }
    if (!expected.isEmpty())
        QVERIFY2(report.diagnostics.constFirst().message.contains(named), qPrintable(report.diagnostics.constFirst().message));
}

void TestRulesCheck::cleanFileHasNoFindings()
{
    const QString opt = QStringLiteral("    ");
    const QByteArray file = rulesFile({
        QStringLiteral("! a comment, even one with\ta tab"),
        QStringLiteral("Range"),
        withTokens(opt + QStringLiteral("Touch"), QStringLiteral("-1DRT")),
        QStringLiteral("! comments may stand inside an option block"),
        withTokens(opt + QStringLiteral("Sight"), QStringLiteral("+1 +1DRT")),
        withTokens(QStringLiteral("Silent"), QStringLiteral("+1DRT")),
        withTokens(QStringLiteral("Fire"), QString()),
        QStringLiteral("(reserved lines are never listed"),
        withTokens(QStringLiteral("]Spoken"), QStringLiteral("-1")),
        withTokens(QStringLiteral("#Seeing"), QString()),
        withTokens(QStringLiteral("Range"), QStringLiteral("+2")),
    });
    const RulesCheck::Report report = checkWritten(file, QStringLiteral("clean"));
    QVERIFY(report.readable);
    QCOMPARE(report.encoding, RulesFile::Encoding::Utf8);
    QCOMPARE(found(report), QStringList());
}

void TestRulesCheck::keepsTheFirstFindingsAndCountsAll()
{
    const QByteArray file = rulesFile({QStringLiteral("Fi") + QChar(0) + QStringLiteral("re"), QStringLiteral("Ice\tx"),
                                       QStringLiteral("Fire\r")});
    const RulesCheck::Report report = RulesCheck::checkBytes(file, 1);
    QCOMPARE(found(report), QStringList{QStringLiteral("3:3:nul-byte")});
    QCOMPARE(report.problems, 3);
    // A NUL byte makes the program refuse the file: an error, not a warning.
    QCOMPARE(report.errors, 1);
    QCOMPARE(report.diagnostics.constFirst().severity(), RulesCheck::Severity::Error);
    QCOMPARE(RulesCheck::checkBytes(file).diagnostics.size(), 3);
}

void TestRulesCheck::unreadableFileIsNoReport_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("nowhere/GX2Mod.dat"));
    QTest::newRow("folder") << m_dir.path();
}

void TestRulesCheck::unreadableFileIsNoReport()
{
    QFETCH(QString, path);
    const RulesCheck::Report report = RulesCheck::checkFile(path);
    QVERIFY(!report.readable);
    QVERIFY(!report.error.isEmpty());
    QVERIFY(report.diagnostics.isEmpty());
}

// What the checker reports as hidden, the option reader indeed never lists, while it lists the
// same options once the modifier line is mended.
void TestRulesCheck::hiddenOptionsAreReallyHidden_data()
{
    QTest::addColumn<QString>("modifierLine");
    QTest::addColumn<QString>("between");
    QTest::addColumn<QString>("kind");
    QTest::newRow("tokens") << withTokens(QStringLiteral("Fire"), QStringLiteral("+1")) << QString()
                            << QStringLiteral("options-after-tokens");
    QTest::newRow("trailing blanks") << QStringLiteral("Fire ") << QString()
                                     << QStringLiteral("trailing-blanks-hide-options");
    QTest::newRow("reserved line") << QStringLiteral("Fire") << QStringLiteral("{x")
                                   << QStringLiteral("reserved-ends-block");
    QTest::newRow("type line") << QStringLiteral("Fire") << QStringLiteral("]Astral")
                               << QStringLiteral("option-without-modifier");
    QTest::newRow("text into column 60") << QStringLiteral("Fire").leftJustified(59, u' ') + u'x' << QString()
                                         << QStringLiteral("text-into-column-60");
}

void TestRulesCheck::hiddenOptionsAreReallyHidden()
{
    QFETCH(QString, modifierLine);
    QFETCH(QString, between);
    QFETCH(QString, kind);

    QStringList body{modifierLine};
    if (!between.isEmpty())
        body << between;
    body << withTokens(QStringLiteral("    hot"), QStringLiteral("+1"));
    const QByteArray file = rulesFile(body);

    const RulesCheck::Report report = checkWritten(file, QStringLiteral("hidden-") + QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(found(report).join(u' ').contains(kind), qPrintable(found(report).join(u' ')));
    const QString listedText = RulesReaders::categoryModifiers(linesOf(file), QStringLiteral("Combat")).constFirst().text;
    QCOMPARE(RulesReaders::modifierOptions(linesOf(file), QStringLiteral("Combat"), listedText).size(), 0);

    const QByteArray mended = rulesFile({QStringLiteral("Fire"), withTokens(QStringLiteral("    hot"), QStringLiteral("+1"))});
    QCOMPARE(RulesReaders::modifierOptions(linesOf(mended), QStringLiteral("Combat"), QStringLiteral("Fire")).size(), 1);
    QCOMPARE(found(RulesCheck::checkBytes(mended)), QStringList());
}

// The token messages state the value the drain code really takes from the token.
void TestRulesCheck::tokenFindingsSayWhatTheDrainCodeReads()
{
    const struct
    {
        const char *token;
        const char *said;
        qint64 level;
        qint64 drainModifier;
    } cases[] = {
        {"+12", "level token of +1", 1, 0},
        {"-3drt", "level token of -3", -3, 0},
        {"+2DRTX", "drain modifier of +2", 0, 2},
        {"x4", "level token of +4", 4, 0},
        {"5DRT", "skipped", 0, 0},
    };
    for (const auto &c : cases) {
        const QString token = QString::fromLatin1(c.token);
        const RulesCheck::Report report = RulesCheck::checkBytes(rulesFile({withTokens(QStringLiteral("Fire"), token)}));
        QCOMPARE(report.diagnostics.size(), 1);
        QVERIFY2(report.diagnostics.constFirst().message.contains(QLatin1String(c.said)),
                 qPrintable(report.diagnostics.constFirst().message));
        Drain::Totals totals;
        Drain::addTokens(token, totals);
        QCOMPARE(totals, (Drain::Totals{c.level, c.drainModifier}));
    }
}

// After a doubled blank the drain code starts once more at the second blank and takes it as a
// sign: a token that begins with a digit there is read with the blank, and the finding says so.
void TestRulesCheck::tokenAfterDoubledBlankSaysWhatTheDrainCodeReads_data()
{
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("said");
    QTest::addColumn<qint64>("level");         // of the whole token string, as the drain code adds it
    QTest::addColumn<qint64>("drainModifier");
    QTest::newRow("drain token without sign") << "+1  5DRT" << 65 << "read as a drain modifier of +5" << qint64(1) << qint64(5);
    QTest::newRow("two digits without sign") << "+1  52" << 65 << "read as a level token of +7" << qint64(8) << qint64(0);
    QTest::newRow("one digit without sign") << "+1   5" << 66 << "read as a level token of +5" << qint64(6) << qint64(0);
    QTest::newRow("both totals") << "-2DRT  55DRT" << 68 << "level token of +5 and a drain modifier of +5" << qint64(5) << qint64(3);
    QTest::newRow("single blank: skipped") << "+1 5DRT" << 64 << "it is skipped" << qint64(1) << qint64(0);
    QTest::newRow("leading blanks are trimmed") << "  5DRT" << 63 << "it is skipped" << qint64(0) << qint64(0);
}

void TestRulesCheck::tokenAfterDoubledBlankSaysWhatTheDrainCodeReads()
{
    QFETCH(QString, tokens);
    QFETCH(int, column);
    QFETCH(QString, said);
    QFETCH(qint64, level);
    QFETCH(qint64, drainModifier);

    const RulesCheck::Report report = RulesCheck::checkBytes(rulesFile({withTokens(QStringLiteral("Fire"), tokens)}));
    QCOMPARE(found(report), QStringList{QStringLiteral("3:%1:token-sign").arg(column)});
    QVERIFY2(report.diagnostics.constFirst().message.contains(said), qPrintable(report.diagnostics.constFirst().message));
    Drain::Totals totals;
    Drain::addTokens(tokens, totals);
    QCOMPARE(totals, (Drain::Totals{level, drainModifier}));
}

void TestRulesCheck::emptyLineInSectionIsReallyAModifier()
{
    const QByteArray file = rulesFile({withTokens(QStringLiteral("Fire"), QStringLiteral("+1")), QString()});
    QCOMPARE(found(RulesCheck::checkBytes(file)), QStringList{QStringLiteral("4:1:empty-line-in-section")});
    const QList<RulesReaders::Entry> listed = RulesReaders::categoryModifiers(linesOf(file), QStringLiteral("Combat"));
    QCOMPARE(listed.size(), 2);
    QCOMPARE(listed.at(1).text, QString());
}

// Two modifiers reported as sharing a group cannot both enter the spell summary.
void TestRulesCheck::sharedGroupReallyShutsTheOtherOut()
{
    const QByteArray file = rulesFile({withTokens(QStringLiteral("Fireball"), QStringLiteral("+1")),
                                       withTokens(QStringLiteral("Firebase"), QStringLiteral("+2"))});
    QCOMPARE(found(checkWritten(file, QStringLiteral("shared"))), QStringList{QStringLiteral("4:1:shared-group-prefix")});

    RecordingPlatform platform(m_dir.filePath(QStringLiteral("shared")));
    Cantrix window(platform);
    window.Form_Load();
    window.userDoubleClickModifier(0);
    window.userDoubleClickModifier(1);
    QCOMPARE(window.Summary2List.rows(), QStringList{QStringLiteral("Fireball")});
}

void TestRulesCheck::modifierBeforeCategoryIsReallyNeverListed()
{
    const QByteArray file = QByteArray("Stray\n") + rulesFile({});
    QCOMPARE(found(RulesCheck::checkBytes(file)), QStringList{QStringLiteral("1:1:modifier-before-category")});
    const QStringList lines = linesOf(file);
    for (const RulesReaders::Entry &category : RulesReaders::categoriesAndTypes(lines).categories)
        QVERIFY(!RulesReaders::categoryModifiers(lines, category.text).contains(RulesReaders::Entry{QStringLiteral("Stray"), QString()}));
}

void TestRulesCheck::bundledRulesCheckClean()
{
    const RulesCheck::Report report = RulesCheck::checkFile(QStringLiteral(CANTRIX_SOURCE_DATA_DIR "/GX2Mod.dat"));
    QVERIFY2(report.readable, qPrintable(report.error));
    QStringList problems;
    for (const RulesCheck::Diagnostic &d : report.diagnostics)
        problems << QStringLiteral("%1:%2: %3").arg(d.line).arg(d.column).arg(d.message);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestRulesCheck)
#include "tst_rulescheck.moc"
