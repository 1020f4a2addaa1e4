#include "app/drainbreakdownview.h"

#include <QMainWindow>

#include "app/drainbreakdowndialog.h"
#include "app/plaintooltip.h"
#include "app/spellchanges.h"
#include "windowmodel/cantrix.h"
#include "drain/drainbreakdown.h"

DrainBreakdownView::DrainBreakdownView(Cantrix &cantrix, SpellChanges &changes, QMainWindow *window,
                                       QWidget *drainField)
    : QObject(window), m_cantrix(cantrix), m_window(window), m_drainField(drainField)
{
    connect(&changes, &SpellChanges::settled, this, &DrainBreakdownView::refresh);
}

void DrainBreakdownView::refresh()
{
    const DrainBreakdown breakdown = DrainBreakdown::of(m_cantrix.drainInputs());
    m_drainField->setToolTip(plainToolTip(breakdown.lines().join(u'\n')));
    if (m_dialog)
        m_dialog->showBreakdown(breakdown);
}

void DrainBreakdownView::showWindow()
{
    if (!m_dialog) {
        m_dialog = new DrainBreakdownDialog(m_window);
        m_dialog->showBreakdown(DrainBreakdown::of(m_cantrix.drainInputs()));
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
