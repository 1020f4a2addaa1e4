#include "windowmodel/cantrix.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "rules/rulesreaders.h"

Cantrix::Cantrix(Platform &platform, QObject *parent)
    : QObject(parent), m_platform(platform)
{
    // Direct connections: each handler runs nested, before the statement that set the
    // selection or the text returns, exactly as the handlers expect. While a snapshot is put
    // back the events reach no handler.
    const auto handler = [this](void (Cantrix::*run)()) {
        return [this, run] {
            if (!m_restoring)
                (this->*run)();
        };
    };
    connect(&CategoryCombo, &ListControl::clicked, this, [this] {
        if (m_restoring)
            return;
        const int before = Summary2List.count();
        CategoryCombo_Click();
        tellDroppedRows(before - Summary2List.count());
    });
    connect(&TypeCombo, &ListControl::clicked, this, handler(&Cantrix::TypeCombo_Click));
    connect(&Modifier1List, &ListControl::clicked, this, handler(&Cantrix::Modifier1List_Click));
    connect(&ForceText, &TextControl::changed, this, [this] {
        if (m_restoring)
            return;
        ForceText_Change();
        tellForceProblem();
    });
}

void Cantrix::tellDroppedRows(int dropped)
{
    // A new category drops the modifiers chosen, as it must; a wheel turned by accident must
    // not lose them without a word.
    if (dropped == 1)
        m_platform.showStatus(tr("1 modifier row was dropped with the category: Edit > Undo brings it back."));
    else if (dropped > 1)
        m_platform.showStatus(tr("%1 modifier rows were dropped with the category: Edit > Undo brings them back.")
                                  .arg(dropped));
}

QString Cantrix::forceProblem() const
{
    static const QRegularExpression wholeFromOne(QStringLiteral("^0*[1-9][0-9]*$"));
    const QString force = forceInUse();
    if (force.isEmpty() || wholeFromOne.match(force).hasMatch())
        return QString();
    return tr("The force \"%1\" is not a whole number from 1 upwards; the drain code takes it as typed.").arg(force);
}

void Cantrix::tellForceProblem()
{
    const QString problem = forceProblem();
    if (problem == m_toldForceProblem)
        return;
    // The note goes once the force is mended, as the mark on the field does.
    m_platform.showStatus(problem);
    m_toldForceProblem = problem;
}

QList<ListControl *> Cantrix::lists()
{
    return {&CategoryCombo, &CategoryCombo1, &TypeCombo,      &TypeCombo1,
            &Modifier1List, &Modifier1List1, &Modifier2List,  &Modifier2List1,
            &Summary1List,  &Summary1List1,  &Summary2List,   &Summary2List1};
}

QString Cantrix::rulesFilePath() const
{
    return RulesFile::pathIn(m_platform.programDirectory());
}

void Cantrix::Form_Load()
{
    StartDesign();
}

void Cantrix::mnuNew_Click()
{
    startNew();
}

bool Cantrix::startNew()
{
    // Read before anything is cleared: a spell is given up only for a design that can start.
    // The one read then serves StartDesign as well, and within an Open the one made for it.
    const RulesFile::Contents rules = m_heldRules ? m_heldRules->contents : RulesFile::load(rulesFilePath());
    if (!rules.ok) {
        warnRulesUnusable(rules, true);
        emit designRefused();
        return false;
    }
    ClearControls();
    startDesignFrom(rules);
    return true;
}

void Cantrix::ClearControls()
{
    NameText.setText(QString());
    DrainText.setText(QString());
    CategoryCombo.clear();
    TypeCombo.clear();
    // Runs the force handler while the old summary rows are still there.
    ForceText.setText(QStringLiteral("1"));
    Modifier1List.clear();
    Modifier2List.clear();
    DescriptionText.setText(QString());
    Summary1List.clear();
    Summary2List.clear();
    CategoryCombo1.clear();
    TypeCombo1.clear();
    Modifier1List1.clear();
    Modifier2List1.clear();
    Summary1List1.clear();
    Summary2List1.clear();
}

void Cantrix::StartDesign()
{
    // The reader tells a missing file apart from an unreadable one, so the file is looked at
    // once rather than tested for first; within an Open it has been read already.
    const RulesReadOnce readOnce(*this);
    startDesignFrom(m_heldRules ? m_heldRules->contents : RulesFile::load(rulesFilePath()));
}

void Cantrix::startDesignFrom(const RulesFile::Contents &rules)
{
    // Start-up, New and Open read the file once, though the category selection they end with
    // would read it again; and the lists they fill are shown once they are full.
    const RulesReadOnce readOnce(*this);
    const ScreenUpdates::Hold hold(screenUpdates);

    CreationDate.clear();

    if (!rules.ok) {
        warnRulesUnusable(rules, false);
        closeWindow();
        return;
    }
    rulesReadAgain();
    if (!m_heldRules)
        m_heldRules = HeldRules{rules, {}, {}};

    const RulesReaders::CategoriesAndTypes found = RulesReaders::categoriesAndTypes(rules.lines);
    for (const RulesReaders::Entry &category : found.categories) {
        CategoryCombo.append(category.text);
        CategoryCombo1.append(category.tokens);
    }
    for (const RulesReaders::Entry &type : found.types) {
        TypeCombo.append(type.text);
        TypeCombo1.append(type.tokens);
    }

    Summary1List.clear();
    Summary1List1.clear();
    Summary1List.insert(0, QString::fromLatin1(chooseCategory));
    Summary1List.insert(1, QString::fromLatin1(chooseType));
    Summary1List.insert(2, QString::fromLatin1(chooseForce));
    // The modifier summary gets no blank rows: it must never hold twin rows its partner lacks.
    for (int i = 0; i < summaryTwinBlankRows; ++i)
        Summary1List1.append(QStringLiteral(" "));

    if (CategoryCombo.count() > 0)
        CategoryCombo.setSelectedIndex(0);
    if (TypeCombo.count() > 0)
        TypeCombo.setSelectedIndex(0);
    emit designStarted();
}

void Cantrix::warnRulesUnusable(const RulesFile::Contents &rules, bool spellStays)
{
    QString text = rules.missing ? tr(missingRulesText)
                                 : tr("Sorry, %1 cannot be read (%2). This file is needed for Cantrix to run")
                                       .arg(QDir::toNativeSeparators(rulesFilePath()), rules.error);
    if (spellStays) {
        // There is work on screen: say where the file was expected, and that the work is safe.
        if (rules.missing)
            text += QStringLiteral("\n\n")
                + tr("It was looked for in %1.").arg(QDir::toNativeSeparators(m_platform.programDirectory()));
        text += QStringLiteral("\n\n")
            + tr("The spell on screen stays as it is; New and Open work again once the file can be read.");
    }
    m_platform.showWarning(rules.missing ? tr(missingRulesTitle) : tr("File Unreadable!"), text);
}

void Cantrix::closeWindow()
{
    m_closed = true;
    m_platform.closeMainWindow();
    emit closed();
}

std::optional<QStringList> Cantrix::rulesLinesForHandler()
{
    if (m_heldRules)
        return m_heldRules->contents.lines; // shared, not copied
    RulesFile::Contents rules = RulesFile::load(rulesFilePath());
    if (!rules.ok) {
        if (!m_rulesProblemReported) {
            // Short enough for the status bar of a window of fixed width: the file lies in the
            // program folder, so its name says which file is meant.
            m_platform.showStatus(tr("%1 cannot be read (%2): nothing can be listed from it.")
                                      .arg(QString::fromLatin1(RulesFile::fileName), rules.error));
            m_rulesProblemReported = true;
        }
        return std::nullopt;
    }
    rulesReadAgain();
    if (m_rulesReadOnceDepth > 0)
        m_heldRules = HeldRules{rules, {}, {}};
    return std::move(rules.lines);
}

QList<RulesReaders::Entry> Cantrix::modifiersOf(const QString &category)
{
    const std::optional<QStringList> lines = rulesLinesForHandler();
    if (!lines)
        return {};
    if (!m_heldRules)
        return RulesReaders::categoryModifiers(*lines, category);
    auto known = m_heldRules->modifiersByCategory.constFind(category);
    if (known == m_heldRules->modifiersByCategory.cend())
        known = m_heldRules->modifiersByCategory.insert(category, RulesReaders::categoryModifiers(*lines, category));
    return known.value();
}

QList<RulesReaders::Entry> Cantrix::optionsOf(const QString &category, const QString &modifierText)
{
    const std::optional<QStringList> lines = rulesLinesForHandler();
    if (!lines)
        return {};
    if (m_heldRules)
        return heldOptionsOf(category, *lines).value(modifierText);
    return RulesReaders::modifierOptions(*lines, category, modifierText);
}

std::optional<bool> Cantrix::ownsOptions(const QString &category, const QString &modifierText)
{
    const std::optional<QStringList> lines = rulesLinesForHandler();
    if (!lines)
        return std::nullopt;
    if (m_heldRules)
        return heldOptionsOf(category, *lines).contains(modifierText);
    return RulesReaders::ownsOption(*lines, category, modifierText);
}

const QHash<QString, QList<RulesReaders::Entry>> &Cantrix::heldOptionsOf(const QString &category,
                                                                          const QStringList &lines)
{
    // Every modifier of the category at once: the next click or double-click finds its own.
    auto known = m_heldRules->optionsByCategory.find(category);
    if (known == m_heldRules->optionsByCategory.end())
        known = m_heldRules->optionsByCategory.insert(category, RulesReaders::optionsByModifier(lines, category));
    return known.value();
}

void Cantrix::rulesReadAgain()
{
    // The notice that the file could not be read would now be wrong: take it away.
    if (m_rulesProblemReported)
        m_platform.showStatus(QString());
    m_rulesProblemReported = false;
}
