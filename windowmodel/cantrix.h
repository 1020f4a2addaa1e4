#pragma once

#include <optional>

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "drain/drain.h"
#include "drain/draininputs.h"
#include "drain/modifiersummary.h"
#include "platform/platform.h"
#include "rules/rulesfile.h"
#include "rules/rulesreaders.h"
#include "windowmodel/listcontrol.h"
#include "windowmodel/screenupdates.h"
#include "windowmodel/textcontrol.h"

struct SpellSnapshot;

// The design window as a model: its controls are the spell being composed. Every visible
// list has a hidden twin (same name followed by "1") whose row i holds the token string of
// row i of its partner; the drain code is computed from the twins alone. Handlers carry the
// names of the control and event they answer, so a reader can follow a user's click from the
// view straight into the handler it runs.
class Cantrix final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Cantrix)

public:
    // The summary rows a fresh window shows before anything is chosen.
    static constexpr auto chooseCategory = "Choose Category";
    static constexpr auto chooseType = "Choose Type";
    static constexpr auto chooseForce = "Choose Force";
    // Blank rows StartDesign gives the category/type/force twin; only rows 0 to 2 are ever used.
    static constexpr int summaryTwinBlankRows = 21;
    // Only these first rows of the modifier summary are searched for duplicates and counted.
    static constexpr int countedSummaryRows = Drain::countedModifierRows;
    // Rows of the modifier summary are grouped by this many leading characters.
    static constexpr int groupPrefixLength = ModifierSummary::groupPrefixLength;
    static constexpr auto missingRulesTitle = QT_TRANSLATE_NOOP("Cantrix", "File Missing!");
    static constexpr auto missingRulesText =
        QT_TRANSLATE_NOOP("Cantrix", "Sorry, GX2Mod.dat is missing. This file is needed for Cantrix to run");

    explicit Cantrix(Platform &platform, QObject *parent = nullptr);

    Platform &platform() const { return m_platform; }

    // Visible controls.
    TextControl NameText{QStringLiteral("NameText")};
    TextControl ForceText{QStringLiteral("ForceText"), QStringLiteral("1")};
    TextControl DrainText{QStringLiteral("DrainText")};
    TextControl DescriptionText{QStringLiteral("DescriptionText")};
    ListControl CategoryCombo{QStringLiteral("CategoryCombo")};
    ListControl TypeCombo{QStringLiteral("TypeCombo")};
    ListControl Modifier1List{QStringLiteral("Modifier1List")};
    ListControl Modifier2List{QStringLiteral("Modifier2List")};
    ListControl Summary1List{QStringLiteral("Summary1List")};
    ListControl Summary2List{QStringLiteral("Summary2List")};

    // Hidden twins and the hidden text of the modifier last clicked.
    ListControl CategoryCombo1{QStringLiteral("CategoryCombo1")};
    ListControl TypeCombo1{QStringLiteral("TypeCombo1")};
    ListControl Modifier1List1{QStringLiteral("Modifier1List1")};
    ListControl Modifier2List1{QStringLiteral("Modifier2List1")};
    ListControl Summary1List1{QStringLiteral("Summary1List1")};
    ListControl Summary2List1{QStringLiteral("Summary2List1")};
    TextControl Text2{QStringLiteral("Text2")};

    // The creation date of the spell being edited; "" for a spell never saved nor opened.
    QString CreationDate;
    // The spell document the window's spell was last opened from or saved to; "" for none. It
    // is part of what Undo puts back, so that undoing an Open also forgets the opened file and
    // a later Save cannot write the earlier spell over it unasked.
    QString documentPath;

    // Held while a handler or command changes many controls at once, so that the views show
    // the outcome once instead of every step towards it.
    ScreenUpdates screenUpdates;

    // While one lives, the rules data file is read at most once: the first handler that needs
    // it reads it, and every later one is handed the same lines, and each category's modifiers
    // as first looked up. For a command that runs handler after handler with no user event
    // between them (an Open selects a category for every category element of a document), so
    // the outcome is the same as reading the file for each: nothing can change it meanwhile.
    class RulesReadOnce final
    {
        Q_DISABLE_COPY_MOVE(RulesReadOnce)

    public:
        explicit RulesReadOnce(Cantrix &window) : m_window(window) { ++m_window.m_rulesReadOnceDepth; }
        // With the rules data already read elsewhere: a batch of spells rebuilt on private
        // windows is judged by one reading of the file, whichever window takes which spell.
        RulesReadOnce(Cantrix &window, const RulesFile::Contents &rules) : RulesReadOnce(window)
        {
            if (!m_window.m_heldRules && rules.ok)
                m_window.m_heldRules = HeldRules{rules, {}, {}};
        }
        ~RulesReadOnce()
        {
            if (--m_window.m_rulesReadOnceDepth == 0)
                m_window.m_heldRules.reset();
        }

    private:
        Cantrix &m_window;
    };

    // Every list, visible ones first, in the order the scenario driver dumps them.
    QList<ListControl *> lists();

    // Whether the window has been closed (rules data file missing or unreadable).
    bool isClosed() const { return m_closed; }
    // Whether the rules data file could not be read the last time a handler needed it after
    // start-up; a modifier double-click then adds nothing.
    bool rulesUnreadable() const { return m_rulesProblemReported; }

    // Window load and New.
    void Form_Load();
    void StartDesign();
    void ClearControls();
    void mnuNew_Click();
    // New, once the rules data file has been read: when it cannot be, the user is told, the
    // spell on screen stays and false returns. Open starts this way too.
    bool startNew();

    // Puts back the whole window as a snapshot kept it (undo, redo). The views follow; no
    // handler runs and the rules data file is not read. Defined beside SpellSnapshot.
    void restore(const SpellSnapshot &snapshot);

    // Category, type and force.
    void CategoryCombo_Click();
    void TypeCombo_Click();
    void ForceText_Change();

    // Modifiers, options and the summary.
    void Modifier1List_Click();
    void Modifier1List_DblClick();
    void Modifier2List_DblClick();
    void RemoveCommand_Click();

    void CalculateDrain();

    // The bare force the spell uses, as documents and cards give it. Before any edit the twin
    // row holds only a placeholder blank while the field already shows the force in use, so the
    // field is taken; while the field has been emptied the summary row and the drain code keep
    // the force typed last, so the twin row is.
    QString forceInUse() const;
    // Why the force in use is no whole number from 1 upwards, for the field's mark and the
    // status bar; "" when it is one. The drain code and the summary take it as typed all the same.
    QString forceProblem() const;
    // The spell as the drain code, its preview and its breakdown read it.
    DrainInputs drainInputs() const;
    // The level and drain-modifier totals of the rows the drain code counts now.
    Drain::Totals drainTotals() const;

    // The rules data file in the program directory.
    QString rulesFilePath() const;
    // The rules data file as read for the handlers running now, within a RulesReadOnce (so
    // while StartDesign runs, designStarted included); none otherwise.
    const RulesFile::Contents *rulesAsRead() const { return m_heldRules ? &m_heldRules->contents : nullptr; }

    // A user's double-click on a row of Modifier1List: the first click selects it (and runs
    // Modifier1List_Click when the selection moves), then the double-click handler runs.
    void userDoubleClickModifier(int row);
    // A user's double-click on a row of Modifier2List.
    void userDoubleClickOption(int row);

signals:
    // The window was closed from inside a handler.
    void closed();
    // StartDesign has filled the lists from the rules data file (start-up and New).
    void designStarted();
    // New or Open found the rules data file unreadable and kept the spell on screen.
    void designRefused();

private:
    // The rules data file as read once within a RulesReadOnce.
    struct HeldRules
    {
        RulesFile::Contents contents;
        QHash<QString, QList<RulesReaders::Entry>> modifiersByCategory;
        QHash<QString, QHash<QString, QList<RulesReaders::Entry>>> optionsByCategory;
    };

    // StartDesign with the rules data file already read.
    void startDesignFrom(const RulesFile::Contents &rules);
    // The message for a rules data file that is missing or cannot be read, with what becomes of
    // the spell on screen when it stays.
    void warnRulesUnusable(const RulesFile::Contents &rules, bool spellStays);
    // Reads the rules data file for a handler that runs after start-up; no value when it
    // cannot be read. The user hears of that once in the status bar, until it reads again.
    std::optional<QStringList> rulesLinesForHandler();
    // The modifiers the rules list for `category`; none when the file cannot be read.
    QList<RulesReaders::Entry> modifiersOf(const QString &category);
    // The options of the modifier of `category` whose line is `modifierText`, and whether it
    // owns any; none when the file cannot be read.
    QList<RulesReaders::Entry> optionsOf(const QString &category, const QString &modifierText);
    std::optional<bool> ownsOptions(const QString &category, const QString &modifierText);
    // Every modifier's options of `category`, looked up once within a RulesReadOnce.
    const QHash<QString, QList<RulesReaders::Entry>> &heldOptionsOf(const QString &category, const QStringList &lines);
    // The rules data file read well: ends the notice that it could not be read, if one shows.
    void rulesReadAgain();
    void closeWindow();
    // After a user's change of category or force: what the user would not see otherwise.
    void tellDroppedRows(int dropped);
    void tellForceProblem();

    Platform &m_platform;
    int m_rulesReadOnceDepth = 0;
    std::optional<HeldRules> m_heldRules;
    bool m_closed = false;
    // While a snapshot is put back: the controls' events reach no handler.
    bool m_restoring = false;
    // The force problem the status bar told of last, so that it is told once.
    QString m_toldForceProblem;
    bool m_rulesProblemReported = false;
};
