#include "app/drainbreakdowndialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/plaintooltip.h"
#include "app/screenfit.h"
#include "drain/drainbreakdown.h"
#include "drain/drainwords.h"

namespace {

enum Column { NameColumn, TextColumn, TokensColumn, LevelColumn, DrainModifierColumn };

void fillRow(QTreeWidgetItem *item, const DrainBreakdown::Row &row, bool counted)
{
    item->setText(NameColumn, row.name());
    item->setText(TextColumn, row.text);
    item->setText(TokensColumn, row.tokens.trimmed());
    item->setToolTip(TextColumn, plainToolTip(row.text));
    item->setToolTip(TokensColumn, plainToolTip(DrainWords::tokens(row.tokens)));
    if (counted) {
        item->setText(LevelColumn, Drain::signedNumber(row.share.level));
        item->setText(DrainModifierColumn, Drain::signedNumber(row.share.drainModifier));
        item->setTextAlignment(LevelColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(DrainModifierColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (const QString &token : row.skipped)
        new QTreeWidgetItem(item, {QString(), DrainBreakdown::skippedNote(token)});
}

} // namespace

DrainBreakdownDialog::DrainBreakdownDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDrainBreakdown"));
    setWindowTitle(tr("Drain Breakdown"));
    setModal(false);

    m_rows = new QTreeWidget(this);
    m_rows->setObjectName(QStringLiteral("lstDrainRows"));
    m_rows->setAlternatingRowColors(true);
    m_rows->setHeaderLabels({tr("Row"), tr("Summary"), tr("Tokens"), tr("Level"), tr("Drain modifier")});
    m_rows->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rows->header()->setSectionResizeMode(TextColumn, QHeaderView::Stretch);
    m_rows->header()->setStretchLastSection(false);

    auto *totals = new QFormLayout;
    m_force = totalLabel("lblForceHalved");
    m_drainModifier = totalLabel("lblDrainModifier");
    m_level = totalLabel("lblLevelTotal");
    m_code = totalLabel("lblDrainCode");
    QFont bold = m_code->font();
    bold.setBold(true);
    m_code->setFont(bold);
    totals->addRow(tr("Force divided by two:"), m_force);
    totals->addRow(tr("Drain modifier:"), m_drainModifier);
    totals->addRow(tr("Level total:"), m_level);
    totals->addRow(tr("Drain code:"), m_code);

    m_notes = totalLabel("lblNotes");
    m_notes->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_rows, 1);
    layout->addLayout(totals);
    layout->addWidget(m_notes);
    layout->addWidget(buttons);
    ScreenFit::resize(this, QSize(620, 420));
}

QLabel *DrainBreakdownDialog::totalLabel(const char *name)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void DrainBreakdownDialog::showBreakdown(const DrainBreakdown &breakdown)
{
    m_rows->clear();
    for (const DrainBreakdown::Row &row : breakdown.counted)
        fillRow(new QTreeWidgetItem(m_rows), row, true);
    if (!breakdown.notCounted.isEmpty()) {
        auto *group = new QTreeWidgetItem(m_rows);
        group->setText(NameColumn, tr("Not counted: rows past the thirteenth"));
        group->setFirstColumnSpanned(true);
        for (const DrainBreakdown::Row &row : breakdown.notCounted)
            fillRow(new QTreeWidgetItem(group), row, false);
    }
    m_rows->expandAll();
    // Branches only where there is something below a row: skipped tokens, uncounted rows.
    bool branches = !breakdown.notCounted.isEmpty();
    for (int i = 0; i < m_rows->topLevelItemCount() && !branches; ++i)
        branches = m_rows->topLevelItem(i)->childCount() > 0;
    m_rows->setRootIsDecorated(branches);

    m_force->setText(breakdown.forceHalved());
    m_drainModifier->setText(Drain::signedNumber(breakdown.totals.drainModifier));
    m_level->setText(tr("%1, letter %2").arg(QString::number(breakdown.totals.level), breakdown.letter()));
    m_code->setText(breakdown.code);

    const QStringList notes = breakdown.notes();
    m_notes->setText(notes.join(u'\n'));
    m_notes->setVisible(!notes.isEmpty());
}
