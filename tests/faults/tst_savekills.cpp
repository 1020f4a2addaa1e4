// A save killed, or failing, part-way through, as a user saving over another user's file in a
// shared folder or onto a failing disk meets it. Afterwards the earlier or the new document is
// whole, at its name or (for a file written in place) in the backup beside it, never only part
// of one; a write that failed puts the earlier contents back and says so; and an Open of a file
// left damaged names the backup.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "documents/spellcommands.h"

namespace {

QByteArray document(const QByteArray &name, int rows)
{
    QByteArray bytes = "<common><itemdef name='" + name + "'/>\r\n";
    for (int row = 0; row < rows; ++row)
        bytes += "<modifier value='Row " + QByteArray::number(row) + "' option=''/>\r\n";
    return bytes + "</common>\r\n";
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Another user may write it, as in a shared folder.
bool writeShared(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
        && file.setPermissions(QFileDevice::Permissions(0x6666));
}

} // namespace

class TestSaveKills : public QObject
{
    Q_OBJECT

private slots:
    void killedOrFailingPartWay_data()
    {
        QTest::addColumn<bool>("inPlace"); // saved by another user than the file's owner
        QTest::addColumn<QString>("fault"); // what strace does at which system call
        QTest::addColumn<int>("earlierRows");
        QTest::addColumn<int>("newRows");

        QTest::newRow("in place, killed at the truncate") << true << "ftruncate:signal=KILL:when=1" << 10000 << 10;
        QTest::newRow("in place, killed at the first write") << true << "pwrite64:signal=KILL:when=1" << 10 << 10000;
        QTest::newRow("in place, input/output error while writing") << true << "pwrite64:error=EIO:when=1" << 10000 << 10;
        QTest::newRow("new copy, killed at the first write") << false << "write:signal=KILL:when=1" << 10000 << 10;
        QTest::newRow("new copy, killed at the rename") << false << "rename:signal=KILL:when=1" << 10000 << 10;
    }

    void killedOrFailingPartWay()
    {
        QFETCH(bool, inPlace);
        QFETCH(QString, fault);
        QFETCH(int, earlierRows);
        QFETCH(int, newRows);
        const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
        if (strace.isEmpty())
            QSKIP("strace is not installed");
        if (inPlace && ::geteuid() != 0)
            QSKIP("the file of another user is made, and saved over as nobody, by an administrator only");

        // A folder everyone may write, as shared folders are, with the saver's program in it.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        const QString helper = dir.filePath(QStringLiteral("save-helper"));
        QVERIFY(QFile::copy(QStringLiteral(CANTRIX_SAVE_HELPER), helper));
        const QString target = dir.filePath(QStringLiteral("spell.xml"));
        const QString newFile = dir.filePath(QStringLiteral("new-contents"));
        const QByteArray earlier = document("Earlier", earlierRows);
        const QByteArray replacement = document("New", newRows);
        QVERIFY(writeShared(target, earlier));
        QVERIFY(writeShared(newFile, replacement));

        QStringList arguments = QStringLiteral("-f -qq -o /dev/null -e inject=%1").arg(fault).split(u' ');
        if (inPlace)
            arguments << QStringLiteral("setpriv --reuid=nobody --regid=nogroup --clear-groups").split(u' ');
        arguments << helper << target << newFile;
        QProcess save;
        save.start(strace, arguments);
        QVERIFY(save.waitForFinished(60000));
        const QString said = QString::fromLocal8Bit(save.readAllStandardError());
        const bool killed = fault.contains(QStringLiteral("KILL"));
        if (killed)
            QVERIFY2(save.exitStatus() == QProcess::CrashExit || save.exitCode() == 128 + 9, qPrintable(said));

        const QByteArray now = fileBytes(target);
        const QString backup = target + u'~';
        const bool whole = now == earlier || now == replacement;
        QVERIFY2(whole || fileBytes(backup) == earlier, qPrintable(QStringLiteral("%1 bytes at the name; %2")
                                                                       .arg(now.size()).arg(said)));
        if (!whole) {
            const std::optional<QString> refused = SpellCommands::checkDocument(target);
            QVERIFY(refused);
            QVERIFY2(refused->contains(backup), qPrintable(*refused));
        }
        if (!killed) {
            // The write failed, and the program lived to put the earlier contents back.
            QCOMPARE(save.exitCode(), 1);
            QCOMPARE(now, earlier);
            QVERIFY2(said.contains(QStringLiteral("put back")), qPrintable(said));
            QVERIFY(!QFileInfo::exists(backup));
        }
    }
};

QTEST_APPLESS_MAIN(TestSaveKills)
#include "tst_savekills.moc"
