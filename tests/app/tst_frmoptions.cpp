// The Options dialog as a user meets it: one dialog at a time, shown without blocking, typing
// reaching the fields, OK storing them in ctx.txt and Cancel forgetting them.
#include <QApplication>
#include <QComboBox>
#include <QSettings>
#include <QStandardPaths>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app/frmoptions.h"
#include "app/optionscommand.h"
#include "controls/arbutton/arbutton.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/testfiles.h"
#include "translations/programlanguage.h"

namespace {

using TestFiles::fileBytes;
using TestFiles::writeBytes;

QList<FrmOptions *> openDialogs()
{
    QList<FrmOptions *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<FrmOptions *>(widget); dialog && dialog->isVisible())
            dialogs.append(dialog);
    }
    return dialogs;
}

// Lets a dialog that closed itself finish closing and be deleted.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Types at the end of a field, as a user who clicked behind its text would.
void typeAtEnd(QLineEdit *edit, const QString &text)
{
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, text);
}

template <typename Widget>
Widget *child(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<Widget *>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

} // namespace

class TestFrmOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<OptionsCommand> m_command;

    QString optionsPath() const { return m_dir->filePath(QStringLiteral("ctx.txt")); }

    FrmOptions *open()
    {
        m_command->mnuOptions_Click();
        return m_command->dialog();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(writeBytes(optionsPath(), "Ann\r\nann@example.org\r\nhttp://example.org\r\n"));
        m_platform = std::make_unique<RecordingPlatform>(m_dir->path(), m_dir->filePath(QStringLiteral("config")));
        m_settings = std::make_unique<QSettings>(m_dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        m_command = std::make_unique<OptionsCommand>(*m_platform, *m_settings);
    }

    void cleanup()
    {
        m_command.reset();
        settle();
        QVERIFY(openDialogs().isEmpty());
    }

    void showsTheStoredValuesUnderTheirLabels()
    {
        FrmOptions *dialog = open();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Options"));
        const QStringList fields{QStringLiteral("txtName"), QStringLiteral("txtEmail"), QStringLiteral("txtURL")};
        const QStringList captions{QStringLiteral("Author's name"), QStringLiteral("E-mail"), QStringLiteral("Home page")};
        const QStringList values{QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("http://example.org")};
        for (int i = 0; i < fields.size(); ++i) {
            auto *edit = child<QLineEdit>(dialog, qPrintable(fields.at(i)));
            QCOMPARE(edit->text(), values.at(i));
            const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
            const auto label = std::find_if(labels.begin(), labels.end(), [edit](QLabel *l) { return l->buddy() == edit; });
            QVERIFY(label != labels.end());
            QCOMPARE((*label)->text(), captions.at(i));
        }
        QCOMPARE(child<ARButton>(dialog, "cmdOk")->caption(), QStringLiteral("OK"));
        QCOMPARE(child<ARButton>(dialog, "cmdCancel")->caption(), QStringLiteral("Cancel"));
    }

    void modelessAndSingle()
    {
        FrmOptions *dialog = open();
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        typeAtEnd(child<QLineEdit>(dialog, "txtName"), QStringLiteral(" B."));
        QCOMPARE(dialog->model().txtName.text(), QStringLiteral("Ann B."));
        // A second Options brings the same dialog forward, with what was typed.
        QCOMPARE(open(), dialog);
        QCOMPARE(openDialogs().size(), 1);
        QCOMPARE(child<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("Ann B."));
    }

    void cancelForgets_data()
    {
        QTest::addColumn<int>("key"); // 0 for a click on Cancel
        QTest::newRow("Cancel clicked") << 0;
        QTest::newRow("Enter on Cancel") << int(Qt::Key_Return);
    }

    void cancelForgets()
    {
        QFETCH(int, key);
        FrmOptions *dialog = open();
        typeAtEnd(child<QLineEdit>(dialog, "txtEmail"), QStringLiteral(".uk"));
        auto *cancel = child<ARButton>(dialog, "cmdCancel");
        if (key != 0)
            QTest::keyClick(cancel, Qt::Key(key));
        else
            QTest::mouseClick(cancel, Qt::LeftButton);
        settle();
        QVERIFY(!m_command->dialog());
        QCOMPARE(fileBytes(optionsPath()), QByteArray("Ann\r\nann@example.org\r\nhttp://example.org\r\n"));
        QCOMPARE(child<QLineEdit>(open(), "txtEmail")->text(), QStringLiteral("ann@example.org"));
    }

    void okStores_data()
    {
        QTest::addColumn<int>("key"); // 0 for a click on OK
        QTest::newRow("OK clicked") << 0;
        QTest::newRow("Enter in a field") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter in a field") << int(Qt::Key_Enter);
    }

    void okStores()
    {
        QFETCH(int, key);
        FrmOptions *dialog = open();
        auto *url = child<QLineEdit>(dialog, "txtURL");
        QTest::keyClick(url, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(url, QStringLiteral("https://example.org/~ann "));
        if (key == 0)
            QTest::mouseClick(child<ARButton>(dialog, "cmdOk"), Qt::LeftButton);
        else
            QTest::keyClick(url, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        settle();
        QVERIFY(!m_command->dialog());
        QCOMPARE(fileBytes(optionsPath()), QByteArray("Ann\r\nann@example.org\r\nhttps://example.org/~ann \r\n"));
        QVERIFY(m_platform->warnings.isEmpty());
    }

    void okKeepsTheLanguage()
    {
        auto *language = child<QComboBox>(open(), "cboLanguage");
        QCOMPARE(language->currentText(), QStringLiteral("As the desktop"));
        language->setCurrentIndex(language->findText(QStringLiteral("Deutsch")));
        QTest::mouseClick(child<ARButton>(m_command->dialog(), "cmdOk"), Qt::LeftButton);
        settle();
        QCOMPARE(ProgramLanguage::chosen(*m_settings), QStringLiteral("de"));
        QCOMPARE(child<QComboBox>(open(), "cboLanguage")->currentText(), QStringLiteral("Deutsch"));
    }

    void okThatCannotWriteKeepsTheDialogOpen()
    {
        FrmOptions *dialog = open();
        QVERIFY(QFile::remove(optionsPath()));
        QVERIFY(QDir().mkpath(optionsPath())); // a folder where the file belongs
        typeAtEnd(child<QLineEdit>(dialog, "txtName"), QStringLiteral("!"));
        QTest::mouseClick(child<ARButton>(dialog, "cmdOk"), Qt::LeftButton);
        settle();
        QCOMPARE(m_command->dialog(), dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(child<QLineEdit>(dialog, "txtName")->text(), QStringLiteral("Ann!"));
        QCOMPARE(m_platform->warnings.size(), 1);
        QVERIFY(m_platform->warnings.at(0).text.contains(QDir::toNativeSeparators(optionsPath())));
    }

    void closingTheWindowIsCancel()
    {
        FrmOptions *dialog = open();
        typeAtEnd(child<QLineEdit>(dialog, "txtName"), QStringLiteral("x"));
        dialog->close();
        settle();
        QVERIFY(!m_command->dialog());
        QCOMPARE(child<QLineEdit>(open(), "txtName")->text(), QStringLiteral("Ann"));
    }
};

QTEST_MAIN(TestFrmOptions)
#include "tst_frmoptions.moc"
