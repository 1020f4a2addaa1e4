// Smoke test of the shipped GX2Mod.dat: it is loaded through the real window model, every
// modifier and option must be reachable, and a few spells must come out with the drain code
// worked out by hand from the file's token strings.
#include <functional>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "drain/drainbreakdown.h"
#include "drain/drainpreview.h"
#include "tests/support/recordingplatform.h"

namespace {

QString sourceRulesPath()
{
    return QStringLiteral(CANTRIX_SOURCE_DATA_DIR "/GX2Mod.dat");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

int rowOf(const ListControl &list, const QString &text)
{
    return int(list.rows().indexOf(text));
}

} // namespace

class TestBundledRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QFile::copy(sourceRulesPath(), m_dir.filePath(QStringLiteral("GX2Mod.dat"))));
    }

    void init()
    {
        m_platform = std::make_unique<RecordingPlatform>(m_dir.path());
        m_window = std::make_unique<Cantrix>(*m_platform);
        m_window->Form_Load();
        QVERIFY(m_platform->warnings.isEmpty());
        QVERIFY2(m_platform->statusMessages.isEmpty(), qPrintable(m_platform->statusMessages.join(u'\n')));
        QVERIFY(!m_window->isClosed());
    }

    void cleanup()
    {
        m_window.reset();
        m_platform.reset();
    }

    // The layout every reader relies on, line by line: a slip here makes a modifier vanish
    // or a drain code come out wrong without any message.
    void fileKeepsItsColumns()
    {
        const QByteArray bytes = readAll(sourceRulesPath());
        QVERIFY(!bytes.isEmpty());
        QVERIFY2(bytes.endsWith("\r\n"), "the last line ends with CR LF");
        for (char c : bytes)
            QVERIFY2(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f), "plain ASCII, no tabs");

        const QList<QByteArray> lines = bytes.chopped(1).split('\n');
        static const QRegularExpression tokenString(
            QStringLiteral("^[+-][0-9](DRT)?( [+-][0-9](DRT)?)*$"));
        bool inSection = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray &raw = lines[i];
            const QString where = QStringLiteral("line %1").arg(i + 1);
            QVERIFY2(raw.endsWith('\r'), qPrintable(where + QStringLiteral(" ends with CR LF")));
            const QString line = QString::fromLatin1(raw.chopped(1));
            if (inSection)
                QVERIFY2(!line.isEmpty(), qPrintable(where + QStringLiteral(" is empty inside a section")));
            if (line.startsWith(u'!'))
                continue;
            if (line.startsWith(u'#')) {
                inSection = true;
                QVERIFY2(line.mid(16, 44).trimmed().isEmpty(),
                         qPrintable(where + QStringLiteral(": category name past column 16")));
            }
            QVERIFY2(!line.endsWith(u' '), qPrintable(where + QStringLiteral(" has trailing blanks")));
            if (line.size() >= 60)
                QVERIFY2(line.at(59) == u' ', qPrintable(where + QStringLiteral(": column 60 is not blank")));
            if (line.size() > 60) {
                QVERIFY2(tokenString.match(line.mid(60)).hasMatch(),
                         qPrintable(where + QStringLiteral(": token string ") + line.mid(60)));
            }
        }
        QVERIFY(inSection);
    }

    void startUpShowsTheFirstCategoryAndType()
    {
        QVERIFY(m_window->CategoryCombo.count() >= 5);
        QVERIFY(m_window->TypeCombo.count() >= 2);
        QCOMPARE(m_window->CategoryCombo.selectedIndex(), 0);
        QCOMPARE(m_window->TypeCombo.selectedIndex(), 0);
        QCOMPARE(m_window->Summary1List.rows(),
                 QStringList({QStringLiteral("Striking Spell"), QStringLiteral("Spoken Spell"),
                              QStringLiteral("Choose Force")}));
        // Striking "+2 +1DRT" and Spoken "+1DRT": level 2 (M), drain modifier +2.
        QCOMPARE(m_window->DrainText.text(), QStringLiteral("[(1/2) +2] M"));
    }

    void categoryNamesAreDistinctAndShort()
    {
        const QStringList &names = m_window->CategoryCombo.rows();
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (const QString &name : names)
            QVERIFY2(!name.isEmpty() && name.size() <= 15, qPrintable(name));
    }

    // Every modifier of every category, and every option of every modifier that owns some,
    // can be double-clicked into the summary; no two of one category push each other out.
    void everyModifierAndOptionReachesTheSummary()
    {
        Cantrix &w = *m_window;
        int modifiersWithFewOptions = 0;
        for (int c = 0; c < w.CategoryCombo.count(); ++c) {
            w.CategoryCombo.setSelectedIndex(c);
            const QString category = w.CategoryCombo.text();
            QVERIFY2(w.Modifier1List.count() >= 4, qPrintable(category));
            QCOMPARE(w.Summary2List.count(), 0);

            for (int m = 0; m < w.Modifier1List.count(); ++m) {
                const QString modifier = w.Modifier1List.row(m);
                const QString where = category + QStringLiteral(" / ") + modifier;
                QVERIFY2(!modifier.isEmpty(), qPrintable(where));
                w.Modifier1List.setSelectedIndex(m);
                QCOMPARE(w.Text2.text(), modifier);

                if (w.Modifier2List.count() == 0) {
                    QVERIFY2(!w.Modifier1List1.row(m).isEmpty(), qPrintable(where + QStringLiteral(" has no tokens")));
                    w.userDoubleClickModifier(m);
                    QCOMPARE(w.Summary2List.count(), m + 1);
                    QCOMPARE(w.Summary2List.row(m), modifier);
                    QCOMPARE(w.Summary2List1.row(m), w.Modifier1List1.row(m));
                    continue;
                }

                const int options = w.Modifier2List.count();
                if (options >= 2 && options <= 5)
                    ++modifiersWithFewOptions;
                for (int o = 0; o < options; ++o) {
                    const QString option = w.Modifier2List.row(o);
                    QVERIFY2(!option.isEmpty() && !w.Modifier2List1.row(o).isEmpty(),
                             qPrintable(where + QStringLiteral(": option ") + QString::number(o)));
                    w.userDoubleClickOption(o);
                    // Each option replaces the one before, so the modifier keeps one row.
                    QCOMPARE(w.Summary2List.count(), m + 1);
                    QCOMPARE(w.Summary2List.row(m), modifier + QStringLiteral(": ") + option);
                    QCOMPARE(w.Summary2List1.row(m), w.Modifier2List1.row(o));
                }
                // A modifier with options enters the summary only through one of them.
                w.userDoubleClickModifier(m);
                QCOMPARE(w.Summary2List.count(), m + 1);
            }
        }
        QVERIFY(modifiersWithFewOptions >= 3);
    }

    // The preview is what the double-click then does, for every modifier and every option, on
    // a summary that fills as the walk goes: rows added, refused, replaced and not counted.
    void previewMatchesTheDoubleClick()
    {
        Cantrix &w = *m_window;
        int added = 0;
        const auto check = [&](const QString &where, const std::function<void()> &doubleClick) {
            const DrainPreview preview = DrainPreview::ofSelection(w.drainInputs());
            const QStringList before = w.Summary2List.rows();
            const QString codeBefore = w.DrainText.text();
            doubleClick();
            if (preview.outcome == DrainPreview::Outcome::Adds) {
                ++added;
                QCOMPARE(w.DrainText.text(), preview.codeAfter);
                QCOMPARE(w.Summary2List.row(preview.position), preview.text);
            } else {
                QVERIFY2(w.Summary2List.rows() == before && w.DrainText.text() == codeBefore, qPrintable(where));
            }
            QCOMPARE(DrainBreakdown::of(w.drainInputs()).code, w.DrainText.text());
        };
        for (int c = 0; c < w.CategoryCombo.count(); ++c) {
            w.CategoryCombo.setSelectedIndex(c);
            for (int m = 0; m < w.Modifier1List.count(); ++m) {
                const QString where = w.CategoryCombo.text() + QStringLiteral(" / ") + w.Modifier1List.row(m);
                w.Modifier1List.setSelectedIndex(m);
                for (int twice = 0; twice < 2; ++twice)
                    check(where, [&] { w.userDoubleClickModifier(m); });
                for (int o = 0; o < w.Modifier2List.count(); ++o) {
                    w.Modifier2List.setSelectedIndex(o);
                    check(where + QStringLiteral(" / ") + w.Modifier2List.row(o), [&] { w.userDoubleClickOption(o); });
                }
            }
        }
        QVERIFY(added >= 50);
    }

    void handComputedDrainCodes_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("force");
        // "Modifier" for a stand-alone modifier, "Modifier|Option" for one with options.
        QTest::addColumn<QStringList>("picks");
        QTest::addColumn<QString>("drain");

        // +2 +1DRT, +1DRT, +2, -1, -1DRT: level 3 (S), drain modifier +1.
        QTest::newRow("striking area")
            << "Striking" << "Spoken" << "4"
            << QStringList{"Area of effect|Wide circle, ten paces across", "Lesser strike",
                           "Range of effect|Touch only"}
            << "[(4/2) +1] S";
        // +2 +1DRT, +1, +3 -1DRT, +1, +1 +2DRT: level 8 (D+4), drain modifier +2.
        QTest::newRow("striking at its heaviest")
            << "Striking" << "Whispered" << "5"
            << QStringList{"Area of effect|Everything in the field of view", "Piercing wards",
                           "Lingering harm"}
            << "[(5/2) +2] D+4";
        // +1, -1 +2DRT, -1, -1DRT: level -1 reads as L, drain modifier +1.
        QTest::newRow("faint anchored ward")
            << "Warding" << "Inscribed" << "6"
            << QStringList{"Strength of the ward|Faint", "Anchored to a place"} << "[(6/2) +1] L";
        // +2 -1DRT, +1, -1 -1DRT, -1DRT: level 2 (M), drain modifier -3.
        QTest::newRow("quick water shaping")
            << "Shaping" << "Whispered" << "3"
            << QStringList{"Crude and quick", "Material shaped|Water"} << "[(3/2) -3] M";
        // +1 -1DRT, +1DRT: the drain modifiers cancel and leave the blank before the bracket.
        QTest::newRow("plain seeing") << "Seeing" << "Spoken" << "2" << QStringList{} << "[(2/2) ] L";
        // +2, +1, +2 -1DRT: level 5 (D+1), drain modifier -1.
        QTest::newRow("curing a sickness")
            << "Mending" << "Whispered" << "2" << QStringList{"Wound treated|Wasting sickness"}
            << "[(2/2) -1] D+1";
        // Choosing a second option replaces the first: +1, +1DRT, then -1DRT instead of +1.
        QTest::newRow("option replaced")
            << "Glamour" << "Spoken" << "1"
            << QStringList{"Seen by|Everyone present", "Seen by|One watcher"} << "[(1/2) ] L";
    }

    void handComputedDrainCodes()
    {
        QFETCH(QString, category);
        QFETCH(QString, type);
        QFETCH(QString, force);
        QFETCH(QStringList, picks);
        QFETCH(QString, drain);

        Cantrix &w = *m_window;
        const int categoryRow = rowOf(w.CategoryCombo, category);
        const int typeRow = rowOf(w.TypeCombo, type);
        QVERIFY(categoryRow >= 0 && typeRow >= 0);
        // Start from another category so the selection really moves and the handler runs.
        w.CategoryCombo.setSelectedIndex(categoryRow == 0 ? 1 : 0);
        w.CategoryCombo.setSelectedIndex(categoryRow);
        w.TypeCombo.setSelectedIndex(typeRow);
        w.ForceText.setText(force);

        for (const QString &pick : picks) {
            const QStringList parts = pick.split(u'|');
            const int modifierRow = rowOf(w.Modifier1List, parts.first());
            QVERIFY2(modifierRow >= 0, qPrintable(pick));
            if (parts.size() == 1) {
                w.userDoubleClickModifier(modifierRow);
            } else {
                w.Modifier1List.setSelectedIndex(modifierRow);
                const int optionRow = rowOf(w.Modifier2List, parts.last());
                QVERIFY2(optionRow >= 0, qPrintable(pick));
                w.userDoubleClickOption(optionRow);
            }
        }
        QCOMPARE(w.DrainText.text(), drain);
    }

    // The build puts the data files beside the program, where the program looks for them.
    void copiesBesideTheBuiltProgramAreCurrent_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"GX2Mod.dat", "CTXhelp.htm", "GX2-Spell.xsl"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void copiesBesideTheBuiltProgramAreCurrent()
    {
        QFETCH(QString, file);
        const QString besideProgram = QStringLiteral(CANTRIX_BUILT_PROGRAM_DIR "/") + file;
        QVERIFY2(QFile::exists(besideProgram), qPrintable(besideProgram));
        QCOMPARE(readAll(besideProgram), readAll(QStringLiteral(CANTRIX_SOURCE_DATA_DIR "/") + file));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Cantrix> m_window;
};

QTEST_GUILESS_MAIN(TestBundledRules)
#include "tst_bundledrules.moc"
