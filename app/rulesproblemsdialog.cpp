#include "app/rulesproblemsdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/screenfit.h"

namespace {

enum Column { LineColumn, CharacterColumn, ProblemColumn, HintColumn };

} // namespace

RulesProblemsDialog::RulesProblemsDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRulesProblems"));
    setWindowTitle(tr("Rules Problems"));
    setModal(false);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstProblems"));
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels({tr("Line"), tr("Column"), tr("Problem"), tr("How to mend it")});
    m_list->header()->setSectionResizeMode(LineColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(CharacterColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(ProblemColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(HintColumn, QHeaderView::Stretch);

    m_detail = new QLabel(this);
    m_detail->setObjectName(QStringLiteral("lblDetail"));
    m_detail->setWordWrap(true);
    m_detail->setTextFormat(Qt::PlainText);
    m_detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_detail->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_detail->setMinimumHeight(m_detail->fontMetrics().lineSpacing() * 4);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &RulesProblemsDialog::showDetail);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *checkAgain = buttons->addButton(tr("Check &Again"), QDialogButtonBox::ActionRole);
    checkAgain->setObjectName(QStringLiteral("cmdCheckAgain"));
    connect(checkAgain, &QPushButton::clicked, this, &RulesProblemsDialog::checkAgainRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_detail);
    layout->addWidget(buttons);
    ScreenFit::resize(this, QSize(820, 360));
}

void RulesProblemsDialog::showReport(const QString &path, const RulesCheck::Report &report)
{
    const QString file = QDir::toNativeSeparators(path);
    if (!report.readable)
        m_summary->setText(tr("%1 could not be checked: %2").arg(file, report.error));
    else if (report.diagnostics.isEmpty())
        m_summary->setText(tr("%1 has no problems.").arg(file));
    else if (report.problems == 1)
        m_summary->setText(tr("%1 has 1 problem.").arg(file));
    else if (report.problems == report.diagnostics.size())
        m_summary->setText(tr("%1 has %2 problems.").arg(file, QString::number(report.problems)));
    else
        m_summary->setText(tr("%1 has %2 problems; the first %3 are listed here, and gx2check lists them all.")
                               .arg(file, QString::number(report.problems), QString::number(report.diagnostics.size())));

    m_list->clear();
    for (const RulesCheck::Diagnostic &diagnostic : report.diagnostics) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(LineColumn, QString::number(diagnostic.line));
        item->setText(CharacterColumn, QString::number(diagnostic.column));
        item->setText(ProblemColumn, diagnostic.sentence());
        item->setText(HintColumn, diagnostic.hint);
        item->setToolTip(ProblemColumn, diagnostic.sentence());
        item->setToolTip(HintColumn, diagnostic.hint);
        item->setTextAlignment(LineColumn, Qt::AlignRight | Qt::AlignTop);
        item->setTextAlignment(CharacterColumn, Qt::AlignRight | Qt::AlignTop);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    showDetail();
}

void RulesProblemsDialog::showDetail()
{
    const QTreeWidgetItem *item = m_list->currentItem();
    if (!item) {
        m_detail->clear();
        return;
    }
    m_detail->setText(tr("Line %1, column %2: %3\n\nHow to mend it: %4")
                          .arg(item->text(LineColumn), item->text(CharacterColumn), item->text(ProblemColumn),
                               item->text(HintColumn)));
}
