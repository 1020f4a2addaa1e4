#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "author/authoroptionsfile.h"
#include "tests/support/ordinaryuser.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/testfiles.h"

using TestFiles::fileBytes;
using TestFiles::writeBytes;

class TestAuthorOptionsFile : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("url");

        QTest::newRow("CR LF") << QByteArray("Ann\r\nann@example.org\r\nhttp://example.org\r\n")
                               << QStringLiteral("Ann") << QStringLiteral("ann@example.org") << QStringLiteral("http://example.org");
        QTest::newRow("LF") << QByteArray("Ann\nmail\nurl\n") << QStringLiteral("Ann") << QStringLiteral("mail") << QStringLiteral("url");
        QTest::newRow("lone CR") << QByteArray("Ann\rmail\rurl\r") << QStringLiteral("Ann") << QStringLiteral("mail") << QStringLiteral("url");
        QTest::newRow("mixed, last without line end") << QByteArray("Ann\rmail\r\nurl")
                                                      << QStringLiteral("Ann") << QStringLiteral("mail") << QStringLiteral("url");
        QTest::newRow("CR CR LF is an empty line between")
            << QByteArray("Ann\r\r\nurl\r\n") << QStringLiteral("Ann") << QString() << QStringLiteral("url");
        QTest::newRow("one line: the others empty") << QByteArray("Ann\r\n") << QStringLiteral("Ann") << QString() << QString();
        QTest::newRow("two lines") << QByteArray("Ann\r\nmail\r\n") << QStringLiteral("Ann") << QStringLiteral("mail") << QString();
        QTest::newRow("empty file") << QByteArray() << QString() << QString() << QString();
        QTest::newRow("empty lines kept in place") << QByteArray("\r\n\r\nurl\r\n") << QString() << QString() << QStringLiteral("url");
        QTest::newRow("nothing trimmed") << QByteArray("  Ann  \r\n\tmail\r\n url \r\n")
                                         << QStringLiteral("  Ann  ") << QStringLiteral("\tmail") << QStringLiteral(" url ");
        QTest::newRow("a fourth line is not read") << QByteArray("a\r\nb\r\nc\r\nd\r\n")
                                                   << QStringLiteral("a") << QStringLiteral("b") << QStringLiteral("c");
        QTest::newRow("UTF-8") << QByteArray("Jos\xC3\xA9\r\n\r\n\r\n") << QStringLiteral("José") << QString() << QString();
        QTest::newRow("Windows-1252") << QByteArray("Jos\xE9 M\xFCller \x80\r\n\r\n\r\n")
                                      << QStringLiteral("José Müller €") << QString() << QString();
        QTest::newRow("UTF-16 with a byte-order mark")
            << QByteArray("\xFF\xFEJ\0o\0s\0\xE9\0\r\0\n\0m\0\r\0\n\0u\0", 22)
            << QStringLiteral("José") << QStringLiteral("m") << QStringLiteral("u");
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, url);
        QCOMPARE(AuthorOptionsFile::decode(bytes), (AuthorProfile{name, email, url}));
    }

    void encode_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("three lines, CR LF each") << QStringLiteral("Ann") << QByteArray("Ann\r\nmail\r\nurl\r\n");
        QTest::newRow("UTF-8") << QStringLiteral("José") << QByteArray("Jos\xC3\xA9\r\nmail\r\nurl\r\n");
        QTest::newRow("blanks kept") << QStringLiteral(" Ann ") << QByteArray(" Ann \r\nmail\r\nurl\r\n");
        QTest::newRow("a name beginning with a byte-order mark keeps it")
            << QStringLiteral("\uFEFFAnn") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF""Ann\r\nmail\r\nurl\r\n");
        QTest::newRow("a line break cannot split a value")
            << QStringLiteral("A\r\nnn") << QByteArray("A  nn\r\nmail\r\nurl\r\n");
    }

    void encode()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QCOMPARE(AuthorOptionsFile::encode({name, QStringLiteral("mail"), QStringLiteral("url")}), bytes);
        QCOMPARE(AuthorOptionsFile::decode(bytes).name, name.replace(u'\r', u' ').replace(u'\n', u' '));
    }

    void emptyProfileIsThreeEmptyLines()
    {
        QCOMPARE(AuthorOptionsFile::encode({}), QByteArray("\r\n\r\n\r\n"));
    }

    void readsNothingFromWhatIsNoFile()
    {
        QTemporaryDir dir;
        QCOMPARE(AuthorOptionsFile::read(dir.filePath(QStringLiteral("ctx.txt"))), AuthorProfile{});
        QCOMPARE(AuthorOptionsFile::read(dir.path()), AuthorProfile{});
    }

    void writtenValuesReadBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ctx.txt"));
        const AuthorProfile profile{QStringLiteral(" José "), QString(), QStringLiteral("http://example.org/~j")};
        QCOMPARE(AuthorOptionsFile::write(path, profile), std::nullopt);
        QCOMPARE(AuthorOptionsFile::read(path), profile);
    }

    void writeCreatesTheConfigurationFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("config/cantrix/ctx.txt"));
        QCOMPARE(AuthorOptionsFile::write(path, {QStringLiteral("Ann"), {}, {}}), std::nullopt);
        QCOMPARE(fileBytes(path), QByteArray("Ann\r\n\r\n\r\n"));
    }

    void failedWriteKeepsTheEarlierFile()
    {
        QTemporaryDir dir;
        // A folder where the file should be: nothing can replace it.
        const QString path = dir.filePath(QStringLiteral("ctx.txt"));
        QVERIFY(QDir().mkpath(path));
        QVERIFY(writeBytes(QDir(path).filePath(QStringLiteral("keep")), "kept"));
        const std::optional<QString> failure = AuthorOptionsFile::write(path, {QStringLiteral("Ann"), {}, {}});
        QVERIFY(failure.has_value());
        QVERIFY(!failure->isEmpty());
        QCOMPARE(fileBytes(QDir(path).filePath(QStringLiteral("keep"))), QByteArray("kept"));
    }

    void failedWriteInReadOnlyFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ctx.txt"));
        QVERIFY(writeBytes(path, "Old\r\n\r\n\r\n"));
        QVERIFY(OrdinaryUser::take(dir.path()));
        QFile folder(dir.path());
        const QFileDevice::Permissions permissions = folder.permissions();
        folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const std::optional<QString> failure =
            OrdinaryUser::run([&] { return AuthorOptionsFile::write(path, {QStringLiteral("New"), {}, {}}); });
        folder.setPermissions(permissions);
        QVERIFY(failure.has_value());
        QCOMPARE(fileBytes(path), QByteArray("Old\r\n\r\n\r\n"));
    }

    void locationIsTheProgramFolderWhenWritable()
    {
        QTemporaryDir dir;
        RecordingPlatform platform;
        platform.setProgramDirectory(dir.path());
        platform.setUserConfigDirectory(dir.filePath(QStringLiteral("config")));
        QCOMPARE(AuthorOptionsFile::location(platform), dir.filePath(QStringLiteral("ctx.txt")));
    }

    void locationFallsBackToTheConfigurationFolder()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("config"));
        // A program folder that cannot take a file: gone, or read-only.
        QCOMPARE(AuthorOptionsFile::location(dir.filePath(QStringLiteral("gone")), config),
                 QDir(config).filePath(QStringLiteral("ctx.txt")));

        const QString program = dir.filePath(QStringLiteral("program"));
        QVERIFY(QDir().mkpath(program));
        QVERIFY(OrdinaryUser::take(dir.path()));
        QFile folder(program);
        folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString located = OrdinaryUser::run([&] { return AuthorOptionsFile::location(program, config); });
        folder.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(located, QDir(config).filePath(QStringLiteral("ctx.txt")));
    }
};

QTEST_APPLESS_MAIN(TestAuthorOptionsFile)
#include "tst_authoroptionsfile.moc"
