// The main window as a user meets it: clicks, keys and typing on the real widgets reach the
// window model, the widgets show what the model holds afterwards, and changes the model makes
// by itself never come back to it as if the user had made them.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QMap>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QAccessible>
#include <QTest>
#include <QTableView>
#include <QWheelEvent>
#include <QTreeWidget>
#include <QUrl>

#include "app/listcontrolmodel.h"
#include "app/mainwindow.h"
#include "tests/app/programfixture.h"
#include "app/spellbookwindow.h"
#include "documents/spellcommands.h"
#include "controls/arbutton/arbutton.h"
#include "windowmodel/cantrix.h"
#include "tests/support/rulesfixture.h"
#include "tests/support/testfiles.h"

using RulesFixture::withTokens;

namespace {

QStringList testRules()
{
    return {
        "! rules for the window tests",
        withTokens("]Mana", ""),
        withTokens("]Physical", "+1DRT"),
        withTokens("#Alpha", "+1"),
        withTokens("Plain", "+1"),
        "Choice",
        withTokens(" First", "+1"),
        withTokens(" Second", "+2 -1DRT"),
        withTokens("Other", "-1DRT"),
        withTokens("#Beta", "+2 +1DRT"),
        withTokens("Beta only", "+1"),
        withTokens("Beta too", "+1"),
    };
}

QString rowText(const QListView *list, int row)
{
    return list->model()->index(row, 0).data().toString();
}

QStringList widgetRows(const QListView *list)
{
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i)
        rows.append(rowText(list, i));
    return rows;
}

QStringList widgetRows(const QComboBox *combo)
{
    QStringList rows;
    for (int i = 0; i < combo->count(); ++i)
        rows.append(combo->itemText(i));
    return rows;
}

QLabel *buddyOf(QWidget *field)
{
    const QList<QLabel *> labels = field->window()->findChildren<QLabel *>();
    const auto found = std::find_if(labels.begin(), labels.end(), [field](QLabel *l) { return l->buddy() == field; });
    return found == labels.end() ? nullptr : *found;
}

// The program directory, the model and its window, loaded and on screen.
struct Fixture : ProgramFixture
{
    explicit Fixture(const QStringList &rules = testRules(), bool load = true) : ProgramFixture(rules, load) {}

    template <typename Widget>
    Widget *widget(const char *name)
    {
        auto *found = window.findChild<Widget *>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }

    void clickRow(QListView *list, int row, bool twice = false)
    {
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // A user's double-click: press and release, then the double-click and its release.
    void doubleClickRow(QListView *list, int row)
    {
        clickRow(list, row);
        clickRow(list, row, true);
    }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The recent spells go to a settings file of the tests' own.
        QStandardPaths::setTestModeEnabled(true);
    }

    void showsTheModelAfterLoading()
    {
        Fixture f;
        QCOMPARE(widgetRows(f.widget<QComboBox>("CategoryCombo")), QStringList({"Alpha", "Beta"}));
        QCOMPARE(f.widget<QComboBox>("CategoryCombo")->currentIndex(), 0);
        QCOMPARE(f.widget<QComboBox>("TypeCombo")->currentText(), QStringLiteral("Mana"));
        QCOMPARE(widgetRows(f.widget<QListView>("Modifier1List")), QStringList({"Plain", "Choice", "Other"}));
        QCOMPARE(widgetRows(f.widget<QListView>("Summary1List")),
                 QStringList({"Alpha Spell", "Mana Spell", "Choose Force"}));
        QCOMPARE(f.widget<QLineEdit>("ForceText")->text(), QStringLiteral("1"));
        QCOMPARE(f.widget<QLineEdit>("DrainText")->text(), QStringLiteral("[(1/2) ] L"));
        QVERIFY(f.widget<QLineEdit>("DrainText")->isReadOnly());
        QVERIFY(f.widget<QLineEdit>("DrainText")->font().bold());
        // Twin lists and Text2 have no widget.
        QVERIFY(!f.window.findChild<QWidget *>(QStringLiteral("Summary1List1")));
        QVERIFY(!f.window.findChild<QWidget *>(QStringLiteral("Text2")));
    }

    void clickOnACategoryRowReachesTheModel()
    {
        Fixture f;
        auto *combo = f.widget<QComboBox>("CategoryCombo");
        QSignalSpy categoryClicks(&f.cantrix.CategoryCombo, &ListControl::clicked);

        combo->showPopup();
        QAbstractItemView *popup = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(popup->window()));
        const QPoint betaRow = popup->visualRect(popup->model()->index(1, 0)).center();
        QTest::mouseMove(popup->viewport(), betaRow);
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, betaRow);

        QCOMPARE(categoryClicks.count(), 1);
        QCOMPARE(f.cantrix.CategoryCombo.selectedIndex(), 1);
        QCOMPARE(combo->currentText(), QStringLiteral("Beta"));
        QCOMPARE(widgetRows(f.widget<QListView>("Summary1List")),
                 QStringList({"Beta Spell", "Mana Spell", "Choose Force"}));
        QCOMPARE(widgetRows(f.widget<QListView>("Modifier1List")), QStringList({"Beta only", "Beta too"}));
        QCOMPARE(f.widget<QLineEdit>("DrainText")->text(), QStringLiteral("[(1/2) +1] M"));
    }

    void arrowKeyOnATypeComboChoosesTheNextType()
    {
        Fixture f;
        auto *combo = f.widget<QComboBox>("TypeCombo");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(f.cantrix.TypeCombo.selectedIndex(), 1);
        QCOMPARE(rowText(f.widget<QListView>("Summary1List"), 1), QStringLiteral("Physical Spell"));
        QCOMPARE(f.widget<QLineEdit>("DrainText")->text(), QStringLiteral("[(1/2) +1] L"));
    }

    void modifierClicksAndDoubleClicksComposeTheSummary()
    {
        Fixture f;
        auto *modifiers = f.widget<QListView>("Modifier1List");
        auto *options = f.widget<QListView>("Modifier2List");
        auto *summary = f.widget<QListView>("Summary2List");

        f.clickRow(modifiers, 1);
        QCOMPARE(f.cantrix.Modifier1List.selectedIndex(), 1);
        QCOMPARE(widgetRows(options), QStringList({"First", "Second"}));

        f.clickRow(options, 1);
        QCOMPARE(f.cantrix.Modifier2List.selectedIndex(), 1);
        QCOMPARE(summary->model()->rowCount(), 0); // a click on an option only selects it

        f.doubleClickRow(options, 1);
        QCOMPARE(widgetRows(summary), QStringList({"Choice: Second"}));

        f.doubleClickRow(modifiers, 0);
        QCOMPARE(widgetRows(summary), QStringList({"Choice: Second", "Plain"}));
        QCOMPARE(f.cantrix.Modifier1List.selectedIndex(), 0);
        QCOMPARE(widgetRows(options), QStringList()); // "Plain" has no options
        QCOMPARE(f.widget<QLineEdit>("DrainText")->text(), QStringLiteral("[(1/2) -1] D"));
    }

    // A screen reader names each field by the caption beside it (the program's AT-SPI test
    // hears the drain code's changes).
    void fieldsAreNamedByTheirCaptions()
    {
        Fixture f;
        for (const char *name : {"NameText", "ForceText", "CategoryCombo", "TypeCombo", "DrainText", "Modifier1List",
                                 "DescriptionText"})
            QVERIFY2(buddyOf(f.widget<QWidget>(name)), name);
        QCOMPARE(f.widget<QWidget>("Modifier1List")->accessibleName(), QStringLiteral("Modifiers"));
        QCOMPARE(f.widget<QWidget>("Summary2List")->accessibleName(), QStringLiteral("Spell summary: modifiers"));
    }

    void keyboardSelectsAndActsLikeTheMouse_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void keyboardSelectsAndActsLikeTheMouse()
    {
        QFETCH(int, key);
        Fixture f;
        auto *modifiers = f.widget<QListView>("Modifier1List");
        auto *options = f.widget<QListView>("Modifier2List");
        modifiers->setFocus();
        f.clickRow(modifiers, 0);
        QTest::keyClick(modifiers, Qt::Key_Down);
        QCOMPARE(f.cantrix.Modifier1List.selectedIndex(), 1);
        QCOMPARE(widgetRows(options), QStringList({"First", "Second"}));

        options->setFocus();
        // A list given the focus makes its first row current, unselected; Down selects that row.
        options->selectionModel()->setCurrentIndex(options->model()->index(0, 0), QItemSelectionModel::NoUpdate);
        QTest::keyClick(options, Qt::Key_Down);
        QCOMPARE(f.cantrix.Modifier2List.selectedIndex(), 0);
        QTest::keyClick(options, Qt::Key_Down);
        QCOMPARE(f.cantrix.Modifier2List.selectedIndex(), 1);
        QTest::keyClick(options, Qt::Key(key));
        QCOMPARE(f.cantrix.Summary2List.rows(), QStringList({"Choice: Second"}));

        modifiers->setFocus();
        QTest::keyClick(modifiers, Qt::Key_Down);
        QTest::keyClick(modifiers, Qt::Key(key));
        QCOMPARE(f.cantrix.Summary2List.rows(), QStringList({"Choice: Second", "Other"}));
    }

    void removeCommandRemovesTheSelectedSummaryRow_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Remove button") << false;
        QTest::newRow("Delete key") << true;
    }

    void removeCommandRemovesTheSelectedSummaryRow()
    {
        QFETCH(bool, byKey);
        Fixture f;
        auto *summary = f.widget<QListView>("Summary2List");
        f.doubleClickRow(f.widget<QListView>("Modifier1List"), 0);
        f.doubleClickRow(f.widget<QListView>("Modifier1List"), 2);
        QCOMPARE(widgetRows(summary), QStringList({"Plain", "Other"}));

        f.clickRow(summary, 0);
        QCOMPARE(f.cantrix.Summary2List.selectedIndex(), 0);
        if (byKey) {
            QVERIFY(QTest::qWaitForWindowActive(&f.window));
            summary->setFocus();
            QTest::keyClick(summary, Qt::Key_Delete);
        } else {
            QTest::mouseClick(f.widget<ARButton>("RemoveCommand"), Qt::LeftButton);
        }
        QCOMPARE(widgetRows(summary), QStringList({"Other"}));
        QCOMPARE(f.cantrix.Summary2List1.rows(), QStringList({"-1DRT"}));
        // The removed row was selected: the view shows no selection, as the model has none.
        QCOMPARE(f.cantrix.Summary2List.selectedIndex(), -1);
        QVERIFY(!summary->selectionModel()->hasSelection());
    }

    void typingReachesTheModelAndTheCursorStays()
    {
        Fixture f;
        auto *force = f.widget<QLineEdit>("ForceText");
        force->selectAll();
        QTest::keyClicks(force, "12");
        QCOMPARE(f.cantrix.ForceText.text(), QStringLiteral("12"));
        QCOMPARE(rowText(f.widget<QListView>("Summary1List"), 2), QStringLiteral("Force 12"));
        QCOMPARE(f.widget<QLineEdit>("DrainText")->text(), QStringLiteral("[(12/2) ] L"));

        auto *name = f.widget<QLineEdit>("NameText");
        QTest::keyClicks(name, "Spak");
        name->setCursorPosition(3);
        QTest::keyClick(name, Qt::Key_R);
        QCOMPARE(f.cantrix.NameText.text(), QStringLiteral("Spark"));
        QCOMPARE(name->cursorPosition(), 4);
        // A screen reader or dictation replaces the text through the accessibility interface.
        QAccessible::queryAccessibleInterface(name)->editableTextInterface()->replaceText(0, 5, "Fireball");
        QCOMPARE(f.cantrix.NameText.text(), QStringLiteral("Fireball"));

        auto *description = f.widget<QPlainTextEdit>("DescriptionText");
        QTest::keyClicks(description, "Hot");
        QTest::keyClick(description, Qt::Key_Return);
        QTest::keyClicks(description, "and bright");
        QCOMPARE(f.cantrix.DescriptionText.text(), QStringLiteral("Hot\nand bright"));
        QCOMPARE(description->textCursor().position(), 14);
    }

    void modelTextChangesAreShownNotEchoed()
    {
        Fixture f;
        QSignalSpy nameChanges(&f.cantrix.NameText, &TextControl::changed);
        QSignalSpy descriptionChanges(&f.cantrix.DescriptionText, &TextControl::changed);
        f.cantrix.NameText.setText(QStringLiteral("Frost"));
        f.cantrix.DescriptionText.setText(QStringLiteral("Cold"));
        QCOMPARE(f.widget<QLineEdit>("NameText")->text(), QStringLiteral("Frost"));
        QCOMPARE(f.widget<QPlainTextEdit>("DescriptionText")->toPlainText(), QStringLiteral("Cold"));
        QCOMPARE(nameChanges.count(), 1);
        QCOMPARE(descriptionChanges.count(), 1);
    }

    void startUpSelectionsComeFromTheModelAlone()
    {
        // A combo selects its first row by itself as soon as it gets one. Echoed back, that
        // would run the category handler while the types are still being read.
        Fixture f(testRules(), false);
        int typesWhenCategoryClicked = -1;
        connect(&f.cantrix.CategoryCombo, &ListControl::clicked, this,
                [&] { typesWhenCategoryClicked = f.cantrix.TypeCombo.count(); });
        QSignalSpy categoryClicks(&f.cantrix.CategoryCombo, &ListControl::clicked);
        QSignalSpy typeClicks(&f.cantrix.TypeCombo, &ListControl::clicked);

        f.cantrix.Form_Load();

        QCOMPARE(categoryClicks.count(), 1);
        QCOMPARE(typeClicks.count(), 1);
        QCOMPARE(typesWhenCategoryClicked, 2);
    }

    void listsWithoutSelectionShowNone()
    {
        Fixture f(testRules(), false);
        auto *combo = f.widget<QComboBox>("CategoryCombo");
        QSignalSpy clicks(&f.cantrix.CategoryCombo, &ListControl::clicked);
        f.cantrix.CategoryCombo.append(QStringLiteral("Alpha"));
        f.cantrix.CategoryCombo.append(QStringLiteral("Beta"));
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(f.cantrix.CategoryCombo.selectedIndex(), -1);
        QCOMPARE(clicks.count(), 0);

        // The model drops the selected row; the widget would pick a neighbour by itself.
        auto *summary = f.widget<QListView>("Summary2List");
        for (const char *row : {"a", "b", "c"})
            f.cantrix.Summary2List.append(QLatin1String(row));
        f.cantrix.Summary2List.setSelectedIndex(1);
        QCOMPARE(summary->currentIndex().row(), 1);
        f.cantrix.Summary2List.remove(1);
        QCOMPARE(f.cantrix.Summary2List.selectedIndex(), -1);
        QVERIFY(!summary->selectionModel()->hasSelection());
        QCOMPARE(widgetRows(summary), QStringList({"a", "c"}));
    }

    void widgetsFollowEveryKindOfRowChange()
    {
        Fixture f(testRules(), false);
        auto *summary = f.widget<QListView>("Summary2List");
        auto *combo = f.widget<QComboBox>("TypeCombo");
        for (ListControl *list : {&f.cantrix.Summary2List, &f.cantrix.TypeCombo}) {
            list->append(QStringLiteral("b"));
            list->insert(0, QStringLiteral("a"));
            list->append(QStringLiteral("d"));
            list->insert(2, QStringLiteral("c"));
            list->setSelectedIndex(2);
            list->remove(1);
            list->insert(1, QStringLiteral("b2"));
            list->remove(0);
        }
        const QStringList expected{"b2", "c", "d"};
        QCOMPARE(widgetRows(summary), expected);
        QCOMPARE(widgetRows(combo), expected);
        // The selected row "c" moved with every change before it.
        QCOMPARE(summary->currentIndex().row(), 1);
        QCOMPARE(combo->currentIndex(), 1);

        f.cantrix.Summary2List.clear();
        f.cantrix.TypeCombo.clear();
        QCOMPARE(summary->model()->rowCount(), 0);
        QCOMPARE(combo->count(), 0);
        f.cantrix.TypeCombo.append(QStringLiteral("again"));
        QCOMPARE(widgetRows(combo), QStringList{"again"});
        QCOMPARE(combo->currentIndex(), -1);
    }

    void changesHeldBackAreShownOnceTheHoldEnds()
    {
        Fixture f(testRules(), false);
        auto *summary = f.widget<QListView>("Summary2List");
        {
            const ScreenUpdates::Hold hold(f.cantrix.screenUpdates);
            for (int i = 0; i < ListControlModel::measuredRows; ++i)
                f.cantrix.Summary2List.append(QString::number(i));
            f.cantrix.Summary2List.setSelectedIndex(3);
            f.cantrix.NameText.setText(QStringLiteral("Held"));
            QCOMPARE(summary->model()->rowCount(), 0);
        }
        QCOMPARE(summary->model()->rowCount(), ListControlModel::measuredRows);
        QCOMPARE(rowText(summary, ListControlModel::measuredRows - 1), QString::number(ListControlModel::measuredRows - 1));
        QCOMPARE(summary->currentIndex().row(), 3);
        // So many rows are not measured one by one.
        QVERIFY(summary->uniformItemSizes());
        QCOMPARE(f.widget<QLineEdit>("NameText")->text(), QStringLiteral("Held"));
    }

    void newResetsTheWindow()
    {
        Fixture f;
        f.doubleClickRow(f.widget<QListView>("Modifier1List"), 0);
        QTest::keyClicks(f.widget<QLineEdit>("NameText"), "Spark");
        f.window.mnuNew()->trigger();
        QCOMPARE(f.widget<QLineEdit>("NameText")->text(), QString());
        QCOMPARE(f.widget<QListView>("Summary2List")->model()->rowCount(), 0);
        QCOMPARE(f.widget<QComboBox>("CategoryCombo")->currentText(), QStringLiteral("Alpha"));
        QCOMPARE(f.widget<QLineEdit>("DrainText")->text(), QStringLiteral("[(1/2) ] L"));
    }

    void menusHaveTheirCaptionsAndTheDesktopsKeys()
    {
        Fixture f;
        const QList<QAction *> menus = f.window.menuBar()->actions();
        // The desktop's own keys, where it has them: Ctrl+Q to quit is a Linux desktop's, not Windows'.
        const QMap<QString, QKeySequence::StandardKey> standard = {
            {"mnuNew", QKeySequence::New},     {"mnuOpen", QKeySequence::Open},
            {"mnuSave", QKeySequence::Save},   {"mnuPrint", QKeySequence::Print},
            {"mnuExit", QKeySequence::Quit},   {"mnuHelpIndex", QKeySequence::HelpContents},
            {"mnuUndo", QKeySequence::Undo},   {"mnuRedo", QKeySequence::Redo}};
        QStringList captions;
        for (QAction *menuAction : menus) {
            captions.append(menuAction->text());
            for (QAction *command : menuAction->menu()->actions()) {
                captions.append(command->isSeparator() ? QStringLiteral("-") : command->text());
                QList<QKeySequence> expected = standard.contains(command->objectName())
                                                   ? QKeySequence::keyBindings(standard.value(command->objectName()))
                                                   : QList<QKeySequence>();
                if (command == f.window.mnuRedo() && !expected.contains(QKeySequence(QStringLiteral("Ctrl+Y"))))
                    expected.append(QKeySequence(QStringLiteral("Ctrl+Y")));
                if (command != f.window.mnuDrainBreakdown())
                    QCOMPARE(command->shortcuts(), expected);
            }
        }
        QCOMPARE(f.window.mnuSave()->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(captions, QStringList({"&File", "&New", "&Open...", "Open &Recent", "Spell &Book...", "&Save",
                                        "Restore &Last Spell", "Export Spell &Card...", "&Print...", "-", "&Options...", "-",
                                        "E&xit", "&Edit", "&Undo", "&Redo", "&Rules", "Show Rules &Problems...",
                                        "Drain &Breakdown...", "Rebuild Under &Today's Rules", "&Help", "Help &Index", "&About..."}));
        const QList<QAction *> named = {f.window.mnuNew(), f.window.mnuOpen(), f.window.mnuSave(),
                                        f.window.mnuExportCard(), f.window.mnuPrint(),
                                        f.window.mnuOptions(), f.window.mnuExit(),
                                        f.window.mnuHelpIndex(), f.window.mnuAbout()};
        QStringList names;
        for (QAction *action : named)
            names.append(action->objectName());
        QCOMPARE(names, QStringList({"mnuNew", "mnuOpen", "mnuSave", "mnuExportCard", "mnuPrint", "mnuOptions",
                                     "mnuExit", "mnuHelpIndex", "mnuAbout"}));
    }

    void wheelLeavesADropDownListWithoutTheFocusAlone()
    {
        Fixture f;
        auto *categories = f.widget<QComboBox>("CategoryCombo");
        QCOMPARE(categories->focusPolicy(), Qt::StrongFocus);
        QVERIFY(!categories->hasFocus());
        const QPointF at(5, 5);
        QWheelEvent down(at, categories->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(categories, &down);
        QCOMPARE(categories->currentIndex(), 0);
        QCOMPARE(f.cantrix.CategoryCombo.selectedIndex(), 0);
    }

    void forceTheRulesCannotCountIsMarked()
    {
        Fixture f;
        auto *force = f.widget<QLineEdit>("ForceText");
        const QColor plain = force->palette().color(QPalette::Base);
        f.cantrix.ForceText.setText(QStringLiteral("abc"));
        QCOMPARE(force->toolTip(), f.cantrix.forceProblem());
        QVERIFY(force->palette().color(QPalette::Base) != plain);
        f.cantrix.ForceText.setText(QStringLiteral("4"));
        QCOMPARE(force->toolTip(), QString());
        QCOMPARE(force->palette().color(QPalette::Base), plain);
    }

    void undoAndRedoPutTheWidgetsBack()
    {
        Fixture f;
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        auto *name = f.widget<QLineEdit>("NameText");
        auto *summary = f.widget<QListView>("Summary2List");
        QVERIFY(!f.window.mnuUndo()->isEnabled());
        f.doubleClickRow(f.widget<QListView>("Modifier1List"), 0);
        QCoreApplication::processEvents(); // the event loop settles each action into a step
        name->setFocus();
        QTest::keyClicks(name, "Spark");
        QCoreApplication::processEvents();

        // The field leaves the key to the window: the whole name goes, as one step.
        QTest::keySequence(name, QKeySequence::Undo);
        QCOMPARE(name->text(), QString());
        QCOMPARE(widgetRows(summary), QStringList({"Plain"}));
        f.window.mnuUndo()->trigger();
        QCOMPARE(widgetRows(summary), QStringList());
        QVERIFY(!f.window.mnuUndo()->isEnabled());
        f.window.mnuRedo()->trigger();
        QCOMPARE(widgetRows(summary), QStringList({"Plain"}));
        QCOMPARE(f.widget<QLineEdit>("DrainText")->text(), f.cantrix.DrainText.text());
    }

    void restoreLastSpellOpensTheDraft()
    {
        Fixture f(testRules(), false);
        f.platform.setUserDataDirectory(f.dir.filePath(QStringLiteral("data")));
        QVERIFY(QDir().mkpath(f.platform.userDataDirectory()));
        QVERIFY(TestFiles::writeBytes(f.platform.userDataDirectory() + QStringLiteral("/last-spell.xml"),
                                      "<common><date creation='' lastmod='March 06, 2001'/><itemdef name='Kept'/>"
                                      "<category value='Beta Spell' modifier='+2 +1DRT'/></common>"));
        QVERIFY(!f.window.mnuRestoreLastSpell()->isEnabled());
        f.cantrix.Form_Load();
        QVERIFY(f.window.mnuRestoreLastSpell()->isEnabled());
        f.window.mnuRestoreLastSpell()->trigger();
        QCOMPARE(f.widget<QLineEdit>("NameText")->text(), QStringLiteral("Kept"));
        QCOMPARE(f.widget<QComboBox>("CategoryCombo")->currentText(), QStringLiteral("Beta"));
        QVERIFY(!f.window.mnuRestoreLastSpell()->isEnabled());
    }

    void closingTellsOfASpellThatCannotBeKept()
    {
        Fixture f;
        f.platform.setUserDataDirectory(f.dir.filePath(QStringLiteral("data")));
        QVERIFY(TestFiles::writeBytes(f.platform.userDataDirectory(), "a file where the folder should be"));
        QTest::keyClicks(f.widget<QLineEdit>("NameText"), "Unsaved");
        QVERIFY(!f.window.close()); // told, with the spell still on screen
        QCOMPARE(f.platform.warnings.size(), 1);
        QCOMPARE(f.platform.warnings.at(0).title, QStringLiteral("Spell Not Kept"));
        QVERIFY(f.window.close()); // closed again: it goes
        QCOMPARE(f.platform.warnings.size(), 1);
    }

    void rowsTellTheirCostWhenHovered()
    {
        Fixture f;
        const auto hover = [](QAbstractItemView *view, int row) {
            const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
            QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
            QApplication::sendEvent(view->viewport(), &help);
            return view->model()->index(row, 0).data(Qt::ToolTipRole).toString();
        };
        QCOMPARE(hover(f.widget<QListView>("Modifier1List"), 0), QStringLiteral("+1 level"));
        QCOMPARE(hover(f.widget<QListView>("Modifier1List"), 1), QStringLiteral("no drain tokens of its own"));
        f.clickRow(f.widget<QListView>("Modifier1List"), 1);
        QCOMPARE(hover(f.widget<QListView>("Modifier2List"), 1), QStringLiteral("+2 levels, -1 drain modifier"));

        auto *combo = f.widget<QComboBox>("CategoryCombo");
        combo->showPopup();
        QVERIFY(QTest::qWaitForWindowExposed(combo->view()->window()));
        QCOMPARE(hover(combo->view(), 1), QStringLiteral("+2 levels, +1 drain modifier"));
        combo->hidePopup();
        QHelpEvent onFace(QEvent::ToolTip, QPoint(2, 2), combo->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(combo, &onFace);
        QCOMPARE(combo->toolTip(), QStringLiteral("+1 level"));
        // The face's tip follows the rows it is read from.
        f.cantrix.CategoryCombo1.replace(0, QStringLiteral("+2"));
        QCOMPARE(combo->toolTip(), QStringLiteral("+2 levels"));
    }

    void selectingARowShowsWhatAddingItWouldDo()
    {
        Fixture f;
        auto *modifiers = f.widget<QListView>("Modifier1List");
        auto *preview = f.widget<QLabel>("lblDrainPreview");
        auto *count = f.widget<QLabel>("lblRulesProblems");
        QTRY_VERIFY(!count->text().isEmpty() && !count->text().contains(QStringLiteral("checking...")));
        QCOMPARE(preview->width(), 0);
        const QString wholeCount = count->text();

        f.clickRow(modifiers, 0);
        QTRY_COMPARE(preview->text(), QStringLiteral("Adds +1: drain becomes [(1/2) ] M"));
        QTRY_VERIFY(preview->width() > count->width());
        QVERIFY2(count->text().startsWith(QStringLiteral("Rules: ")), qPrintable(count->text()));
        QCOMPARE(count->toolTip(), wholeCount);

        modifiers->setFocus();
        QTest::keyClick(modifiers, Qt::Key_Down);
        QTRY_COMPARE(preview->text(), QStringLiteral("To add \u2018Choice\u2019, pick one of its 2 options."));

        // A passing notice takes the whole bar; the preview comes back when it ends.
        f.window.statusBar()->showMessage(QStringLiteral("notice"));
        QVERIFY(!preview->isVisible());
        f.window.statusBar()->clearMessage();
        QVERIFY(preview->isVisible());

        f.window.mnuNew()->trigger();
        QTRY_COMPARE(preview->width(), 0);
        QTRY_COMPARE(count->text(), wholeCount);
    }

    void drainBreakdownFromTheKeyboardAndTheMenu()
    {
        Fixture f;
        auto *modifiers = f.widget<QListView>("Modifier1List");
        f.doubleClickRow(modifiers, 0);
        QTRY_VERIFY2(f.widget<QLineEdit>("DrainText")->toolTip().contains(
                         QStringLiteral("Row 1 \u2018Plain\u2019 (+1): level +1, drain modifier 0")),
                     qPrintable(f.widget<QLineEdit>("DrainText")->toolTip()));

        QCOMPARE(f.window.mnuDrainBreakdown()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QTest::keyClick(modifiers, Qt::Key_B, Qt::ControlModifier);
        auto *dialog = f.window.findChild<QDialog *>(QStringLiteral("frmDrainBreakdown"));
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        auto *rows = dialog->findChild<QTreeWidget *>(QStringLiteral("lstDrainRows"));
        QCOMPARE(rows->topLevelItemCount(), 3); // category, type, one modifier

        // It follows the spell while open.
        f.doubleClickRow(modifiers, 2);
        QTRY_COMPARE(rows->topLevelItemCount(), 4);
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblDrainCode"))->text(),
                 f.widget<QLineEdit>("DrainText")->text());

        dialog->close();
        f.window.mnuDrainBreakdown()->trigger();
        QVERIFY(dialog->isVisible());
        QCOMPARE(f.window.findChildren<QDialog *>(QStringLiteral("frmDrainBreakdown")).size(), 1);
    }

    void cardCommandsHaveAccessKeysOfTheirOwn()
    {
        Fixture f;
        QMap<QChar, int> uses;
        const auto accessKey = [](const QAction *command) {
            const QString text = command->text();
            const qsizetype marker = text.indexOf(u'&');
            return marker >= 0 && marker + 1 < text.size() ? text.at(marker + 1).toLower() : QChar();
        };
        const auto *file = f.window.findChild<QMenu *>(QStringLiteral("mnuFile"));
        QVERIFY(file);
        for (const QAction *command : file->actions())
            ++uses[accessKey(command)];
        for (QAction *command : {f.window.mnuExportCard(), f.window.mnuPrint()}) {
            const QChar key = accessKey(command);
            QVERIFY2(!key.isNull(), qPrintable(command->text()));
            QVERIFY2(uses.value(key) == 1, qPrintable(command->text()));
        }
    }

    void spellBookOpensARowInTheWindow()
    {
        Fixture f;
        QVERIFY(QDir(f.dir.path()).mkpath("spells"));
        const QString spell = QDir(f.dir.path()).filePath("spells/kept.xml");
        f.cantrix.NameText.setText("Kept");
        QCOMPARE(f.session.spellCommands().SaveSpell(spell).outcome, SpellCommands::Outcome::Done);
        f.cantrix.mnuNew_Click();
        QSettings().setValue(QLatin1String(SpellBookWindow::folderKey), QFileInfo(spell).absolutePath());
        f.window.mnuSpellBook()->trigger();
        QTableView *table = f.commands.spellBook().table();
        QTRY_COMPARE(table->model()->rowCount(), 1);
        emit table->activated(table->model()->index(0, 0));
        QCOMPARE(f.cantrix.NameText.text(), QStringLiteral("Kept"));
        QCOMPARE(f.session.spellCommands().documentPath(), spell);
    }

    void dropDownListsOpenOnTheFieldColour()
    {
        // The rows a drop-down list opens are part of the list: light yellow like the rest.
        Fixture f;
        for (const char *name : {"CategoryCombo", "TypeCombo"}) {
            auto *combo = f.widget<QComboBox>(name);
            combo->showPopup();
            QAbstractItemView *popup = combo->view();
            QVERIFY(QTest::qWaitForWindowExposed(popup->window()));
            // The first row is the chosen one; the bottom right corner lies below or beside
            // the other rows' text.
            const QImage shown = popup->viewport()->grab().toImage();
            QCOMPARE(QColor(shown.pixel(shown.width() - 3, shown.height() - 3)), QColor(255, 255, 204));
            combo->hidePopup();
        }
    }

    void aLargerWindowGivesItsRoomToTheListsAndTheDescription()
    {
        Fixture f;
        QWidget *form = f.window.centralWidget();
        const QSize designed = form->size();
        QMap<QString, QRect> before;
        for (QWidget *control : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            before.insert(control->objectName(), control->geometry());
        const auto now = [&f](const char *name) { return f.widget<QWidget>(name)->geometry(); };

        f.window.resize(f.window.size() + QSize(300, 200));
        QTRY_COMPARE(form->size(), designed + QSize(300, 200));
        for (const char *kept : {"NameText", "ForceText", "CategoryCombo", "TypeCombo", "DrainText", "Label1_0",
                                 "Label1_7", "Label1_9"})
            QCOMPARE(now(kept), before.value(QLatin1String(kept)));
        // The bands share the height; side by side lists share the width and keep their gap.
        int grown = 0;
        for (const char *band : {"Modifier1List", "DescriptionText", "Summary1List"})
            grown += now(band).height() - before.value(QLatin1String(band)).height();
        QCOMPARE(grown, 200);
        QCOMPARE(now("Modifier2List").left() - now("Modifier1List").right(),
                 before.value("Modifier2List").left() - before.value("Modifier1List").right());
        for (const char *rightEdge : {"Modifier2List", "Summary2List"})
            QCOMPARE(now(rightEdge).right(), now("DescriptionText").right());
        QCOMPARE(now("Label1_8").top(), now("Summary1List").top());

        f.window.resize(100, 100);
        QTRY_COMPARE(form->size(), designed);
    }

    void aFileDroppedOnTheWindowOpens()
    {
        Fixture f;
        const QString spell = f.dir.filePath(QStringLiteral("spell.xml"));
        f.cantrix.NameText.setText(QStringLiteral("Dropped"));
        f.platform.dialogAnswers.enqueue(spell);
        f.window.mnuSave()->trigger();
        f.window.mnuNew()->trigger();

        // On a text field, which would otherwise take the file's path as text.
        QWidget *field = f.widget<QWidget>("NameText");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(spell)});
        data.setText(spell);
        QDragEnterEvent enter(field->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(field->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        QTRY_COMPARE(f.cantrix.NameText.text(), QStringLiteral("Dropped"));
        QVERIFY(f.platform.warnings.isEmpty());
    }

    void aDroppedFileUrlThatNamesNoFileHereIsRefused_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("said");
        QTest::newRow("another host") << QStringLiteral("file://otherhost/tmp/spell.xml") << QStringLiteral("another computer");
        QTest::newRow("a NUL") << QStringLiteral("file:///tmp/spell.xml%00.bak") << QStringLiteral("NUL");
    }

    void aDroppedFileUrlThatNamesNoFileHereIsRefused()
    {
        QFETCH(QString, url);
        QFETCH(QString, said);
        Fixture f;
        QWidget *field = f.widget<QWidget>("NameText");
        QMimeData data;
        data.setUrls({QUrl(url)});
        QDragEnterEvent enter(field->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent drop(field->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &drop);
        QTRY_COMPARE(f.platform.warnings.size(), 1);
        QVERIFY2(f.platform.warnings.constFirst().text.contains(said), qPrintable(f.platform.warnings.constFirst().text));
    }

    void openRecentListsTheSpellsOpenedAndSaved()
    {
        QSettings().remove(QStringLiteral("RecentSpells"));
        Fixture f;
        QMenu *recent = f.window.mnuOpenRecent();
        QVERIFY(!recent->menuAction()->isEnabled());
        const QString first = f.dir.filePath(QStringLiteral("first.xml"));
        const QString second = f.dir.filePath(QStringLiteral("second & more.xml"));
        for (const QString &path : {first, second}) {
            f.cantrix.NameText.setText(path);
            f.platform.dialogAnswers.enqueue(path);
            f.window.mnuSave()->trigger();
        }
        QTRY_COMPARE(recent->actions().size(), 2);
        QVERIFY(recent->menuAction()->isEnabled());
        QCOMPARE(recent->actions().at(0)->text(), QStringLiteral("&1 ") + QDir::toNativeSeparators(second).replace(u'&', QStringLiteral("&&")));
        recent->actions().at(1)->trigger();
        QCOMPARE(f.cantrix.NameText.text(), first);
    }

    void tabWalksTheControlsInReadingOrder()
    {
        Fixture f;
        QStringList order;
        QWidget *start = f.widget<QWidget>("NameText");
        QWidget *w = start;
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                order.append(w->objectName());
            w = w->nextInFocusChain();
        } while (w != start);
        const QStringList expected = {"NameText",        "ForceText",    "CategoryCombo", "TypeCombo",
                                      "DrainText",       "Modifier1List", "Modifier2List", "DescriptionText",
                                      "Summary1List",    "Summary2List", "RemoveCommand"};
        QCOMPARE(order.mid(0, expected.size()), expected);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
