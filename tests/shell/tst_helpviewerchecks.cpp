// What the program's own help viewer refuses to read or lay out.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "shell/helppage.h"
#include "tests/support/testfiles.h"

class TestHelpViewerChecks : public QObject
{
    Q_OBJECT

private slots:
    void markupIsMeasuredAsTheViewerNestsIt_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<int>("depth");
        QTest::newRow("closed") << QStringLiteral("<html><body><p>a <b>b</b></p></body></html>") << 4;
        QTest::newRow("items and paragraphs end the one before")
            << QStringLiteral("<ul><li>a<li>b<li>c</ul><p>x<p>y<p>z") << 2;
        QTest::newRow("cells and rows end back to their table")
            << QStringLiteral("<table><tr><td>a<td>b<tr><td>c<th>d</table>").repeated(3) << 3;
        QTest::newRow("a stray end tag closes nothing") << QStringLiteral("<table></ul><table></ul><table>") << 3;
        QTest::newRow("after the end of the page") << QStringLiteral("<html><b></html><b></html><b>") << 4;
        QTest::newRow("comments, quotes and empty elements")
            << QStringLiteral("<!-- <b><b> --><a title=\"<b>\">x</a><br><img src=x><div/>") << 1;
        QTest::newRow("a cell alone gets a table and a row") << QStringLiteral("<td>x") << 3;
        QTest::newRow("any '<' opens a tag, to the next '>'") << QStringLiteral("1 < 2 <b> 3 <b>") << 2;
    }

    void markupIsMeasuredAsTheViewerNestsIt()
    {
        QFETCH(QString, html);
        QFETCH(int, depth);
        QCOMPARE(HelpPage::measure(html).depth, depth);
    }

    void pagesTooCostlyToLayOutAreRefused_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("refusal");
        const QString deeper = QStringLiteral("deeper than 200 levels");
        const QString tables = QStringLiteral("lays out promptly");
        QTest::newRow("3,000 nested tables") << QStringLiteral("<table><tr><td>").repeated(3000) << tables;
        QTest::newRow("20,000 nested lists") << QStringLiteral("<ul><li>").repeated(20000) << deeper;
        QTest::newRow("14 nested tables") << QStringLiteral("<table><tr><td>").repeated(14) << tables;
        QTest::newRow("12 nested tables") << QStringLiteral("<table><tr><td>").repeated(12) << QString();
        QTest::newRow("30,000 lists") << QStringLiteral("<ul><li>x</ul>").repeated(30000) << tables;
        QTest::newRow("the bundled help page")
            << HelpPage::text(TestFiles::fileBytes(QStringLiteral(CANTRIX_SOURCE_DIR "/data/CTXhelp.htm"))) << QString();
    }

    void pagesTooCostlyToLayOutAreRefused()
    {
        QFETCH(QString, html);
        QFETCH(QString, refusal);
        QVERIFY(!html.isEmpty());
        const QString why = HelpPage::refusal(html);
        QVERIFY2(refusal.isEmpty() ? why.isEmpty() : why.contains(refusal), qPrintable(why));
    }

    void onlyRegularFilesInThePagesFolderAreRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error");
        QTest::newRow("beside the page") << QStringLiteral("help/picture.png") << QString();
        QTest::newRow("in a folder below") << QStringLiteral("help/images/picture.png") << QString();
        QTest::newRow("a folder up") << QStringLiteral("help/../secret.txt") << QStringLiteral("not in the help page's folder");
        QTest::newRow("linked out of the folder") << QStringLiteral("help/link.png") << QStringLiteral("not in the help page's folder");
        QTest::newRow("a device") << QStringLiteral("/dev/zero") << QStringLiteral("not in the help page's folder");
        QTest::newRow("a pipe") << QStringLiteral("help/pipe.png") << QStringLiteral("not a regular file");
        QTest::newRow("a folder") << QStringLiteral("help/images") << QStringLiteral("not a regular file");
        QTest::newRow("too large") << QStringLiteral("help/large.png") << QStringLiteral("larger than 1 MB");
        QTest::newRow("missing") << QStringLiteral("help/gone.png") << QStringLiteral("not there");
    }

    void onlyRegularFilesInThePagesFolderAreRead()
    {
        QFETCH(QString, name);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QDir root(dir.path());
        QVERIFY(root.mkpath(QStringLiteral("help/images")));
        QVERIFY(TestFiles::writeBytes(root.filePath(QStringLiteral("help/picture.png")), "png"));
        QVERIFY(TestFiles::writeBytes(root.filePath(QStringLiteral("help/images/picture.png")), "png"));
        QVERIFY(TestFiles::writeBytes(root.filePath(QStringLiteral("secret.txt")), "secret"));
        QVERIFY(TestFiles::writeBytes(root.filePath(QStringLiteral("help/large.png")), QByteArray(1024 * 1024 + 1, 'x')));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("secret.txt")), root.filePath(QStringLiteral("help/link.png"))));
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(root.filePath(QStringLiteral("help/pipe.png"))).constData(), 0600), 0);
#endif
        const HelpPage::Read read = HelpPage::readFile(root.filePath(QStringLiteral("help")),
                                                       name.startsWith(u'/') ? name : root.filePath(name), 1024 * 1024);
        QVERIFY2(error.isEmpty() ? read.error.isEmpty() : read.error.contains(error), qPrintable(read.error));
        QCOMPARE(read.bytes.isEmpty(), !error.isEmpty());
    }

    void aRefusedPageSaysWhichAndWhy()
    {
        QTemporaryDir dir;
        const QString page = QDir(dir.path()).filePath(QStringLiteral("deep.htm"));
        QVERIFY(TestFiles::writeBytes(page, QByteArray("<table><tr><td>").repeated(3000)));
        const HelpPage::Page read = HelpPage::pageAt(dir.path(), page);
        QVERIFY(read.html.isEmpty());
        const QString shown = HelpPage::note(page, read.refusal);
        QVERIFY2(shown.contains(QStringLiteral("The help page %1 is not shown: it holds").arg(QDir::toNativeSeparators(page))),
                 qPrintable(shown));
    }
};

QTEST_GUILESS_MAIN(TestHelpViewerChecks)
#include "tst_helpviewerchecks.moc"
