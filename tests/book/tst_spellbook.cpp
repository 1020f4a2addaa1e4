// The spell book with files that are no spell: each is listed with its reason, nothing crashes
// and nothing is written; a folder that goes away while shown says so.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "book/spellbook.h"
#include "book/spellbookmodel.h"
#include "tests/support/ordinaryuser.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"
#include "windowmodel/cantrix.h"

class TestSpellBook final : public QObject
{
    Q_OBJECT

private slots:
    void oddFilesAreListedWithTheirReason_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("past the size limit") << "huge" << "larger";
        QTest::newRow("symbolic link loop") << "loop" << "symbolic links";
        QTest::newRow("web page") << "page" << "not a spell document";
        QTest::newRow("no XML at all") << "text" << "not well-formed XML";
        QTest::newRow("a folder named .xml") << "folder" << "";
        QTest::newRow("unreadable") << "unreadable" << "Permission denied";
    }
    void oddFilesAreListedWithTheirReason()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("odd.xml");
        QFile file(path);
        if (kind == "huge")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(17 * 1024 * 1024));
        else if (kind == "loop")
            QVERIFY(QFile::link(path, path));
        else if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("odd.xml"));
        else
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kind == "page" ? "<html/>" : "plain text") > 0);
        file.close();
        // The unreadable file is read as an ordinary user, whom the permission bits stop.
        const bool unreadable = kind == "unreadable";
        if (unreadable)
            QVERIFY(file.setPermissions({}) && OrdinaryUser::take(dir.path()));

        qsizetype skipped = 0;
        QString error;
        const QStringList paths = SpellBook::candidates(dir.path(), &skipped, &error);
        RulesFile::Contents rules;
        rules.ok = true;
        const QList<BookEntry> book = unreadable ? OrdinaryUser::run([&] { return SpellBook::readAll(paths, rules); })
                                                 : SpellBook::readAll(paths, rules);
        // A folder is no file of the book: passed over and counted.
        if (reason.isEmpty()) {
            QVERIFY(book.isEmpty());
            QCOMPARE(skipped, 1);
            return;
        }
        QCOMPARE(book.size(), 1);
        QVERIFY2(book.at(0).reason.contains(reason), qPrintable(book.at(0).reason));
        QVERIFY(!book.at(0).touched());
    }

    void folderRemovedWhileShown()
    {
        QTemporaryDir program;
        QVERIFY(RulesFixture::write(program.path(), {RulesFixture::withTokens("#Combat", "+1")}));
        RecordingPlatform platform(program.path());
        Cantrix window(platform);
        SpellBookModel book(window);
        book.setSynchronous(true);
        const QString folder = QDir(program.path()).filePath("spells");
        QVERIFY(QDir().mkpath(folder));
        book.setFolder(folder);
        QCOMPARE(book.countLine(), "0 of 0 spells have another drain code under today's rules");
        QVERIFY(QDir(folder).removeRecursively());
        book.reload();
        QCOMPARE(book.rowCount(), 0);
        QVERIFY2(book.countLine().contains("no such folder"), qPrintable(book.countLine()));
    }
};

QTEST_GUILESS_MAIN(TestSpellBook)
#include "tst_spellbook.moc"
