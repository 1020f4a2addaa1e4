#pragma once

#include <functional>

#include <QHash>
#include <QKeySequence>
#include <QMainWindow>

class Cantrix;
class DrainBreakdownView;
class DrainPreviewStatus;
class GrowingForm;
class ListControl;
class ListControlModel;
class QAction;
class QLabel;
class QMenu;
class SpellChanges;
class SpellSession;

// The design window on screen. It is a humble view of the window model: it shows every
// visible control of the model in a widget of its own (named as the control) and hands the
// user's actions to the model's handlers. It decides nothing about spells itself. It builds
// the menus; MenuCommands wires each entry to its command. It opens at its designed size and
// can be made larger, not smaller; a file dropped on it is handed on as a spell to open.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(SpellSession &session, QWidget *parent = nullptr);
    // What the window shows of the drain code beside the code itself.
    DrainBreakdownView &drainBreakdown() const { return *m_drainBreakdown; }
    DrainPreviewStatus &drainPreview() const { return *m_drainPreview; }
    // Tells once each user action is over that the spell or a selection changed.
    SpellChanges &spellChanges() const { return *m_spellChanges; }

    // The menu entries, for MenuCommands to wire.
    QAction *mnuNew() const { return m_mnuNew; }
    QAction *mnuOpen() const { return m_mnuOpen; }
    // Filled by MenuCommands with the spells opened or saved last.
    QMenu *mnuOpenRecent() const { return m_mnuOpenRecent; }
    QAction *mnuSpellBook() const { return m_mnuSpellBook; }
    QAction *mnuSave() const { return m_mnuSave; }
    QAction *mnuRestoreLastSpell() const { return m_mnuRestoreLastSpell; }
    QAction *mnuExportCard() const { return m_mnuExportCard; }
    QAction *mnuPrint() const { return m_mnuPrint; }
    QAction *mnuOptions() const { return m_mnuOptions; }
    QAction *mnuExit() const { return m_mnuExit; }
    QAction *mnuUndo() const { return m_mnuUndo; }
    QAction *mnuRedo() const { return m_mnuRedo; }
    QAction *mnuRulesProblems() const { return m_mnuRulesProblems; }
    QAction *mnuDrainBreakdown() const { return m_mnuDrainBreakdown; }
    QAction *mnuRebuild() const { return m_mnuRebuild; }
    QAction *mnuHelpIndex() const { return m_mnuHelpIndex; }
    QAction *mnuAbout() const { return m_mnuAbout; }

signals:
    // A file was dropped on the window.
    void spellDropped(const QString &path);

private:
    void createControls(GrowingForm &form);
    void createRemoveCommand(GrowingForm &form, QWidget *summary);
    struct FieldWidgets
    {
        QWidget *nameText, *forceText, *categoryCombo, *typeCombo, *drainText, *modifier1List,
            *modifier2List, *descriptionText, *summary1List, *summary2List;
    };
    void nameForScreenReaders(const QHash<int, QLabel *> &labels, const FieldWidgets &fields);
    // Shows the control's rows and selection in the view; a list box may have an action for a row.
    template <typename View>
    ListControlModel *showList(ListControl &control, View *view, std::function<void(int)> rowAction = {});
    void showCosts(ListControlModel *categories, ListControlModel *types, ListControlModel *modifiers,
                   ListControlModel *options, QWidget *drainText);
    void createMenus();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption,
                        QKeySequence::StandardKey key = QKeySequence::UnknownKey);

    Cantrix &m_cantrix;
    QAction *m_mnuNew = nullptr;
    QAction *m_mnuOpen = nullptr;
    QMenu *m_mnuOpenRecent = nullptr;
    QAction *m_mnuSpellBook = nullptr;
    QAction *m_mnuSave = nullptr;
    QAction *m_mnuRestoreLastSpell = nullptr;
    QAction *m_mnuExportCard = nullptr;
    QAction *m_mnuPrint = nullptr;
    QAction *m_mnuOptions = nullptr;
    QAction *m_mnuExit = nullptr;
    QAction *m_mnuUndo = nullptr;
    QAction *m_mnuRedo = nullptr;
    QAction *m_mnuRulesProblems = nullptr;
    QAction *m_mnuDrainBreakdown = nullptr;
    QAction *m_mnuRebuild = nullptr;
    QAction *m_mnuHelpIndex = nullptr;
    QAction *m_mnuAbout = nullptr;
    DrainBreakdownView *m_drainBreakdown = nullptr;
    DrainPreviewStatus *m_drainPreview = nullptr;
    SpellChanges *m_spellChanges = nullptr;
};
