// Spell documents, spell cards and the author options file under faults: saves that cannot
// complete, documents no spell ever was, and an options file that cannot be written. Nothing
// may crash or hang, a file already on disk stays byte for byte as it was, the window keeps
// the spell on screen, and the user is told which file and why.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "files/inplacewrite.h"
#endif

#include "app/spellcardpages.h"
#include "author/authoroptionsform.h"
#include "cards/spellcardexport.h"
#include "windowmodel/cantrix.h"
#include "documents/spellcommands.h"
#include "tests/documents/spellfixture.h"
#include "tests/faults/filesizelimit.h"
#include "tests/support/ordinaryuser.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using namespace SpellFixture;


class TestDocumentFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Cantrix> m_window;
    std::unique_ptr<SpellCommands> m_commands;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    // The earlier document a failed save must leave alone.
    static QByteArray earlierDocument() { return "<common><itemdef name='Earlier spell'/></common>\r\n"; }

    void verifyOneWarning(const QString &title, const QString &file, const QString &reasonPart)
    {
        QCOMPARE(m_platform->warnings.size(), 1);
        QCOMPARE(m_platform->warnings.at(0).title, title);
        const QString message = m_platform->warnings.at(0).text;
        QVERIFY2(message.contains(QDir::toNativeSeparators(file)), qPrintable(message));
        QVERIFY2(message.contains(reasonPart, Qt::CaseInsensitive), qPrintable(message));
    }

    // Opens `file` through the File menu and checks that it is refused, the window untouched.
    void verifyOpenRefused(const QString &file, const QString &reasonPart)
    {
        composeCombatSpell(*m_window);
        const WindowSnapshot before(*m_window);
        m_platform->dialogAnswers.enqueue(file);
        m_commands->mnuOpen_Click();
        QVERIFY(WindowSnapshot(*m_window) == before);
        verifyOneWarning(QStringLiteral("Spell Not Opened"), file, reasonPart);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(RulesFixture::write(m_dir->path(), rules()));
        m_platform = std::make_unique<RecordingPlatform>(m_dir->path(), path(QStringLiteral("config")));
        m_window = std::make_unique<Cantrix>(*m_platform);
        m_window->Form_Load();
        m_commands = std::make_unique<SpellCommands>(*m_window, *m_platform);
    }

    void cleanup()
    {
        m_commands.reset();
        m_window.reset();
        m_platform.reset();
        m_dir.reset();
    }

    void saveOntoAFullDisk()
    {
        const QString target = path(QStringLiteral("spell.xml"));
        QVERIFY(writeBytes(target, earlierDocument()));
        composeCombatSpell(*m_window);
        const WindowSnapshot before(*m_window);
        {
            // Room for less than the new document: the disk fills up part-way through.
            const FileSizeLimit fullDisk(64);
            if (!fullDisk.inForce())
                QSKIP("this system does not let a test limit the size of the files it writes");
            m_platform->dialogAnswers.enqueue(target);
            m_commands->mnuSave_Click();
        }
        QCOMPARE(fileBytes(target), earlierDocument());
        QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("spell.xml*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("spell.xml")}); // no half-written copy left beside it
        verifyOneWarning(QStringLiteral("Spell Not Saved"), target, QStringLiteral("disk may be full"));
        QVERIFY(WindowSnapshot(*m_window).spell.lists == before.spell.lists);
    }

    void cardExportOntoAFullDisk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("web page") << QStringLiteral("card.html");
        QTest::newRow("PDF document") << QStringLiteral("card.pdf");
    }

    void cardExportOntoAFullDisk()
    {
        QFETCH(QString, name);
        const QString target = path(name);
        const QByteArray earlierCard(4096, 'x');
        QVERIFY(writeBytes(target, earlierCard));
        composeCombatSpell(*m_window);
        SpellCardExport cards(*m_window, *m_platform, &SpellCardPages::writePdf);
        {
            const FileSizeLimit fullDisk(1000);
            if (!fullDisk.inForce())
                QSKIP("this system does not let a test limit the size of the files it writes");
            m_platform->dialogAnswers.enqueue(target);
            cards.mnuExportCard_Click();
        }
        QCOMPARE(fileBytes(target), earlierCard);
        verifyOneWarning(QStringLiteral("Spell Card Not Exported"), target, QStringLiteral("disk may be full"));
    }

    void saveWhereNotEvenAnAdministratorMayWrite()
    {
        // Permission bits do not stop an administrator (CI runs as one), but the kernel's own
        // folder refuses new files to everyone.
        const QString folder = QStringLiteral("/sys");
        if (!QFileInfo(folder).isDir())
            QSKIP("this system has no /sys folder");
        const QString target = folder + QStringLiteral("/cantrix-spell.xml");
        composeCombatSpell(*m_window);
        m_platform->dialogAnswers.enqueue(target);
        m_commands->mnuSave_Click();
        QVERIFY(!QFileInfo::exists(target));
        verifyOneWarning(QStringLiteral("Spell Not Saved"), target, QString());
    }

    void saveIntoAReadOnlyFolder()
    {
        QVERIFY(QDir().mkpath(path(QStringLiteral("locked"))));
        const QString target = path(QStringLiteral("locked/spell.xml"));
        QVERIFY(writeBytes(target, earlierDocument()));
        QVERIFY(OrdinaryUser::take(m_dir->path()));
        QFile folder(path(QStringLiteral("locked")));
        const QFileDevice::Permissions permissions = folder.permissions();
        QVERIFY(folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        composeCombatSpell(*m_window);
        m_platform->dialogAnswers.enqueue(target);
        OrdinaryUser::run([this] {
            m_commands->mnuSave_Click();
            return true;
        });
        folder.setPermissions(permissions);
        QCOMPARE(fileBytes(target), earlierDocument());
        // The file itself may be writable: the folder is what refused.
        verifyOneWarning(QStringLiteral("Spell Not Saved"), target,
                         QStringLiteral("the folder %1 cannot be written to")
                             .arg(QDir::toNativeSeparators(path(QStringLiteral("locked")))));
    }

    void saveOntoAFolderOrIntoAMissingOne_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("onto a folder") << QStringLiteral("folder.xml");
        QTest::newRow("into a missing folder") << QStringLiteral("missing/spell.xml");
        QTest::newRow("under a file") << QStringLiteral("plain.txt/spell.xml");
    }
    void saveOntoAFolderOrIntoAMissingOne()
    {
        QFETCH(QString, target);
        QVERIFY(QDir().mkpath(path(QStringLiteral("folder.xml"))));
        QVERIFY(writeBytes(path(QStringLiteral("folder.xml/earlier.xml")), earlierDocument()));
        QVERIFY(writeBytes(path(QStringLiteral("plain.txt")), "plain text"));
        composeCombatSpell(*m_window);
        m_platform->dialogAnswers.enqueue(path(target));
        m_commands->mnuSave_Click();
        QCOMPARE(fileBytes(path(QStringLiteral("folder.xml/earlier.xml"))), earlierDocument());
        QCOMPARE(fileBytes(path(QStringLiteral("plain.txt"))), QByteArray("plain text"));
        QVERIFY(QFileInfo(path(QStringLiteral("folder.xml"))).isDir());
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("missing"))));
        verifyOneWarning(QStringLiteral("Spell Not Saved"), path(target), QString());
    }

    void saveOntoWhatIsNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << QStringLiteral("pipe");
        QTest::newRow("device") << QStringLiteral("device");
    }
    void saveOntoWhatIsNoFile()
    {
#ifdef Q_OS_UNIX
        // Replacing a pipe or a device named like a spell with a file would silently take its
        // place; it is refused instead, and stays what it was.
        QFETCH(QString, kind);
        const QString target = path(QStringLiteral("odd.xml"));
        if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), target));
        composeCombatSpell(*m_window);
        m_platform->dialogAnswers.enqueue(target);
        m_commands->mnuSave_Click();
        verifyOneWarning(QStringLiteral("Spell Not Saved"), target, QStringLiteral("not a regular file"));
        struct stat after {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &after), 0);
        QVERIFY(kind == u"pipe" ? S_ISFIFO(after.st_mode) : S_ISCHR(after.st_mode));
#else
        QSKIP("pipes and devices in the file system are a Unix matter");
#endif
    }

    void saveKeepsOwnerGroupAndPermissions()
    {
#ifdef Q_OS_UNIX
        if (::geteuid() != 0)
            QSKIP("only an administrator can give a test file another owner");
        const QString target = path(QStringLiteral("shared.xml"));
        const QByteArray native = QFile::encodeName(target);
        QVERIFY(writeBytes(target, earlierDocument()));
        QCOMPARE(::chown(native.constData(), 12345, 23456), 0);
        QCOMPARE(::chmod(native.constData(), 0640), 0);
        composeCombatSpell(*m_window);
        QCOMPARE(m_commands->SaveSpell(target).outcome, SpellCommands::Outcome::Done);
        struct stat after {};
        QCOMPARE(::stat(native.constData(), &after), 0);
        QCOMPARE(after.st_uid, uid_t(12345));
        QCOMPARE(after.st_gid, gid_t(23456));
        QCOMPARE(after.st_mode & 07777, mode_t(0640));
        QVERIFY(fileBytes(target).contains("Combat"));
#else
        QSKIP("owners and groups of files are a Unix matter");
#endif
    }

    void saveWritesInPlaceWhereTheOwnerCannotBeKept()
    {
#ifdef Q_OS_UNIX
        if (::geteuid() != 0)
            QSKIP("the test saves as another user, which only an administrator can become");
        // A shared folder and another user's file that everyone may write: a new copy would be
        // this user's and lock its owner out, so the file takes the new bytes itself.
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                         | QFileDevice::ExeOwner | QFileDevice::ExeOther));
        QVERIFY(QDir().mkpath(path(QStringLiteral("shared"))));
        const QString target = path(QStringLiteral("shared/spell.xml"));
        const QByteArray native = QFile::encodeName(target);
        QVERIFY(writeBytes(target, earlierDocument()));
        QCOMPARE(::chmod(QFile::encodeName(path(QStringLiteral("shared"))).constData(), 0777), 0);
        QCOMPARE(::chmod(native.constData(), 0666), 0);
        struct stat before {};
        QCOMPARE(::stat(native.constData(), &before), 0);
        composeCombatSpell(*m_window);

        // Where the folders above the test's own let no other user through, there is no sharing.
        if (!OrdinaryUser::run([&] { return ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) == 0; }))
            QSKIP("no other user can reach the test's folder on this system");
        const auto saveAsNobody = [&](qint64 fileSizeLimit) {
            const FileSizeLimit limit(fileSizeLimit);
            return OrdinaryUser::run([&] { return m_commands->SaveSpell(target); });
        };

        // A disk with no room for the longer document: refused before a byte is written.
        const SpellCommands::Result full = saveAsNobody(before.st_size + 16);
        QCOMPARE(full.outcome, SpellCommands::Outcome::Failed);
        QVERIFY2(full.message.contains(QStringLiteral("disk may be full")), qPrintable(full.message));
        QCOMPARE(fileBytes(target), earlierDocument());

        QCOMPARE(saveAsNobody(1 << 30).outcome, SpellCommands::Outcome::Done);
        struct stat after {};
        QCOMPARE(::stat(native.constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino); // the same file, written over
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        const QByteArray saved = fileBytes(target);
        QVERIFY(saved.contains("Combat"));
        QVERIFY(saved.endsWith("</common>\r\n"));
        QCOMPARE(QDir(path(QStringLiteral("shared"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("spell.xml")}); // no copy left beside it
#else
        QSKIP("owners and groups of files are a Unix matter");
#endif
    }

    void inPlaceWriteRefusesAFileSwappedAfterTheCheck_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("a symbolic link to the saver's file") << true;
        QTest::newRow("another file of the saver's") << false;
    }
    void inPlaceWriteRefusesAFileSwappedAfterTheCheck()
    {
#ifdef Q_OS_UNIX
        QFETCH(bool, link);
        const QString target = path(QStringLiteral("shared.xml"));
        const QString own = path(QStringLiteral("own.xml"));
        QVERIFY(writeBytes(target, earlierDocument()));
        QVERIFY(writeBytes(own, "the saver's own file"));
        struct stat checked {};
        QCOMPARE(::stat(QFile::encodeName(target).constData(), &checked), 0);
        // Another user of the shared folder puts something else at the name meanwhile.
        if (link) {
            QVERIFY(QFile::remove(target));
            QVERIFY(QFile::link(own, target));
        } else {
            QVERIFY(QFile::copy(own, path(QStringLiteral("copy.xml"))));
            QVERIFY(QFile::rename(path(QStringLiteral("copy.xml")), target) || (QFile::remove(target)
                    && QFile::rename(path(QStringLiteral("copy.xml")), target)));
        }
        const std::optional<QString> refused =
            InPlaceWrite::overwrite(QFile::encodeName(target), "<common>the new spell</common>", checked);
        QVERIFY(refused);
        QVERIFY2(refused->contains(QStringLiteral("replaced by another file or a symbolic link")), qPrintable(*refused));
        QCOMPARE(fileBytes(own), QByteArray("the saver's own file"));
        QCOMPARE(fileBytes(target), QByteArray("the saver's own file"));
        QVERIFY(!QFileInfo::exists(target + u'~'));
#else
        QSKIP("writing in place is a Unix matter");
#endif
    }

    void saveKeepsAccessListAndAttributes()
    {
#ifdef Q_OS_UNIX
        const QString target = path(QStringLiteral("tagged.xml"));
        const QByteArray native = QFile::encodeName(target);
        QVERIFY(writeBytes(target, earlierDocument()));
        if (QProcess::execute(QStringLiteral("setfacl"), {QStringLiteral("-m"), QStringLiteral("u:nobody:rw"), target}) != 0)
            QSKIP("setfacl is missing, or this file system has no access lists");
        const QByteArray tags = "spells,shared";
        if (::setxattr(native.constData(), "user.xdg.tags", tags.constData(), size_t(tags.size()), 0) != 0)
            QSKIP("this file system has no user attributes");
        const auto attribute = [&](const char *name) {
            QByteArray value(4096, '\0');
            const ssize_t size = ::getxattr(native.constData(), name, value.data(), size_t(value.size()));
            return value.left(size < 0 ? 0 : qsizetype(size));
        };
        const QByteArray accessList = attribute("system.posix_acl_access");
        QVERIFY(!accessList.isEmpty());
        struct stat before {};
        QCOMPARE(::stat(native.constData(), &before), 0);

        composeCombatSpell(*m_window);
        QCOMPARE(m_commands->SaveSpell(target).outcome, SpellCommands::Outcome::Done);
        struct stat after {};
        QCOMPARE(::stat(native.constData(), &after), 0);
        QVERIFY(after.st_ino != before.st_ino); // a new copy took the earlier file's place
        QVERIFY(fileBytes(target).contains("Combat"));
        QCOMPARE(attribute("system.posix_acl_access"), accessList);
        QCOMPARE(attribute("user.xdg.tags"), tags);
        QCOMPARE(after.st_mode, before.st_mode);
#else
        QSKIP("access lists and extended attributes are a Unix matter");
#endif
    }

    void optionsFileCannotBeWritten_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("ctx.txt is a folder") << false;
        QTest::newRow("disk full") << true;
    }
    void optionsFileCannotBeWritten()
    {
        QFETCH(bool, fullDisk);
        AuthorOptionsForm form(*m_platform);
        const QString file = form.filePath();
        const QByteArray earlier = "Ann\r\nann@example.org\r\nhttp://example.org\r\n";
        if (fullDisk)
            QVERIFY(writeBytes(file, earlier));
        else
            QVERIFY(QDir().mkpath(file));
        form.Form_Load();
        form.txtName.setText(QString(200, u'N')); // more than a full disk has room for
        bool closed = false;
        connect(&form, &AuthorOptionsForm::unloadRequested, this, [&closed] { closed = true; });

        AuthorOptionsForm::OkResult result;
        {
            const FileSizeLimit limit(fullDisk ? 16 : 1024 * 1024);
            if (fullDisk && !limit.inForce())
                QSKIP("this system does not let a test limit the size of the files it writes");
            result = form.cmdOk_Click();
        }
        QVERIFY(!result.stored);
        QVERIFY2(result.message.contains(QDir::toNativeSeparators(file)), qPrintable(result.message));
        QVERIFY2(result.message.contains(fullDisk ? QStringLiteral("disk may be full") : QStringLiteral("folder"),
                                         Qt::CaseInsensitive), qPrintable(result.message));
        QVERIFY(!closed); // the dialog stays open with what was typed
        QCOMPARE(form.txtName.text(), QString(200, u'N'));
        if (fullDisk)
            QCOMPARE(fileBytes(file), earlier);
        else
            QVERIFY(QFileInfo(file).isDir());
    }

    void openDocumentOfFiftyMegabytes()
    {
        const QString file = path(QStringLiteral("huge.xml"));
        QVERIFY(writeBytes(file, "<common>"));
        QVERIFY(QFile(file).resize(50 * 1024 * 1024)); // sparse: the size without the disk space
        verifyOpenRefused(file, QStringLiteral("too large"));
    }

    void openDocumentNestedDeeply_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::newRow("closed") << true;
        QTest::newRow("never closed") << false;
    }
    void openDocumentNestedDeeply()
    {
        QFETCH(bool, closed);
        constexpr int depth = 100000;
        const QByteArray category = "<category value='Detection Spell' modifier='-1DRT'/>";
        const QByteArray document = "<common>" + QByteArray("<spell>").repeated(depth) + category
            + (closed ? QByteArray("</spell>").repeated(depth) + "</common>" : QByteArray());
        const QString file = path(QStringLiteral("deep.xml"));
        QVERIFY(writeBytes(file, document));
        if (!closed) {
            verifyOpenRefused(file, QStringLiteral("well-formed"));
            return;
        }
        // Well-formed, however deep: read like any document, its category taking effect.
        m_platform->dialogAnswers.enqueue(file);
        m_commands->mnuOpen_Click();
        QVERIFY(m_platform->warnings.isEmpty());
        QCOMPARE(m_window->CategoryCombo.text(), QStringLiteral("Detection"));
    }

    void openBillionLaughs()
    {
        QByteArray document = "<?xml version='1.0'?>\n<!DOCTYPE common [\n<!ENTITY lol0 'lol'>\n";
        for (int i = 1; i <= 9; ++i) {
            document += "<!ENTITY lol" + QByteArray::number(i) + " '"
                + ("&lol" + QByteArray::number(i - 1) + ";").repeated(10) + "'>\n";
        }
        document += "]>\n<common><itemdef name='&lol9;'/></common>\n";
        const QString file = path(QStringLiteral("laughs.xml"));
        QVERIFY(writeBytes(file, document));
        verifyOpenRefused(file, QStringLiteral("entities"));
    }

    void openWhatIsNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << QStringLiteral("pipe");
        QTest::newRow("device") << QStringLiteral("device");
    }
    void openWhatIsNoFile()
    {
#ifdef Q_OS_UNIX
        QFETCH(QString, kind);
        const QString file = path(QStringLiteral("odd.xml"));
        if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
        verifyOpenRefused(file, QStringLiteral("not a regular file"));
#else
        QSKIP("pipes and devices in the file system are a Unix matter");
#endif
    }

    void optionsFileThatIsNoFile()
    {
#ifdef Q_OS_UNIX
        // The dialog and every save read ctx.txt; a pipe there must block neither.
        const QString file = AuthorOptionsForm(*m_platform).filePath();
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        AuthorOptionsForm form(*m_platform);
        form.Form_Load();
        QCOMPARE(form.txtName.text(), QString());
        composeCombatSpell(*m_window);
        QCOMPARE(m_commands->SaveSpell(path(QStringLiteral("spell.xml"))).outcome, SpellCommands::Outcome::Done);
        QVERIFY(fileBytes(path(QStringLiteral("spell.xml"))).contains("name=\"\""));
#else
        QSKIP("pipes in the file system are a Unix matter");
#endif
    }
};

// The PDF card is drawn with the program's fonts, which need a GUI application.
QTEST_MAIN(TestDocumentFaults)
#include "tst_documentfaults.moc"
