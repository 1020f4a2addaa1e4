// The rules data file under faults: replaced by something that is no rules file, at start-up
// or between one handler and the next, or grown to extreme sizes. Nothing may crash or hang,
// the user is told clearly what is wrong with the file, and nothing half-read is listed.
#include <cstdio>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "windowmodel/cantrix.h"
#include "tests/faults/rulesfaultfiles.h"
#include "tests/support/recordingplatform.h"

using RulesFaultFiles::Fault;
Q_DECLARE_METATYPE(RulesFaultFiles::Fault)

class TestRulesFileFaults : public QObject
{
    Q_OBJECT

private:
    static void addFaultRows(bool withVanished)
    {
        QTest::addColumn<Fault>("fault");
        if (withVanished)
            QTest::newRow("vanished") << Fault::Vanished;
        QTest::newRow("folder") << Fault::Folder;
        QTest::newRow("binary") << Fault::Binary;
        QTest::newRow("UTF-16 text") << Fault::Utf16;
        QTest::newRow("over 64 MB") << Fault::TooLarge;
        QTest::newRow("over the line limit") << Fault::TooManyLines;
        QTest::newRow("symbolic link loop") << Fault::SymlinkLoop;
        QTest::newRow("pipe") << Fault::Pipe;
        QTest::newRow("device") << Fault::Device;
    }

    static void inflictOrSkip(Fault fault, const QString &path)
    {
        if (!RulesFaultFiles::inflict(fault, path))
            QSKIP("this system cannot put that in the rules file's place");
    }

private slots:
    void startUpRefusesWhatIsNoRulesFile_data() { addFaultRows(true); }
    void startUpRefusesWhatIsNoRulesFile()
    {
        QFETCH(Fault, fault);
        QTemporaryDir folder;
        RecordingPlatform platform(folder.path());
        Cantrix model(platform);
        inflictOrSkip(fault, model.rulesFilePath());

        model.StartDesign();

        QVERIFY(model.isClosed());
        QCOMPARE(platform.closeCount, 1);
        QCOMPARE(platform.warnings.size(), 1);
        QVERIFY2(platform.warnings[0].text.contains(RulesFaultFiles::reason(fault)), qPrintable(platform.warnings[0].text));
        // Only a file that is not there is missing; a loop of links is there, just unreadable.
        QCOMPARE(platform.warnings[0].title == QLatin1String(Cantrix::missingRulesTitle), fault == Fault::Vanished);
        QCOMPARE(model.CategoryCombo.count(), 0);
        QCOMPARE(model.TypeCombo.count(), 0);
    }

    void folderNamedInBytesThatAreNotUtf8()
    {
#ifdef Q_OS_UNIX
        // The program folder's name reaches the program with U+FFFD for the byte it cannot
        // decode, so under that name its rules file is not found, though it is there.
        QTemporaryDir parent;
        const QByteArray folder = QFile::encodeName(parent.path()) + "/caf\xe9";
        QCOMPARE(::mkdir(folder.constData(), 0700), 0);
        const QByteArray bytes = RulesFaultFiles::smallRules();
        FILE *rules = std::fopen((folder + "/GX2Mod.dat").constData(), "wb");
        QVERIFY(rules);
        QCOMPARE(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), rules), size_t(bytes.size()));
        std::fclose(rules);
        RecordingPlatform platform(QFile::decodeName(folder));
        Cantrix model(platform);
        model.StartDesign();
        QCOMPARE(platform.warnings.size(), 1);
        QCOMPARE(platform.warnings[0].title, QStringLiteral("File Unreadable!"));
        QVERIFY2(platform.warnings[0].text.contains(QStringLiteral("not valid UTF-8")), qPrintable(platform.warnings[0].text));
#else
        QSKIP("file names in bytes of their own are a Unix matter");
#endif
    }

    void faultAfterStartUp_data() { addFaultRows(true); }
    void faultAfterStartUp()
    {
        QFETCH(Fault, fault);
        QTemporaryDir folder;
        RecordingPlatform platform(folder.path());
        Cantrix model(platform);
        QVERIFY(RulesFaultFiles::write(model.rulesFilePath(), RulesFaultFiles::smallRules()));
        model.StartDesign();
        QCOMPARE(model.Modifier1List.rows(), QStringList({"Area effect", "Element"}));
        inflictOrSkip(fault, model.rulesFilePath());

        // A category selection still names the category; it just cannot list its modifiers.
        model.CategoryCombo.setSelectedIndex(1);
        QCOMPARE(model.Modifier1List.count(), 0);
        QCOMPARE(model.Modifier1List1.count(), 0);
        QCOMPARE(model.Summary1List.row(0), QStringLiteral("Second Spell"));
        QVERIFY(!model.isClosed());
        QVERIFY(platform.warnings.isEmpty());
        QCOMPARE(platform.statusMessages.size(), 1);
        QVERIFY2(platform.statusMessages[0].contains(RulesFaultFiles::reason(fault)), qPrintable(platform.statusMessages[0]));

        // Told once, not on every click while the fault lasts.
        model.CategoryCombo.setSelectedIndex(0);
        QCOMPARE(platform.statusMessages.size(), 1);

        // Mended, the file is read again; broken again, the user is told again.
        QVERIFY(RulesFaultFiles::inflict(Fault::Vanished, model.rulesFilePath()));
        QVERIFY(RulesFaultFiles::write(model.rulesFilePath(), RulesFaultFiles::smallRules()));
        model.CategoryCombo.setSelectedIndex(1);
        QCOMPARE(model.Modifier1List.rows(), QStringList({"Range"}));
        inflictOrSkip(fault, model.rulesFilePath());
        model.CategoryCombo.setSelectedIndex(0);
        // An empty status text only takes the earlier notice away.
        QCOMPARE(platform.statusMessages.filter(QRegularExpression(QStringLiteral("."))).size(), 2);
    }

    void modifierHandlersWhileTheFileIsBroken_data() { addFaultRows(true); }
    void modifierHandlersWhileTheFileIsBroken()
    {
        QFETCH(Fault, fault);
        QTemporaryDir folder;
        RecordingPlatform platform(folder.path());
        Cantrix model(platform);
        QVERIFY(RulesFaultFiles::write(model.rulesFilePath(), RulesFaultFiles::smallRules()));
        model.StartDesign();
        model.Modifier1List.setSelectedIndex(1); // "Element", which owns options
        QCOMPARE(model.Modifier2List.count(), 2);
        const QString drain = model.DrainText.text();
        inflictOrSkip(fault, model.rulesFilePath());

        model.Modifier1List.setSelectedIndex(0);
        QCOMPARE(model.Modifier2List.count(), 0);
        // Whether "Element" owns options cannot be told now, so a double-click adds nothing
        // rather than risk adding a modifier that may only be chosen with an option.
        model.userDoubleClickModifier(1);
        model.userDoubleClickModifier(0);
        QCOMPARE(model.Summary2List.count(), 0);
        QCOMPARE(model.Summary2List1.count(), 0);
        QCOMPARE(model.DrainText.text(), drain);
        QCOMPARE(platform.statusMessages.size(), 1);
        QVERIFY(!model.isClosed());
    }

    void fiftyMegabyteFileIsReadWhole()
    {
        QTemporaryDir folder;
        RecordingPlatform platform(folder.path());
        Cantrix model(platform);

        // 101 lines of 350 bytes each: 53 MB within the line limit, token strings long enough
        constexpr int categories = 1500;
        const QByteArray tokens = "+1 -1DRT " + QByteArray("+0 ").repeated(90);
        QByteArray bytes = RulesFaultFiles::line("]Bolt", "+1");
        for (int c = 0; c < categories; ++c) {
            bytes += RulesFaultFiles::line("#Cat" + QByteArray::number(c), "+1");
            for (int m = 0; m < 100; ++m)
                bytes += RulesFaultFiles::line("Modifier " + QByteArray::number(m) + " of " + QByteArray::number(c), tokens);
        }
        QVERIFY(bytes.size() > 50 * 1000 * 1000);
        QVERIFY(bytes.size() < RulesFile::maxBytes);
        QVERIFY(bytes.count('\n') < RulesFile::maxLines);
        QVERIFY(RulesFaultFiles::write(model.rulesFilePath(), bytes));

        model.StartDesign();
        QVERIFY(!model.isClosed());
        QCOMPARE(model.CategoryCombo.count(), categories);
        model.CategoryCombo.setSelectedIndex(categories - 1);
        QCOMPARE(model.Modifier1List.count(), 100);
        QCOMPARE(model.Modifier1List.row(99), QStringLiteral("Modifier 99 of %1").arg(categories - 1));
        model.userDoubleClickModifier(99);
        QCOMPARE(model.DrainText.text(), QStringLiteral("[(1/2) -1] S"));
        QVERIFY(platform.warnings.isEmpty());
        QVERIFY(platform.statusMessages.isEmpty());
    }

    void oneMegabyteLine_data()
    {
        QTest::addColumn<QByteArray>("rules");
        QTest::addColumn<QString>("drain");
        QTest::addColumn<QString>("modifier");

        // 349,525 tokens: totals far past what a 16-bit count could hold.
        const QByteArray drainTokens = QByteArray("+1DRT ").repeated(1024 * 1024 / 6);
        QTest::newRow("category token string")
            << RulesFaultFiles::line("#Huge", drainTokens) + RulesFaultFiles::line("Plain", "+1")
            << QStringLiteral("[(1/2) +174762] L") << QStringLiteral("Plain");
        QTest::newRow("modifier line")
            << RulesFaultFiles::line("#Huge", "+1") + QByteArray(1024 * 1024, 'x') + "\r\n" + RulesFaultFiles::line(" never an option", "+1")
            << QStringLiteral("[(1/2) ] L") << QString(59, u'x');
        QTest::newRow("whole file one line, no line end")
            << "#Huge" + QByteArray(55, ' ') + QByteArray("+1 ").repeated(1024 * 1024 / 3)
            << QStringLiteral("[(1/2) ] L") << QString();
    }
    void oneMegabyteLine()
    {
        QFETCH(QByteArray, rules);
        QFETCH(QString, drain);
        QFETCH(QString, modifier);
        QTemporaryDir folder;
        RecordingPlatform platform(folder.path());
        Cantrix model(platform);
        QVERIFY(RulesFaultFiles::write(model.rulesFilePath(), rules));

        model.StartDesign();
        QCOMPARE(model.CategoryCombo.rows(), QStringList({"Huge"}));
        QCOMPARE(model.DrainText.text(), drain);
        QCOMPARE(model.Modifier1List.row(0), modifier);
        if (!modifier.isEmpty()) {
            model.Modifier1List.setSelectedIndex(0);
            QCOMPARE(model.Modifier2List.count(), 0);
        }
        QVERIFY(platform.warnings.isEmpty());
        QVERIFY(platform.statusMessages.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestRulesFileFaults)
#include "tst_rulesfilefaults.moc"
