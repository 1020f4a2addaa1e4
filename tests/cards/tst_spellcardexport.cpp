// Export Spell Card... as the core runs it: the dialog it asks for, the kind of file the chosen
// name decides, and what the user hears when the card cannot be written.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "author/authoroptionsfile.h"
#include "cards/spellcard.h"
#include "cards/spellcardexport.h"
#include "windowmodel/cantrix.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using Format = SpellCardExport::Format;

namespace {

struct PdfCall
{
    QString html;
    QString path;
};

// The window with a small spell composed, and an export whose PDF painter only records what it
// is handed and answers with `pdfFailure` (no failure when empty).
struct Fixture
{
    QTemporaryDir dir;
    RecordingPlatform platform;
    Cantrix window{platform};
    QList<PdfCall> pdfCalls;
    std::optional<QString> pdfFailure;
    SpellCardExport exporter{window, platform, [this](const QString &html, const QString &path) {
                                 pdfCalls.append({html, path});
                                 return pdfFailure;
                             }};

    Fixture()
    {
        platform.setProgramDirectory(dir.path());
        RulesFixture::write(dir.path(), {RulesFixture::withTokens("#Combat", "+1"),
                                         RulesFixture::withTokens("Zap", "+3DRT"),
                                         RulesFixture::withTokens("]Mana", "+1")});
        window.Form_Load();
        window.NameText.setText(QStringLiteral("Fire Bolt"));
        window.userDoubleClickModifier(0);
    }

    QString path(const QString &name) const { return dir.filePath(name); }
};

} // namespace

Q_DECLARE_METATYPE(SpellCardExport::Format)

class TestSpellCardExport : public QObject
{
    Q_OBJECT

private slots:
    void formatFollowsTheFileType_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Format>("format");
        QTest::newRow("pdf") << "/cards/bolt.pdf" << Format::Pdf;
        QTest::newRow("html") << "/cards/bolt.html" << Format::Html;
        QTest::newRow("htm") << "/cards/bolt.htm" << Format::Html;
        QTest::newRow("upper case") << "/cards/BOLT.HTML" << Format::Html;
        QTest::newRow("mixed case") << "/cards/bolt.Htm" << Format::Html;
        QTest::newRow("no suffix") << "/cards/bolt" << Format::Pdf;
        QTest::newRow("other suffix") << "/cards/bolt.txt" << Format::Pdf;
        QTest::newRow("html only in the folder") << "/cards.html/bolt.pdf" << Format::Pdf;
        QTest::newRow("html inside the name") << "/cards/bolt.html.pdf" << Format::Pdf;
        QTest::newRow("pdf inside the name") << "/cards/bolt.pdf.html" << Format::Html;
    }

    void formatFollowsTheFileType()
    {
        QFETCH(QString, path);
        QFETCH(Format, format);
        QCOMPARE(SpellCardExport::formatFor(path), format);
    }

    void asksForASaveFileOfferingPdfFirst()
    {
        Fixture f;
        f.exporter.mnuExportCard_Click();
        QCOMPARE(f.platform.dialogRequests.size(), 1);
        const Platform::FileDialogRequest request = f.platform.dialogRequests.first();
        QCOMPARE(request.mode, Platform::FileDialogMode::Save);
        QCOMPARE(request.title, QStringLiteral("Export Spell Card"));
        QCOMPARE(request.filters, QStringList({"PDF documents (*.pdf)", "Web pages (*.html *.htm)"}));
        QCOMPARE(request.defaultSuffix, QStringLiteral("pdf"));
        QCOMPARE(request.fileName, QStringLiteral("Fire Bolt.pdf"));
    }

    void proposedNameIsMadeFromTheSpellName_data()
    {
        QTest::addColumn<QString>("spellName");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("plain") << "Bolt" << "Bolt.pdf";
        QTest::newRow("folder separators") << "Fire/Ice\\Storm" << "FireIceStorm.pdf";
        QTest::newRow("reserved characters") << "What? <Ice>: \"cold\" | *" << "What Ice cold.pdf";
        QTest::newRow("dots and blanks at the ends") << " ..Bolt. " << "Bolt.pdf";
        QTest::newRow("nothing usable") << "../" << "Spell card.pdf";
        QTest::newRow("no name") << "" << "Spell card.pdf";
    }

    void proposedNameIsMadeFromTheSpellName()
    {
        QFETCH(QString, spellName);
        QFETCH(QString, fileName);
        Fixture f;
        f.window.NameText.setText(spellName);
        QCOMPARE(f.exporter.dialogRequest().fileName, fileName);
    }

    void nextExportStartsWhereTheLastWentInTheSameKind_data()
    {
        QTest::addColumn<QString>("lastName");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("after a web page") << "cards/old.htm" << "cards/Fire Bolt.htm";
        QTest::newRow("after a PDF") << "cards/old.pdf" << "cards/Fire Bolt.pdf";
        QTest::newRow("after a name without suffix") << "cards/old" << "cards/Fire Bolt.pdf";
    }

    void nextExportStartsWhereTheLastWentInTheSameKind()
    {
        QFETCH(QString, lastName);
        QFETCH(QString, proposed);
        Fixture f;
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("cards")));
        f.platform.dialogAnswers.enqueue(f.path(lastName));
        f.exporter.mnuExportCard_Click();
        QCOMPARE(f.exporter.dialogRequest().fileName, f.path(proposed));
    }

    void cancelWritesNothing()
    {
        Fixture f;
        f.platform.dialogAnswers.enqueue(std::nullopt);
        f.exporter.mnuExportCard_Click();
        QVERIFY(f.pdfCalls.isEmpty());
        QVERIFY(f.platform.warnings.isEmpty());
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList({"GX2Mod.dat"}));
        // A cancelled dialog leaves the proposal as it was.
        QCOMPARE(f.exporter.dialogRequest().fileName, QStringLiteral("Fire Bolt.pdf"));
    }

    void replacingAnEarlierCardIsAsked_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("replaced") << true;
        QTest::newRow("kept") << false;
    }

    void replacingAnEarlierCardIsAsked()
    {
        QFETCH(bool, answer);
        Fixture f;
        const QString target = f.path(QStringLiteral("bolt.pdf"));
        QVERIFY(QFile(target).open(QIODevice::WriteOnly));
        f.platform.questionAnswers.enqueue(answer);
        f.platform.dialogAnswers.enqueue(target);
        f.exporter.mnuExportCard_Click();
        QCOMPARE(f.platform.questions.size(), 1);
        QCOMPARE(f.pdfCalls.size(), answer ? 1 : 0);
        QCOMPARE(f.platform.statusMessages.size(), answer ? 1 : 0);
    }

    void webPageIsWrittenAsTheCardsHtml()
    {
        Fixture f;
        const QString target = f.path(QStringLiteral("bolt.html"));
        f.platform.dialogAnswers.enqueue(target);
        f.exporter.mnuExportCard_Click();
        QVERIFY(f.platform.warnings.isEmpty());
        QVERIFY(f.pdfCalls.isEmpty());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), SpellCard::html(f.exporter.spell()));
    }

    void pdfIsPaintedFromTheSameHtml()
    {
        Fixture f;
        const QString target = f.path(QStringLiteral("bolt.pdf"));
        f.platform.dialogAnswers.enqueue(target);
        f.exporter.mnuExportCard_Click();
        QVERIFY(f.platform.warnings.isEmpty());
        QCOMPARE(f.pdfCalls.size(), 1);
        QCOMPARE(f.pdfCalls.first().path, target);
        QCOMPARE(f.pdfCalls.first().html, SpellCard::html(f.exporter.spell()));
        QVERIFY(f.pdfCalls.first().html.contains(QStringLiteral("Fire Bolt")));
    }

    void cardNamesTheAuthorOfTheOptionsFile()
    {
        Fixture f;
        QVERIFY(!SpellCard::html(f.exporter.spell()).contains(QStringLiteral("class=\"byline\"")));

        const QString options = AuthorOptionsFile::location(f.platform);
        QCOMPARE(AuthorOptionsFile::write(options, {QStringLiteral("Ada & Co"), QStringLiteral("ada@example.org"),
                                                    QStringLiteral("https://example.org")}),
                 std::nullopt);
        QCOMPARE(f.exporter.spell().author, QStringLiteral("Ada & Co"));
        const QString target = f.path(QStringLiteral("bolt.html"));
        f.platform.dialogAnswers.enqueue(target);
        f.exporter.mnuExportCard_Click();
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("by Ada &amp; Co"));
    }

    void failureIsReportedWithTheFileAndTheReason_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("web page into a missing folder") << "missing/bolt.html";
        QTest::newRow("PDF the painter could not write") << "bolt.pdf";
    }

    void failureIsReportedWithTheFileAndTheReason()
    {
        QFETCH(QString, name);
        Fixture f;
        f.pdfFailure = QStringLiteral("the disk is full");
        const QString target = f.path(name);
        f.platform.dialogAnswers.enqueue(target);
        f.exporter.mnuExportCard_Click();
        QCOMPARE(f.platform.warnings.size(), 1);
        const RecordingPlatform::Message warning = f.platform.warnings.first();
        QCOMPARE(warning.title, QStringLiteral("Spell Card Not Exported"));
        QVERIFY2(warning.text.contains(QDir::toNativeSeparators(target)), qPrintable(warning.text));
        QVERIFY2(!warning.text.endsWith(QStringLiteral(": .")), qPrintable(warning.text));
        if (SpellCardExport::formatFor(target) == Format::Pdf)
            QVERIFY2(warning.text.contains(QStringLiteral("the disk is full")), qPrintable(warning.text));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_APPLESS_MAIN(TestSpellCardExport)
#include "tst_spellcardexport.moc"
