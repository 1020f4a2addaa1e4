#include "app/drainpreviewstatus.h"

#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QStatusBar>

#include "app/plaintooltip.h"
#include "app/spellchanges.h"
#include "windowmodel/cantrix.h"
#include "drain/drainpreview.h"
#include "drain/drainwords.h"

namespace {

// A label that ends a text too long for it with "…" instead of cutting it off mid-letter.
class ElidingLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
    }
};

// The preview's share of the bar beside the other labels, when it has something to say.
constexpr int previewStretch = 3;

} // namespace

DrainPreviewStatus::DrainPreviewStatus(Cantrix &cantrix, SpellChanges &changes, QMainWindow *window)
    : QObject(window), m_cantrix(cantrix), m_label(new ElidingLabel(window))
{
    m_label->setObjectName(QStringLiteral("lblDrainPreview"));
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
    QString text = DrainPreview::ofSelection(m_cantrix.drainInputs()).statusText();
    if (text.isEmpty())
        text = DrainWords::levelPastTable(m_cantrix.drainTotals().level);
    m_label->setText(text);
    m_label->setToolTip(plainToolTip(text));
    const bool shown = !text.isEmpty();
    if (shown == m_shown)
        return;
    m_shown = shown;
    m_label->setMaximumWidth(shown ? QWIDGETSIZE_MAX : 0);
    emit this->shown(shown);
}
