#include "app/mainwindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "app/controlmirrors.h"
#include "app/drainbreakdownview.h"
#include "app/drainpreviewstatus.h"
#include "app/formstyle.h"
#include "app/growingform.h"
#include "app/listcontrolmodel.h"
#include "app/listselection.h"
#include "app/programicon.h"
#include "app/spellchanges.h"
#include "app/spelldroptarget.h"
#include "controls/arbutton/arbutton.h"
#include "session/spellsession.h"
#include "windowmodel/cantrix.h"
#include "drain/drainpreview.h"
#include "drain/drainwords.h"
#include "shell/programinfo.h"

namespace {

using Growth = GrowingForm::Growth;

// The window's client area as designed, in twips.
constexpr int formWidth = 9060;
constexpr int formHeight = 5070;

const QColor formColour(23, 73, 74);      // dark teal behind everything
const QColor fieldColour(255, 255, 204);  // light yellow of fields and lists

// A window made larger than designed gives its room to the lists and the description, which
// are what long rules texts and long descriptions overflow; the fields and the captions keep
// their places and sizes, so the top row reads as designed at any size. Height goes to the
// three bands in proportion to their designed heights, and lists side by side share the width
// in proportion to their designed widths.
constexpr double modifiersHeight = 1395.0, descriptionHeight = 1095.0, summaryHeight = 1200.0;
constexpr double bandsHeight = modifiersHeight + descriptionHeight + summaryHeight;
constexpr Growth modifiersBand{0.0, modifiersHeight / bandsHeight};
constexpr Growth descriptionBand{modifiersBand.grow, descriptionHeight / bandsHeight};
constexpr Growth summaryBand{descriptionBand.move + descriptionBand.grow, summaryHeight / bandsHeight};
constexpr Growth belowSummary{1.0, 0.0};
constexpr Growth wholeWidth{0.0, 1.0};
constexpr double modifierShare = 3135.0 / (3135.0 + 4575.0);
constexpr double summary1Share = 1575.0 / (1575.0 + 6135.0);

// The captions of the Label1 array, each beside the control it names, and moving down with it.
// Indices 4 and 5 of the array are not used on this window.
struct Caption
{
    int index;
    const char *text;
    QRect twips;
    Growth horizontal;
    Growth vertical;
};
const Caption captions[] = {
    {0, QT_TRANSLATE_NOOP("MainWindow", "Spell Name"), {120, 135, 855, 255}, {}, {}},
    {3, QT_TRANSLATE_NOOP("MainWindow", "Force"), {120, 495, 855, 255}, {}, {}},
    {1, QT_TRANSLATE_NOOP("MainWindow", "Category"), {2040, 495, 735, 255}, {}, {}},
    {2, QT_TRANSLATE_NOOP("MainWindow", "Type"), {4320, 495, 495, 255}, {}, {}},
    {9, QT_TRANSLATE_NOOP("MainWindow", "Drain"), {6720, 495, 495, 255}, {}, {}},
    {7, QT_TRANSLATE_NOOP("MainWindow", "Modifiers"), {120, 960, 855, 255}, {}, {}},
    {6, QT_TRANSLATE_NOOP("MainWindow", "Spell Description"), {120, 2520, 855, 495}, {}, {descriptionBand.move, 0.0}},
    {8, QT_TRANSLATE_NOOP("MainWindow", "Spell Summary "), {0, 3720, 975, 495}, {}, {summaryBand.move, 0.0}},
};

QPalette formPalette(QPalette palette)
{
    palette.setColor(QPalette::Window, formColour);
    palette.setColor(QPalette::WindowText, Qt::white);
    return palette;
}

QPalette fieldPalette(QPalette palette)
{
    // A drop-down list draws its face with the button colours, a field with the base colours.
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button}) {
        palette.setColor(role, fieldColour);
    }
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        palette.setColor(role, Qt::black);
    }
    return palette;
}

// Names a control after the model control it shows, gives it the field look and puts it at
// its designed place.
template <typename Widget>
Widget *field(GrowingForm &form, const char *name, const QRect &twips, Growth horizontal = {}, Growth vertical = {})
{
    auto *widget = new Widget(form.form());
    widget->setObjectName(QLatin1String(name));
    widget->setPalette(fieldPalette(widget->palette()));
    form.add(widget, twips, horizontal, vertical);
    return widget;
}

// Undo and Redo belong to the window: a text field's own undo would step through texts the
// model no longer holds once the window has been put back. The field leaves those keys to the
// Edit menu by not claiming them.
class WindowUndoKeys final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
                || key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// A wheel turned over a drop-down list on the way down the window must not change the spell
// (a new category drops every modifier chosen): a list takes the wheel once it has the focus.
class WheelOnlyWithFocus final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && !widget->hasFocus()) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// A force the rules cannot count is marked where it is typed, in the words of the core.
void markForce(QLineEdit *field, const QString &problem)
{
    QPalette palette = fieldPalette(field->palette());
    if (!problem.isEmpty()) {
        palette.setColor(QPalette::Base, QColor(0xFF, 0xC8, 0xC8));
        palette.setColor(QPalette::Text, Qt::black);
    }
    field->setPalette(palette);
    field->setToolTip(problem);
}

} // namespace

MainWindow::MainWindow(SpellSession &session, QWidget *parent)
    : QMainWindow(parent), m_cantrix(session.window())
{
    setObjectName(QStringLiteral("Cantrix"));
    setWindowTitle(ProgramInfo::title());
    setWindowIcon(programIcon());

    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    form->setAutoFillBackground(true);
    form->setPalette(formPalette(form->palette()));
    form->setFont(FormStyle::tahoma());
    setCentralWidget(form);
    // Opens at the designed size, which is also the smallest.
    auto *growing = new GrowingForm(form, QSize(formWidth, formHeight));

    createControls(*growing);
    createMenus();
    auto *drops = new SpellDropTarget(this);
    connect(drops, &SpellDropTarget::spellDropped, this, &MainWindow::spellDropped);
    // Told once the drop is over, so the message does not hold up the desktop's drag and drop.
    connect(
        drops, &SpellDropTarget::dropRefused, this,
        [this](const QString &reason) { m_cantrix.platform().showWarning(tr("Spell Not Opened"), reason); },
        Qt::QueuedConnection);
}

void MainWindow::createControls(GrowingForm &form)
{
    QHash<int, QLabel *> labels;
    for (const Caption &caption : captions) {
        auto *label = new QLabel(tr(caption.text), form.form());
        label->setObjectName(QStringLiteral("Label1_%1").arg(caption.index));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        form.add(label, caption.twips, caption.horizontal, caption.vertical);
        FormStyle::fitCaption(label);
        labels.insert(caption.index, label);
    }

    // Created in reading order, which is the order Tab walks them.
    auto *nameText = field<QLineEdit>(form, "NameText", {1080, 120, 7815, 285});
    auto *forceText = field<QLineEdit>(form, "ForceText", {1080, 480, 375, 285});
    auto *categoryCombo = field<QComboBox>(form, "CategoryCombo", {2880, 465, 1335, 315});
    auto *typeCombo = field<QComboBox>(form, "TypeCombo", {4920, 465, 1575, 315});
    auto *drainText = field<QLineEdit>(form, "DrainText", {7320, 480, 1575, 285});
    auto *modifier1List = field<QListView>(form, "Modifier1List", {1080, 960, 3135, 1395},
                                           {0.0, modifierShare}, modifiersBand);
    auto *modifier2List = field<QListView>(form, "Modifier2List", {4320, 960, 4575, 1395},
                                           {modifierShare, 1.0 - modifierShare}, modifiersBand);
    auto *descriptionText = field<QPlainTextEdit>(form, "DescriptionText", {1080, 2520, 7815, 1095},
                                                  wholeWidth, descriptionBand);
    auto *summary1List = field<QListView>(form, "Summary1List", {1080, 3720, 1575, 1200},
                                          {0.0, summary1Share}, summaryBand);
    auto *summary2List = field<QListView>(form, "Summary2List", {2760, 3720, 6135, 1200},
                                          {summary1Share, 1.0 - summary1Share}, summaryBand);
    createRemoveCommand(form, summary2List);
    nameForScreenReaders(labels, {nameText, forceText, categoryCombo, typeCombo, drainText, modifier1List,
                                  modifier2List, descriptionText, summary1List, summary2List});

    // The rows a drop-down list opens are drawn by a view of their own, which does not take
    // the colours of the list's face.
    auto *wheel = new WheelOnlyWithFocus(this);
    for (QComboBox *combo : {categoryCombo, typeCombo}) {
        combo->setFocusPolicy(Qt::StrongFocus);
        combo->installEventFilter(wheel);
        QPalette rows = fieldPalette(combo->view()->palette());
        rows.setColor(QPalette::Window, fieldColour);
        combo->view()->setPalette(rows);
    }

    auto *undoKeys = new WindowUndoKeys(this);
    for (QWidget *typed : std::initializer_list<QWidget *>{nameText, forceText, descriptionText})
        typed->installEventFilter(undoKeys);

    drainText->setReadOnly(true);
    drainText->setFont(FormStyle::tahoma(true));
    descriptionText->setTabChangesFocus(true);

    const ScreenUpdates *updates = &m_cantrix.screenUpdates;
    new LineEditMirror(m_cantrix.NameText, nameText, this, updates);
    new LineEditMirror(m_cantrix.ForceText, forceText, this, updates);
    connect(&m_cantrix.ForceText, &TextControl::changed, forceText,
            [this, forceText] { markForce(forceText, m_cantrix.forceProblem()); });
    new LineEditMirror(m_cantrix.DrainText, drainText, this, updates);
    new PlainTextMirror(m_cantrix.DescriptionText, descriptionText, this, updates);
    auto *categories = showList(m_cantrix.CategoryCombo, categoryCombo);
    auto *types = showList(m_cantrix.TypeCombo, typeCombo);
    showList(m_cantrix.Summary1List, summary1List);
    showList(m_cantrix.Summary2List, summary2List);
    auto *modifiers = showList(m_cantrix.Modifier1List, modifier1List,
                               [this](int row) { m_cantrix.userDoubleClickModifier(row); });
    auto *options = showList(m_cantrix.Modifier2List, modifier2List,
                             [this](int row) { m_cantrix.userDoubleClickOption(row); });
    showCosts(categories, types, modifiers, options, drainText);
}

void MainWindow::nameForScreenReaders(const QHash<int, QLabel *> &labels, const FieldWidgets &fields)
{
    // A caption names the field beside it, as a screen reader says it; the captions keep their
    // designed texts, without access keys.
    const std::pair<int, QWidget *> captioned[] = {
        {0, fields.nameText},   {3, fields.forceText},     {1, fields.categoryCombo},
        {2, fields.typeCombo},  {9, fields.drainText},     {7, fields.modifier1List},
        {6, fields.descriptionText},
    };
    for (const auto &[index, field] : captioned) {
        QLabel *label = labels.value(index);
        label->setBuddy(field);
        // Lists and drop-down lists do not take their name from a buddy.
        field->setAccessibleName(label->text());
    }
    // The options and the two halves of the summary share a caption or have none.
    fields.modifier2List->setAccessibleName(tr("Options of the modifier"));
    fields.summary1List->setAccessibleName(tr("Spell summary: category, type and force"));
    fields.summary2List->setAccessibleName(tr("Spell summary: modifiers"));
    fields.modifier1List->setAccessibleDescription(
        tr("Double-click a modifier, or press Enter or Space, to add it to the spell."));
    fields.modifier2List->setAccessibleDescription(
        tr("Double-click an option, or press Enter or Space, to add the modifier with it."));
    fields.summary2List->setAccessibleDescription(tr("Delete or Remove takes the selected row off the spell."));
    // The drain field's description is its tooltip, the breakdown; a new code is announced by
    // the field itself, as every change of a line edit's text is.
}

template <typename View>
ListControlModel *MainWindow::showList(ListControl &control, View *view, std::function<void(int)> rowAction)
{
    auto *rows = new ListControlModel(control, &m_cantrix.screenUpdates, view);
    auto *selection = new ListSelection(control, *rows, view);
    if (rowAction)
        selection->setRowAction(std::move(rowAction));
    return rows;
}

void MainWindow::showCosts(ListControlModel *categories, ListControlModel *types, ListControlModel *modifiers,
                           ListControlModel *options, QWidget *drainText)
{
    // Every row that can be chosen tells its cost before it is chosen; the words are the core's.
    categories->setRowToolTip([this](int row) { return DrainWords::tokens(m_cantrix.CategoryCombo1.row(row)); },
                              &m_cantrix.CategoryCombo1);
    types->setRowToolTip([this](int row) { return DrainWords::tokens(m_cantrix.TypeCombo1.row(row)); },
                         &m_cantrix.TypeCombo1);
    modifiers->setRowToolTip([this](int row) { return DrainPreview::modifierToolTip(m_cantrix.drainInputs(), row); });
    options->setRowToolTip([this](int row) { return DrainWords::tokens(m_cantrix.Modifier2List1.row(row)); });

    m_spellChanges = new SpellChanges(m_cantrix, this);
    m_drainPreview = new DrainPreviewStatus(m_cantrix, *m_spellChanges, this);
    m_drainBreakdown = new DrainBreakdownView(m_cantrix, *m_spellChanges, this, drainText);
}

void MainWindow::createRemoveCommand(GrowingForm &form, QWidget *summary)
{
    // White on the window's teal, turning yellow under the mouse and while it has the focus.
    auto *removeCommand = new ARButton(form.form());
    removeCommand->setObjectName(QStringLiteral("RemoveCommand"));
    removeCommand->setCaption(tr("Remove"));
    removeCommand->setFont(FormStyle::tahoma());
    removeCommand->setForeColor(0x00FFFFFFu);
    removeCommand->setForeColorOnMouse(0x0000FFFFu);
    removeCommand->setForeColorOnFocus(0x0000FFFFu);
    removeCommand->setBackColor(0x004A4917u);
    removeCommand->setBackColorOnMouse(0x004A4917u);
    removeCommand->setBorderStyle(ARButton::borderSingle);
    form.add(removeCommand, {120, 4560, 855, 355}, {}, belowSummary);
    connect(removeCommand, &ARButton::Click, &m_cantrix, &Cantrix::RemoveCommand_Click);

    // Delete on the summary does what the button does to its selected row.
    auto *removeRow = new QAction(tr("Remove"), summary);
    removeRow->setObjectName(QStringLiteral("RemoveRow"));
    removeRow->setShortcut(QKeySequence::Delete);
    removeRow->setShortcutContext(Qt::WidgetShortcut);
    summary->addAction(removeRow);
    connect(removeRow, &QAction::triggered, &m_cantrix, &Cantrix::RemoveCommand_Click);
}

QAction *MainWindow::addCommand(QMenu *menu, const char *name, const QString &caption,
                               QKeySequence::StandardKey key)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    // The desktop's own keys for the command, shown beside it in the menu.
    if (key != QKeySequence::UnknownKey)
        action->setShortcuts(key);
    return action;
}

void MainWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_mnuNew = addCommand(file, "mnuNew", tr("&New"), QKeySequence::New);
    m_mnuOpen = addCommand(file, "mnuOpen", tr("&Open..."), QKeySequence::Open);
    m_mnuOpenRecent = file->addMenu(tr("Open &Recent"));
    m_mnuOpenRecent->setObjectName(QStringLiteral("mnuOpenRecent"));
    m_mnuSpellBook = addCommand(file, "mnuSpellBook", tr("Spell &Book..."));
    m_mnuSave = addCommand(file, "mnuSave", tr("&Save"), QKeySequence::Save);
    m_mnuRestoreLastSpell = addCommand(file, "mnuRestoreLastSpell", tr("Restore &Last Spell"));
    m_mnuExportCard = addCommand(file, "mnuExportCard", tr("Export Spell &Card..."));
    m_mnuPrint = addCommand(file, "mnuPrint", tr("&Print..."), QKeySequence::Print);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    m_mnuOptions = addCommand(file, "mnuOptions", tr("&Options..."));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    m_mnuExit = addCommand(file, "mnuExit", tr("E&xit"), QKeySequence::Quit);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    m_mnuUndo = addCommand(edit, "mnuUndo", tr("&Undo"), QKeySequence::Undo);
    m_mnuRedo = addCommand(edit, "mnuRedo", tr("&Redo"), QKeySequence::Redo);
    // Ctrl+Y redoes too, as many programs have it, where the desktop's own key is another.
    QList<QKeySequence> redoKeys = m_mnuRedo->shortcuts();
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        m_mnuRedo->setShortcuts(redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu *rules = menuBar()->addMenu(tr("&Rules"));
    rules->setObjectName(QStringLiteral("mnuRules"));
    m_mnuRulesProblems = addCommand(rules, "mnuRulesProblems", tr("Show Rules &Problems..."));
    m_mnuDrainBreakdown = addCommand(rules, "mnuDrainBreakdown", tr("Drain &Breakdown..."));
    m_mnuDrainBreakdown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_mnuRebuild = addCommand(rules, "mnuRebuild", tr("Rebuild Under &Today's Rules"));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    m_mnuHelpIndex = addCommand(help, "mnuHelpIndex", tr("Help &Index"), QKeySequence::HelpContents);
    m_mnuAbout = addCommand(help, "mnuAbout", tr("&About..."));
}
