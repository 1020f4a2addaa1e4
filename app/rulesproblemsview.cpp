#include "app/rulesproblemsview.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "app/rulesproblemsdialog.h"
#include "windowmodel/cantrix.h"
#include "session/rulesproblems.h"

RulesProblemsView::RulesProblemsView(Cantrix &cantrix, RulesProblems &problems, QMainWindow *window)
    : QObject(window), m_cantrix(cantrix), m_window(window), m_problems(&problems)
{
    // A normal status-bar label, not a permanent one: a passing message (such as the rules
    // file turning unreadable) takes the whole bar while it shows, and the count comes back
    // when it goes. A permanent label beside it would leave the message no room at all.
    m_count = new QLabel(window);
    m_count->setObjectName(QStringLiteral("lblRulesProblems"));
    // A long text is cut short rather than widen the window; its tooltip shows it whole.
    m_count->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Compact at the right end of the bar, its words keep off the window's edge.
    m_count->setContentsMargins(0, 0, m_count->fontMetrics().averageCharWidth(), 0);
    window->statusBar()->addWidget(m_count, 1);

    connect(m_problems, &RulesProblems::checking, this, &RulesProblemsView::showCountText);
    connect(m_problems, &RulesProblems::checked, this, &RulesProblemsView::showCount);
}

void RulesProblemsView::showCount()
{
    showCountText();
    if (m_dialog)
        m_dialog->showReport(m_cantrix.rulesFilePath(), m_problems->report());
}

void RulesProblemsView::showCountText()
{
    const RulesCheck::Report &report = m_problems->report();
    const qint64 count = m_problems->count();
    QString sentence;
    QString compact;
    if (m_problems->isChecking()) {
        // A large file takes a while; the list keeps the last report until the new one is in.
        sentence = tr("Rules data: checking...");
        compact = tr("Rules: checking...");
    } else if (m_problems->isMissing()) {
        sentence = tr("%1 is missing: there is no rules data to check").arg(QString::fromLatin1(RulesFile::fileName));
        compact = tr("Rules: %1 missing").arg(QString::fromLatin1(RulesFile::fileName));
    } else if (!report.readable) {
        sentence = tr("The rules data could not be checked (%1)").arg(report.error);
        compact = tr("Rules: not checked");
    } else if (count == 0) {
        sentence = tr("Rules data checked: no problems");
        compact = tr("Rules: no problems");
    } else if (count == 1) {
        sentence = tr("The rules data has 1 problem \u2014 Rules > Show Rules Problems...");
        compact = tr("Rules: 1 problem");
    } else {
        sentence = tr("The rules data has %1 problems \u2014 Rules > Show Rules Problems...").arg(count);
        compact = tr("Rules: %1 problems").arg(count);
    }
    m_count->setText(m_compact ? compact : sentence);
    m_count->setToolTip(sentence);
}

void RulesProblemsView::setCompact(bool compact)
{
    m_compact = compact;
    // Compact, it takes just the room its words need and leaves the rest to its neighbour.
    m_count->setSizePolicy(compact ? QSizePolicy::Fixed : QSizePolicy::Ignored, QSizePolicy::Preferred);
    if (m_problems->isChecked() || m_problems->isChecking())
        showCountText();
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
