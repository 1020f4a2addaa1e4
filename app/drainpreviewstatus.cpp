#include "app/drainpreviewstatus.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "app/spellchanges.h"
#include "design/cantrix.h"
#include "design/drainpreview.h"
#include "design/drainwords.h"

namespace {

// The preview's share of the bar beside the other labels, when it has something to say.
constexpr int previewStretch = 3;

} // namespace

DrainPreviewStatus::DrainPreviewStatus(Cantrix &cantrix, SpellChanges &changes, QMainWindow *window)
    : QObject(window), m_cantrix(cantrix), m_label(new QLabel(window))
{
    m_label->setObjectName(QStringLiteral("lblDrainPreview"));
    m_label->setTextFormat(Qt::PlainText);
    // The window keeps its designed size: a long text is cut short, and its tooltip shows it
    // whole. A normal label, as the others: a passing notice takes the whole bar while it shows.
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Without anything to say it takes no width, rather than being hidden: the bar shows its
    // labels again by itself after each passing notice.
    m_label->setMaximumWidth(0);
    window->statusBar()->insertWidget(0, m_label, previewStretch);
    connect(&changes, &SpellChanges::settled, this, &DrainPreviewStatus::refresh);
}

void DrainPreviewStatus::refresh()
{
    QString text = DrainPreview::ofSelection(m_cantrix).statusText();
    if (text.isEmpty())
        text = DrainWords::levelPastTable(Drain::totalsOf(m_cantrix.Summary1List1.rows(), m_cantrix.Summary2List1.rows()).level);
    m_label->setText(text);
    m_label->setToolTip(text);
    const bool shown = !text.isEmpty();
    if (shown == m_shown)
        return;
    m_shown = shown;
    m_label->setMaximumWidth(shown ? QWIDGETSIZE_MAX : 0);
    emit this->shown(shown);
}
