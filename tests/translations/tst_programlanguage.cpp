// The language the program speaks: its German translation and Qt's own for German, nothing for
// English or a language it was not translated into, and the choice kept in the settings.
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

#include "translations/programlanguage.h"

class TestProgramLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator *>()); }

    void installsTheTranslationForTheLocale_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("qtCancel");
        QTest::newRow("German") << "de" << "de" << "&Datei" << "Abbrechen";
        QTest::newRow("English") << "en" << "en" << "&File" << "Cancel";
        QTest::newRow("not translated: English, Qt too") << "fr" << "en" << "&File" << "Cancel";
    }

    void installsTheTranslationForTheLocale()
    {
        QFETCH(QString, choice);
        QFETCH(QString, spoken);
        QFETCH(QString, fileMenu);
        QFETCH(QString, qtCancel);
        QCOMPARE(ProgramLanguage::install(*qApp, ProgramLanguage::localeFor(choice)), spoken);
        QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), fileMenu);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
    }

    void theChoiceIsKept()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings settings;
        ProgramLanguage::choose(settings, QStringLiteral("de"));
        QCOMPARE(ProgramLanguage::chosen(settings), QStringLiteral("de"));
        // Anything else the settings might hold follows the desktop.
        settings.setValue(QStringLiteral("language"), QStringLiteral("xx"));
        QCOMPARE(ProgramLanguage::chosen(settings), QString());
        QCOMPARE(ProgramLanguage::localeFor(QString()), QLocale::system());
    }
};

QTEST_GUILESS_MAIN(TestProgramLanguage)
#include "tst_programlanguage.moc"
