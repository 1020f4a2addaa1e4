#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "author/authoroptionsform.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/testfiles.h"

namespace {

using TestFiles::fileBytes;
using TestFiles::writeBytes;

QStringList fields(const AuthorOptionsForm &form)
{
    return {form.txtName.text(), form.txtEmail.text(), form.txtURL.text()};
}

} // namespace

class TestAuthorOptionsForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPlatform m_platform;

    QString optionsPath() const { return m_dir->filePath(QStringLiteral("ctx.txt")); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_platform.warnings.clear();
        m_platform.setProgramDirectory(m_dir->path());
        m_platform.setUserConfigDirectory(m_dir->filePath(QStringLiteral("config")));
    }

    void loadFillsTheFields_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("three lines") << QByteArray("Ann\r\nann@example.org\r\nhttp://example.org\r\n")
                                     << QStringList{QStringLiteral("Ann"), QStringLiteral("ann@example.org"),
                                                    QStringLiteral("http://example.org")};
        QTest::newRow("one line: the others empty") << QByteArray("Ann\r\n")
                                                    << QStringList{QStringLiteral("Ann"), QString(), QString()};
        QTest::newRow("blanks kept") << QByteArray(" Ann \r\n mail\r\nurl \r\n")
                                     << QStringList{QStringLiteral(" Ann "), QStringLiteral(" mail"), QStringLiteral("url ")};
    }

    void loadFillsTheFields()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        QVERIFY(writeBytes(optionsPath(), file));
        AuthorOptionsForm form(m_platform);
        form.Form_Load();
        QCOMPARE(fields(form), shown);
    }

    void noFileOpensEmptyAndOkCreatesThreeEmptyLines()
    {
        AuthorOptionsForm form(m_platform);
        form.Form_Load();
        QCOMPARE(fields(form), QStringList({QString(), QString(), QString()}));
        QVERIFY(form.cmdOk_Click().stored);
        QCOMPARE(fileBytes(optionsPath()), QByteArray("\r\n\r\n\r\n"));
        QVERIFY(m_platform.warnings.isEmpty());
    }

    void okStoresAndUnloads()
    {
        AuthorOptionsForm form(m_platform);
        form.Form_Load();
        QSignalSpy unloads(&form, &AuthorOptionsForm::unloadRequested);
        form.txtName.setText(QStringLiteral(" José "));
        form.txtEmail.setText(QStringLiteral("jose@example.org"));
        form.txtURL.setText(QStringLiteral("http://example.org"));
        const AuthorOptionsForm::OkResult result = form.cmdOk_Click();
        QVERIFY(result.stored);
        QCOMPARE(unloads.count(), 1);
        QCOMPARE(fileBytes(optionsPath()), QByteArray(" Jos\xC3\xA9 \r\njose@example.org\r\nhttp://example.org\r\n"));
    }

    void cancelForgets()
    {
        QVERIFY(writeBytes(optionsPath(), "Ann\r\nmail\r\nurl\r\n"));
        {
            AuthorOptionsForm form(m_platform);
            form.Form_Load();
            QSignalSpy unloads(&form, &AuthorOptionsForm::unloadRequested);
            form.txtName.setText(QStringLiteral("Typed"));
            form.cmdCancel_Click();
            QCOMPARE(unloads.count(), 1);
        }
        QCOMPARE(fileBytes(optionsPath()), QByteArray("Ann\r\nmail\r\nurl\r\n"));
        AuthorOptionsForm reopened(m_platform);
        reopened.Form_Load();
        QCOMPARE(reopened.txtName.text(), QStringLiteral("Ann"));
    }

    void okThatCannotWriteKeepsTheDialogOpen()
    {
        QVERIFY(QDir().mkpath(optionsPath())); // a folder where the file belongs
        AuthorOptionsForm form(m_platform);
        form.Form_Load();
        QSignalSpy unloads(&form, &AuthorOptionsForm::unloadRequested);
        form.txtName.setText(QStringLiteral("Ann"));
        form.txtURL.setText(QStringLiteral("url"));

        const AuthorOptionsForm::OkResult result = form.cmdOk_Click();
        QVERIFY(!result.stored);
        QCOMPARE(unloads.count(), 0);
        QCOMPARE(fields(form), QStringList({QStringLiteral("Ann"), QString(), QStringLiteral("url")}));
        QCOMPARE(m_platform.warnings.size(), 1);
        QCOMPARE(m_platform.warnings.at(0).title, QStringLiteral("Options Not Saved"));
        QCOMPARE(m_platform.warnings.at(0).text, result.message);
        QVERIFY2(result.message.contains(QDir::toNativeSeparators(optionsPath())), qPrintable(result.message));
    }

    void unwritableProgramFolderUsesTheConfigurationFolder()
    {
        // The program folder is gone here, which no account can write into.
        m_platform.setProgramDirectory(m_dir->filePath(QStringLiteral("gone")));
        AuthorOptionsForm form(m_platform);
        form.Form_Load();
        form.txtName.setText(QStringLiteral("Ann"));
        QVERIFY(form.cmdOk_Click().stored);
        const QString stored = m_dir->filePath(QStringLiteral("config/ctx.txt"));
        QCOMPARE(form.filePath(), stored);
        QCOMPARE(fileBytes(stored), QByteArray("Ann\r\n\r\n\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestAuthorOptionsForm)
#include "tst_authoroptionsform.moc"
