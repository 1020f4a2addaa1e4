#include "bench/rulesscene.h"

#include <QFile>
#include <QHash>

#include "rules/rulesline.h"
#include "rules/rulesreaders.h"

RulesScene::RulesScene(const QString &label, const QString &rulesFile)
    : m_label(label), m_platform(m_folder.path()), m_model(m_platform)
{
    if (!m_folder.isValid() || !QFile::copy(rulesFile, rulesPath())) {
        m_error = QStringLiteral("cannot copy %1 into a program folder").arg(rulesFile);
        return;
    }
    m_model.StartDesign();
    if (m_model.isClosed() || m_model.CategoryCombo.count() == 0) {
        m_error = QStringLiteral("%1 lists no category").arg(rulesFile);
        return;
    }
    pickRows();
}

QString RulesScene::rulesPath() const
{
    return RulesFile::pathIn(m_folder.path());
}

void RulesScene::pickRows()
{
    const QStringList lines = RulesFile::load(rulesPath()).lines;

    // Counted in one pass rather than by selecting every category, which on a large file
    // would read it once per category.
    QHash<QString, int> modifierCounts;
    QString section;
    for (const QString &line : lines) {
        const QChar marker = RulesLine::marker(line);
        if (marker == RulesLine::categoryMarker)
            section = RulesLine::categoryOrTypeName(line);
        else if (!section.isNull() && RulesLine::isModifierMarker(marker))
            ++modifierCounts[section];
    }
    int most = -1;
    for (int i = 0; i < m_model.CategoryCombo.count(); ++i) {
        const int count = modifierCounts.value(m_model.CategoryCombo.row(i));
        if (count > most) {
            most = count;
            m_category = i;
        }
    }

    selectCategory();
    const QString category = m_model.CategoryCombo.text();
    for (int i = 0; i < m_model.Modifier1List.count(); ++i) {
        const bool owns = RulesReaders::ownsOption(lines, category, m_model.Modifier1List.row(i));
        if (owns && m_modifierWithOptions < 0)
            m_modifierWithOptions = i;
        if (!owns && !m_model.Modifier1List.row(i).isEmpty())
            m_standaloneModifier = i;
    }
}

void RulesScene::selectCategory()
{
    if (m_model.CategoryCombo.selectedIndex() != m_category)
        m_model.CategoryCombo.setSelectedIndex(m_category);
}

void RulesScene::fillSummary()
{
    selectCategory();
    m_model.Summary2List.clear();
    m_model.Summary2List1.clear();
    for (int i = 0; i < Cantrix::countedSummaryRows; ++i) {
        const int row = m_model.Modifier1List.count() > 0 ? i % m_model.Modifier1List.count() : -1;
        m_model.Summary2List.append(m_model.Modifier1List.row(row));
        // Every counted row carries tokens, so the scan has its full share of work.
        const QString tokens = m_model.Modifier1List1.row(row);
        m_model.Summary2List1.append(tokens.isEmpty() ? QStringLiteral("+1 -2DRT +3") : tokens);
    }
}
