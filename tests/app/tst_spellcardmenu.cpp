// File > Export Spell Card... and File > Print... on the real window: the files they write, the
// warning when they cannot, and the pages the card is painted on.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include "app/mainwindow.h"
#include "tests/app/programfixture.h"
#include "app/spellcardpages.h"
#include "cards/spellcard.h"
#include "windowmodel/cantrix.h"
#include "tests/support/rulesfixture.h"

namespace {

// The program directory with its rules, the model with a spell composed, and the window.
struct Fixture : ProgramFixture
{
    Fixture()
        : ProgramFixture({RulesFixture::withTokens("#Combat", "+1"), RulesFixture::withTokens("Zap", "+3DRT"),
                          RulesFixture::withTokens("]Mana", "+1")})
    {
        cantrix.NameText.setText(QStringLiteral("Fire Bolt"));
        cantrix.DescriptionText.setText(QStringLiteral("A streak of heat."));
        cantrix.userDoubleClickModifier(0);
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QByteArray exportTo(const QString &name)
    {
        platform.dialogAnswers.enqueue(path(name));
        window.mnuExportCard()->trigger();
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// Pages of a PDF document as Qt writes it: one uncompressed page object per sheet.
int pdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral(R"(/Type\s*/Page\b(?!s))"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

class TestSpellCardMenu : public QObject
{
    Q_OBJECT

private slots:
    void exportWritesTheKindTheNameAsksFor_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("pdf") << "bolt.pdf" << QByteArray("%PDF-");
        QTest::newRow("html") << "bolt.html" << QByteArray("<!DOCTYPE html>");
        QTest::newRow("htm") << "bolt.HTM" << QByteArray("<!DOCTYPE html>");
    }

    void exportWritesTheKindTheNameAsksFor()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        Fixture f;
        const QByteArray written = f.exportTo(name);
        QVERIFY(f.platform.warnings.isEmpty());
        QVERIFY2(written.startsWith(start), written.left(40).constData());
        QCOMPARE(f.platform.dialogRequests.size(), 1);
        // Nothing but the card is left beside it (no temporary file).
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files, QDir::Name), QStringList({"GX2Mod.dat", name}));
    }

    void exportedPdfIsOnePageOfA5WithTheCardOnIt()
    {
        Fixture f;
        const QByteArray pdf = f.exportTo(QStringLiteral("bolt.pdf"));
        QVERIFY2(pdf.size() > 4000, QByteArray::number(pdf.size()).constData());
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QCOMPARE(pdfPageCount(pdf), 1);
        // A5 portrait in points: 420 x 595.
        QVERIFY2(pdf.contains("/MediaBox [0 0 419") || pdf.contains("/MediaBox [0 0 420"),
                 pdf.mid(pdf.indexOf("/MediaBox"), 40).constData());
        QVERIFY(pdf.contains("/Title"));
    }

    void cardTooLongForOneSheetGoesOnToMoreSheets()
    {
        Fixture f;
        QStringList paragraphs;
        for (int i = 0; i < 120; ++i)
            paragraphs.append(QStringLiteral("Line %1 of a long description.").arg(i));
        f.cantrix.DescriptionText.setText(paragraphs.join(u'\n'));
        const QByteArray pdf = f.exportTo(QStringLiteral("long.pdf"));
        QVERIFY2(pdfPageCount(pdf) >= 3, QByteArray::number(pdfPageCount(pdf)).constData());
    }

    void exportedPdfHoldsTheCardsText()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        Fixture f;
        f.exportTo(QStringLiteral("bolt.pdf"));
        QProcess process;
        process.start(pdftotext, {f.path(QStringLiteral("bolt.pdf")), QStringLiteral("-")});
        QVERIFY(process.waitForFinished());
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        for (const char *expected : {"Fire Bolt", "Combat Spell", "Mana Spell", "A streak of heat.", "Zap",
                                     "+3DRT", "Drain"})
            QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(expected + (QStringLiteral("\n") + text)));
    }

    void exportIntoAMissingFolderWarnsAndWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("pdf") << "missing/bolt.pdf";
        QTest::newRow("html") << "missing/bolt.html";
    }

    void exportIntoAMissingFolderWarnsAndWritesNothing()
    {
        QFETCH(QString, name);
        Fixture f;
        QVERIFY(f.exportTo(name).isEmpty());
        QCOMPARE(f.platform.warnings.size(), 1);
        QCOMPARE(f.platform.warnings.first().title, QStringLiteral("Spell Card Not Exported"));
        QVERIFY2(f.platform.warnings.first().text.contains(QDir::toNativeSeparators(f.path(name))),
                 qPrintable(f.platform.warnings.first().text));
        QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("missing"))));
    }

    void printShowsThePrintDialogOfTheWindow()
    {
        Fixture f;
        // The dialog lives only while the command runs: it is looked at and cancelled from inside.
        f.cantrix.NameText.setText(QStringLiteral("Fire/Bolt: v2.0"));
        bool shown = false;
        QWidget *owner = nullptr;
        QString title;
        QString documentName;
        QTimer::singleShot(0, this, [&] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                shown = true;
                owner = dialog->parentWidget();
                title = dialog->windowTitle();
                documentName = dialog->printer()->docName();
                dialog->reject();
            }
        });
        f.window.mnuPrint()->trigger();
        QVERIFY(shown);
        QCOMPARE(owner, &f.window);
        QCOMPARE(title, QStringLiteral("Print Spell Card"));
        QVERIFY(f.platform.warnings.isEmpty());
        // The dialog makes the file it offers to print to from the document name: the name
        // Export Spell Card proposes.
        f.window.mnuExportCard()->trigger();
        QCOMPARE(documentName, f.platform.dialogRequests.constLast().fileName);
        QCOMPARE(documentName, QStringLiteral("FireBolt v2.0.pdf"));
    }

    void printedPagesAreTheExportedCard()
    {
        Fixture f;
        const QString html = SpellCard::html(SpellCard::fromWindow(f.cantrix));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f.path(QStringLiteral("printed.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        const std::unique_ptr<QTextDocument> document = SpellCardPages::layOut(html, printer);
        SpellCardPages::paint(*document, printer);
        QCOMPARE(printer.printerState(), QPrinter::Idle);
        QFile printed(f.path(QStringLiteral("printed.pdf")));
        QVERIFY(printed.open(QIODevice::ReadOnly));
        const QByteArray pdf = printed.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdfPageCount(pdf), 1);
    }
};

QTEST_MAIN(TestSpellCardMenu)
#include "tst_spellcardmenu.moc"
