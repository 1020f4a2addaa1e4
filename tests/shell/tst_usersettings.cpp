// The user's settings file is read only when it is a regular file, and never written over
// when it is not.
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "shell/usersettings.h"
#include "tests/support/testfiles.h"

class TestUserSettings : public QObject
{
    Q_OBJECT

private slots:
    void onlyARegularSettingsFileIsUsed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("problem");
        QTest::newRow("a regular file") << QStringLiteral("file") << QString();
        QTest::newRow("none yet") << QStringLiteral("none") << QString();
        QTest::newRow("a pipe") << QStringLiteral("pipe") << QStringLiteral("not a regular file");
        QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("a folder");
        QTest::newRow("a device") << QStringLiteral("device") << QStringLiteral("not a regular file");
    }

    void onlyARegularSettingsFileIsUsed()
    {
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        QString path = QDir(dir.path()).filePath(QStringLiteral("Cantrix3.conf"));
        if (kind == u"file")
            QVERIFY(TestFiles::writeBytes(path, "[General]\nKept=yes\n"));
        else if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Cantrix3.conf")));
        else if (kind == u"device")
            path = QStringLiteral("/dev/null");
#ifdef Q_OS_UNIX
        else if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        {
            QObject owner;
            const UserSettings::Opened opened = UserSettings::open(path, &owner);
            QVERIFY(opened.settings);
            QVERIFY2(problem.isEmpty() ? opened.problem.isEmpty() : opened.problem.contains(problem),
                     qPrintable(opened.problem));
            QCOMPARE(UserSettings::notice(opened).isEmpty(), problem.isEmpty());
            QCOMPARE(opened.settings->value(QStringLiteral("Kept")).toString(),
                     kind == u"file" ? QStringLiteral("yes") : QString());
            opened.settings->setValue(QStringLiteral("Written"), 1);
            opened.settings->sync();
        }
        // What is not a regular file is left as it was.
        const QFileInfo after(path);
        QCOMPARE(after.isFile(), kind == u"file" || kind == u"none");
        QCOMPARE(after.isFile() && TestFiles::fileBytes(path).contains("Written"), problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUserSettings)
#include "tst_usersettings.moc"
