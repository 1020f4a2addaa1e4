#include "app/mainwindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "app/controlmirrors.h"
#include "app/drainbreakdownview.h"
#include "app/drainpreviewstatus.h"
#include "app/formstyle.h"
#include "app/menucommands.h"
#include "app/programicon.h"
#include "app/spellchanges.h"
#include "controls/arbutton/arbutton.h"
#include "design/cantrix.h"
#include "design/drainpreview.h"
#include "design/drainwords.h"
#include "shell/programinfo.h"

namespace {

// The window's client area as designed, in twips.
constexpr int formWidth = 9060;
constexpr int formHeight = 5070;

const QColor formColour(23, 73, 74);      // dark teal behind everything
const QColor fieldColour(255, 255, 204);  // light yellow of fields and lists

// The captions of the Label1 array, each beside the control it names. Indices 4 and 5 of
// the array are not used on this window.
struct Caption
{
    int index;
    const char *text;
    int left, top, width, height;
};
constexpr Caption captions[] = {
    {0, QT_TRANSLATE_NOOP("MainWindow", "Spell Name"), 120, 135, 855, 255},
    {3, QT_TRANSLATE_NOOP("MainWindow", "Force"), 120, 495, 855, 255},
    {1, QT_TRANSLATE_NOOP("MainWindow", "Category"), 2040, 495, 735, 255},
    {2, QT_TRANSLATE_NOOP("MainWindow", "Type"), 4320, 495, 495, 255},
    {9, QT_TRANSLATE_NOOP("MainWindow", "Drain"), 6720, 495, 495, 255},
    {7, QT_TRANSLATE_NOOP("MainWindow", "Modifiers"), 120, 960, 855, 255},
    {6, QT_TRANSLATE_NOOP("MainWindow", "Spell Description"), 120, 2520, 855, 495},
    {8, QT_TRANSLATE_NOOP("MainWindow", "Spell Summary "), 0, 3720, 975, 495},
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
Widget *field(QWidget *form, const char *name, int left, int top, int width, int height)
{
    auto *widget = new Widget(form);
    widget->setObjectName(QLatin1String(name));
    widget->setPalette(fieldPalette(widget->palette()));
    FormStyle::place(widget, left, top, width, height);
    return widget;
}

} // namespace

MainWindow::MainWindow(Cantrix &cantrix, QWidget *parent)
    : QMainWindow(parent), m_cantrix(cantrix)
{
    setObjectName(QStringLiteral("Cantrix"));
    setWindowTitle(ProgramInfo::title());
    setWindowIcon(programIcon());

    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("form"));
    form->setAutoFillBackground(true);
    form->setPalette(formPalette(form->palette()));
    form->setFont(FormStyle::tahoma());
    form->setFixedSize(FormStyle::fromTwips(form, 0, 0, formWidth, formHeight).size());
    setCentralWidget(form);

    createControls(form);
    createMenus();
    statusBar()->setSizeGripEnabled(false);
    m_commands = new MenuCommands(*this, m_cantrix);
    // Every control sits at a fixed place, so the window keeps its designed size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::createControls(QWidget *form)
{
    for (const Caption &caption : captions) {
        auto *label = new QLabel(tr(caption.text), form);
        label->setObjectName(QStringLiteral("Label1_%1").arg(caption.index));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        FormStyle::place(label, caption.left, caption.top, caption.width, caption.height);
        FormStyle::fitCaption(label);
    }

    // Created in reading order, which is the order Tab walks them.
    auto *nameText = field<QLineEdit>(form, "NameText", 1080, 120, 7815, 285);
    auto *forceText = field<QLineEdit>(form, "ForceText", 1080, 480, 375, 285);
    auto *categoryCombo = field<QComboBox>(form, "CategoryCombo", 2880, 465, 1335, 315);
    auto *typeCombo = field<QComboBox>(form, "TypeCombo", 4920, 465, 1575, 315);
    auto *drainText = field<QLineEdit>(form, "DrainText", 7320, 480, 1575, 285);
    auto *modifier1List = field<QListWidget>(form, "Modifier1List", 1080, 960, 3135, 1395);
    auto *modifier2List = field<QListWidget>(form, "Modifier2List", 4320, 960, 4575, 1395);
    auto *descriptionText = field<QPlainTextEdit>(form, "DescriptionText", 1080, 2520, 7815, 1095);
    auto *summary1List = field<QListWidget>(form, "Summary1List", 1080, 3720, 1575, 1200);
    auto *summary2List = field<QListWidget>(form, "Summary2List", 2760, 3720, 6135, 1200);
    createRemoveCommand(form);

    // The rows a drop-down list opens are drawn by a view of their own, which does not take
    // the colours of the list's face.
    for (QComboBox *combo : {categoryCombo, typeCombo}) {
        QPalette rows = fieldPalette(combo->view()->palette());
        rows.setColor(QPalette::Window, fieldColour);
        combo->view()->setPalette(rows);
    }

    drainText->setReadOnly(true);
    drainText->setFont(FormStyle::tahoma(true));
    descriptionText->setTabChangesFocus(true);

    new LineEditMirror(m_cantrix.NameText, nameText, this);
    new LineEditMirror(m_cantrix.ForceText, forceText, this);
    new LineEditMirror(m_cantrix.DrainText, drainText, this);
    new PlainTextMirror(m_cantrix.DescriptionText, descriptionText, this);
    auto *categories = new ComboMirror(m_cantrix.CategoryCombo, categoryCombo, this);
    auto *types = new ComboMirror(m_cantrix.TypeCombo, typeCombo, this);
    new ListWidgetMirror(m_cantrix.Summary1List, summary1List, this);
    new ListWidgetMirror(m_cantrix.Summary2List, summary2List, this);
    auto *modifiers = new ListWidgetMirror(m_cantrix.Modifier1List, modifier1List, this);
    modifiers->setRowAction([this](int row) { m_cantrix.userDoubleClickModifier(row); });
    auto *options = new ListWidgetMirror(m_cantrix.Modifier2List, modifier2List, this);
    options->setRowAction([this](int row) { m_cantrix.userDoubleClickOption(row); });
    showCosts(categories, types, modifiers, options, drainText);
}

void MainWindow::showCosts(ComboMirror *categories, ComboMirror *types, ListWidgetMirror *modifiers,
                           ListWidgetMirror *options, QWidget *drainText)
{
    // Every row that can be chosen tells its cost before it is chosen; the words are the core's.
    categories->setRowToolTip([this](int row) { return DrainWords::tokens(m_cantrix.CategoryCombo1.row(row)); });
    types->setRowToolTip([this](int row) { return DrainWords::tokens(m_cantrix.TypeCombo1.row(row)); });
    modifiers->setRowToolTip([this](int row) { return DrainPreview::modifierToolTip(m_cantrix, row); });
    options->setRowToolTip([this](int row) { return DrainWords::tokens(m_cantrix.Modifier2List1.row(row)); });

    auto *changes = new SpellChanges(m_cantrix, this);
    m_drainPreview = new DrainPreviewStatus(m_cantrix, *changes, this);
    m_drainBreakdown = new DrainBreakdownView(m_cantrix, *changes, this, drainText);
}

void MainWindow::createRemoveCommand(QWidget *form)
{
    // White on the window's teal, turning yellow under the mouse and while it has the focus.
    auto *removeCommand = new ARButton(form);
    removeCommand->setObjectName(QStringLiteral("RemoveCommand"));
    removeCommand->setCaption(tr("Remove"));
    removeCommand->setFont(FormStyle::tahoma());
    removeCommand->setForeColor(0x00FFFFFFu);
    removeCommand->setForeColorOnMouse(0x0000FFFFu);
    removeCommand->setForeColorOnFocus(0x0000FFFFu);
    removeCommand->setBackColor(0x004A4917u);
    removeCommand->setBackColorOnMouse(0x004A4917u);
    removeCommand->setBorderStyle(ARButton::borderSingle);
    FormStyle::place(removeCommand, 120, 4560, 855, 355);
    connect(removeCommand, &ARButton::Click, &m_cantrix, &Cantrix::RemoveCommand_Click);
}

QAction *MainWindow::addCommand(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void MainWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_mnuNew = addCommand(file, "mnuNew", tr("&New"));
    m_mnuOpen = addCommand(file, "mnuOpen", tr("&Open..."));
    m_mnuSave = addCommand(file, "mnuSave", tr("&Save"));
    m_mnuExportCard = addCommand(file, "mnuExportCard", tr("Export Spell &Card..."));
    m_mnuPrint = addCommand(file, "mnuPrint", tr("&Print..."));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    m_mnuOptions = addCommand(file, "mnuOptions", tr("&Options..."));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    m_mnuExit = addCommand(file, "mnuExit", tr("E&xit"));

    QMenu *rules = menuBar()->addMenu(tr("&Rules"));
    rules->setObjectName(QStringLiteral("mnuRules"));
    m_mnuRulesProblems = addCommand(rules, "mnuRulesProblems", tr("Show Rules &Problems..."));
    m_mnuDrainBreakdown = addCommand(rules, "mnuDrainBreakdown", tr("Drain &Breakdown..."));
    m_mnuDrainBreakdown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    m_mnuHelpIndex = addCommand(help, "mnuHelpIndex", tr("Help &Index"));
    m_mnuAbout = addCommand(help, "mnuAbout", tr("&About..."));
}
