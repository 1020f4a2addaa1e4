#include "windowmodel/stepname.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "windowmodel/spellsnapshot.h"

namespace StepName {

namespace {

// Where the parts stand in a snapshot (spellsnapshot.cpp).
constexpr int categoryList = 0;
constexpr int typeList = 2;
constexpr int modifierSummary = 10;
constexpr int nameText = 0;
constexpr int forceText = 1;
constexpr int descriptionText = 3;

QString tr(const char *text)
{
    return QCoreApplication::translate("StepName", text);
}

QString selectedRow(const SpellSnapshot::List &list)
{
    return list.rows.value(list.selected);
}

// The first row where `longer` and `shorter` part, which `longer` has and `shorter` lacks.
QString rowOnlyIn(const QStringList &longer, const QStringList &shorter)
{
    qsizetype i = 0;
    while (i < shorter.size() && longer.at(i) == shorter.at(i))
        ++i;
    return longer.value(i);
}

} // namespace

QString between(const SpellSnapshot &before, const SpellSnapshot &after, bool designStarted)
{
    if (designStarted) {
        if (!after.documentPath.isEmpty() && after.documentPath != before.documentPath)
            return tr("Open '%1'").arg(QFileInfo(after.documentPath).fileName());
        const bool composed = !after.texts[nameText].isEmpty() || !after.texts[descriptionText].isEmpty()
            || !after.lists[modifierSummary].rows.isEmpty();
        return composed ? tr("Restore Last Spell") : tr("New");
    }
    if (before.lists[categoryList].selected != after.lists[categoryList].selected)
        return tr("Choose Category '%1'").arg(selectedRow(after.lists[categoryList]));
    if (before.lists[typeList].selected != after.lists[typeList].selected)
        return tr("Choose Type '%1'").arg(selectedRow(after.lists[typeList]));
    const QStringList &was = before.lists[modifierSummary].rows;
    const QStringList &is = after.lists[modifierSummary].rows;
    if (is.size() > was.size())
        return tr("Add Modifier '%1'").arg(rowOnlyIn(is, was));
    if (is.size() < was.size())
        return tr("Remove Modifier '%1'").arg(rowOnlyIn(was, is));
    if (is != was)
        return tr("Change Modifier '%1'").arg(rowOnlyIn(is, was));
    if (before.texts[nameText] != after.texts[nameText])
        return tr("Name Change");
    if (before.texts[forceText] != after.texts[forceText])
        return tr("Force Change");
    if (before.texts[descriptionText] != after.texts[descriptionText])
        return tr("Description Change");
    return tr("Change");
}

} // namespace StepName
