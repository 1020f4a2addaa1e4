#include "app/rulesproblemsview.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "app/rulesproblemsdialog.h"
#include "design/cantrix.h"
#include "rulescheck/rulesproblems.h"

RulesProblemsView::RulesProblemsView(Cantrix &cantrix, QMainWindow *window)
    : QObject(window), m_cantrix(cantrix), m_window(window), m_problems(new RulesProblems(cantrix, this))
{
    // A normal status-bar label, not a permanent one: a passing message (such as the rules
    // file turning unreadable) takes the whole bar while it shows, and the count comes back
    // when it goes. A permanent label beside it would leave the message no room at all.
    m_count = new QLabel(window);
    m_count->setObjectName(QStringLiteral("lblRulesProblems"));
    // A long text is cut short rather than widen the window; its tooltip shows it whole.
    m_count->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    window->statusBar()->addWidget(m_count, 1);

    connect(m_problems, &RulesProblems::checked, this, &RulesProblemsView::showCount);
}

void RulesProblemsView::showCount()
{
    const RulesCheck::Report &report = m_problems->report();
    const int count = m_problems->count();
    if (m_problems->isMissing())
        m_count->setText(tr("%1 is missing: there is no rules data to check").arg(QString::fromLatin1(RulesFile::fileName)));
    else if (!report.readable)
        m_count->setText(tr("The rules data could not be checked (%1)").arg(report.error));
    else if (count == 0)
        m_count->setText(tr("Rules data checked: no problems"));
    else if (count == 1)
        m_count->setText(tr("The rules data has 1 problem \u2014 Rules > Show Rules Problems..."));
    else
        m_count->setText(tr("The rules data has %1 problems \u2014 Rules > Show Rules Problems...").arg(count));
    m_count->setToolTip(m_count->text());

    if (m_dialog)
        m_dialog->showReport(m_cantrix.rulesFilePath(), report);
}

void RulesProblemsView::showList()
{
    if (!m_dialog) {
        m_dialog = new RulesProblemsDialog(m_window);
        connect(m_dialog, &RulesProblemsDialog::checkAgainRequested, m_problems, &RulesProblems::check);
        m_dialog->showReport(m_cantrix.rulesFilePath(), m_problems->report());
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
