#include "design/cantrix.h"

#include <QDir>
#include <QFileInfo>

#include "design/rulesreaders.h"

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
    connect(&CategoryCombo, &ListControl::clicked, this, handler(&Cantrix::CategoryCombo_Click));
    connect(&TypeCombo, &ListControl::clicked, this, handler(&Cantrix::TypeCombo_Click));
    connect(&Modifier1List, &ListControl::clicked, this, handler(&Cantrix::Modifier1List_Click));
    connect(&ForceText, &TextControl::changed, this, handler(&Cantrix::ForceText_Change));
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
    // The one read then serves StartDesign as well.
    const RulesFile::Contents rules = RulesFile::load(rulesFilePath());
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
    // once rather than tested for first.
    startDesignFrom(RulesFile::load(rulesFilePath()));
}

void Cantrix::startDesignFrom(const RulesFile::Contents &rules)
{
    // The program folder becomes the current one. Asking first is cheaper than changing it on
    // every New, and after the first start-up it is the current folder already.
    const QString programDirectory = m_platform.programDirectory();
    if (QDir::currentPath() != QDir(programDirectory).absolutePath())
        QDir::setCurrent(programDirectory);
    CreationDate.clear();

    if (!rules.ok) {
        warnRulesUnusable(rules, false);
        closeWindow();
        return;
    }
    rulesReadAgain();

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

    m_startupLines = &rules.lines;
    if (CategoryCombo.count() > 0)
        CategoryCombo.setSelectedIndex(0);
    if (TypeCombo.count() > 0)
        TypeCombo.setSelectedIndex(0);
    m_startupLines = nullptr;
    emit designStarted();
}

void Cantrix::warnRulesUnusable(const RulesFile::Contents &rules, bool spellStays)
{
    QString text = rules.missing ? QString::fromLatin1(missingRulesText)
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
    m_platform.showWarning(rules.missing ? QString::fromLatin1(missingRulesTitle) : tr("File Unreadable!"), text);
}

void Cantrix::closeWindow()
{
    m_closed = true;
    m_platform.closeMainWindow();
    emit closed();
}

std::optional<QStringList> Cantrix::rulesLinesForHandler()
{
    if (m_startupLines)
        return *m_startupLines; // shared, not copied
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
    return std::move(rules.lines);
}

void Cantrix::rulesReadAgain()
{
    // The notice that the file could not be read would now be wrong: take it away.
    if (m_rulesProblemReported)
        m_platform.showStatus(QString());
    m_rulesProblemReported = false;
}
