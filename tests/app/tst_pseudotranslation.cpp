// No text escapes translation: under a translator that marks every text it is asked for
// (brackets, and a third longer, as a longer language would be), every window and menu shows
// marked texts only. Rows read from the rules data file and what the user typed are data.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "app/helpviewer.h"
#include "app/mainwindow.h"
#include "app/menucommands.h"
#include "session/spellsession.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"
#include "translations/programlanguage.h"
#include "windowmodel/cantrix.h"

using RulesFixture::withTokens;

namespace {

class MarkingTranslator final : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return u'[' + text + QString(text.size() / 3, u'~') + u']';
    }
};

// What is left of a text once every marked part (and any data shown inside one) is taken out.
QString unmarked(QString text)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression innermost(QStringLiteral("\\[[^\\[\\]]*\\]"));
    text.remove(tags);
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(innermost);
    }
    return text.contains(QRegularExpression(QStringLiteral("\\p{L}"))) ? text : QString();
}

// The controls that show rules data, spell data or what the user typed.
const QStringList dataControls{"NameText",     "ForceText",     "DrainText",    "DescriptionText",
                               "CategoryCombo", "TypeCombo",     "Modifier1List", "Modifier2List",
                               "Summary1List", "Summary2List",  "txtName",      "txtEmail",
                               "txtURL",       "txtHelp",       "lblDrainCode"};

} // namespace

class TestPseudoTranslation : public QObject
{
    Q_OBJECT

    QStringList m_escaped;

    void check(const QObject *where, const QString &what, const QString &text)
    {
        if (const QString left = unmarked(text); !left.isEmpty())
            m_escaped << QStringLiteral("%1 %2: \"%3\"").arg(where->objectName(), what, text);
    }

    void checkWidgets(QWidget *top)
    {
        check(top, QStringLiteral("title"), top->windowTitle());
        QList<QWidget *> widgets = top->findChildren<QWidget *>();
        widgets.append(top);
        for (QWidget *widget : std::as_const(widgets)) {
            if (!widget->isVisible() || dataControls.contains(widget->objectName()))
                continue;
            check(widget, QStringLiteral("tooltip"), widget->toolTip());
            check(widget, QStringLiteral("accessible name"), widget->accessibleName());
            check(widget, QStringLiteral("accessible description"), widget->accessibleDescription());
            // A caption cut to its box shows whole in its tooltip, checked above.
            if (auto *label = qobject_cast<QLabel *>(widget); label && label->toolTip().isEmpty())
                check(widget, QStringLiteral("text"), label->text());
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                check(widget, QStringLiteral("text"), button->text());
            else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->currentIndex() == 0)
                check(widget, QStringLiteral("text"), combo->currentText());
        }
    }

    void checkMenu(QMenu *menu)
    {
        check(menu, QStringLiteral("title"), menu->title());
        for (QAction *action : menu->actions()) {
            check(menu, QStringLiteral("entry"), action->text());
            if (action->menu())
                checkMenu(action->menu());
        }
    }

private slots:
    void everyVisibleTextIsTranslated()
    {
        QStandardPaths::setTestModeEnabled(true);
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);

        QTemporaryDir dir;
        RulesFixture::write(dir.path(), {withTokens("]Mana", ""), withTokens("#Alpha", "+1"), "Choice",
                                         withTokens(" First", "+1"), withTokens("Plain", "+1")});
        RecordingPlatform platform(dir.path(), dir.filePath(QStringLiteral("config")));
        QSettings settings;
        SpellSession session(platform, settings);
        MainWindow window(session);
        MenuCommands commands(window, session);
        session.window().Form_Load();
        window.show();
        // A modifier selected: the status bar previews it and the options list fills.
        auto *modifiers = window.findChild<QWidget *>(QStringLiteral("Modifier1List"));
        QTest::keyClick(modifiers, Qt::Key_Down);

        for (QAction *command : {window.mnuRulesProblems(), window.mnuDrainBreakdown(), window.mnuOptions(),
                                 window.mnuAbout()})
            command->trigger();
        HelpViewer help;
        help.show();
        for (QMenu *menu : window.menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
            checkMenu(menu);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible())
                checkWidgets(top);
        }
        for (const QString &status : std::as_const(platform.statusMessages))
            check(&window, QStringLiteral("status"), status);
        QVERIFY2(m_escaped.isEmpty(), qPrintable(m_escaped.join(u'\n')));
        QCoreApplication::removeTranslator(&marking);
    }

    // In German no two entries of a menu, nor two menus, share an access key.
    void germanAccessKeysAreUnique()
    {
        ProgramLanguage::install(*qApp, QLocale(QLocale::German));
        QTemporaryDir dir;
        RulesFixture::write(dir.path(), {withTokens("]Mana", ""), withTokens("#Alpha", "+1")});
        RecordingPlatform platform(dir.path(), dir.filePath(QStringLiteral("config")));
        QSettings settings;
        SpellSession session(platform, settings);
        MainWindow window(session);
        QList<QList<QAction *>> menus{window.menuBar()->actions()};
        for (QMenu *menu : window.menuBar()->findChildren<QMenu *>())
            menus.append(menu->actions());
        for (const QList<QAction *> &entries : std::as_const(menus)) {
            QStringList keys;
            for (QAction *entry : entries) {
                const QString key = QKeySequence::mnemonic(entry->text()).toString();
                QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(entry->text()));
                keys << key;
            }
        }
        qDeleteAll(qApp->findChildren<QTranslator *>());
    }
};

QTEST_MAIN(TestPseudoTranslation)
#include "tst_pseudotranslation.moc"
