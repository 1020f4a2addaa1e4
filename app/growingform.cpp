#include "app/growingform.h"

#include <QEvent>
#include <QWidget>

#include "app/formstyle.h"

GrowingForm::GrowingForm(QWidget *form, QSize designedTwips)
    : QObject(form), m_form(form),
      m_designed(FormStyle::fromTwips(form, 0, 0, designedTwips.width(), designedTwips.height()).size())
{
    m_form->setMinimumSize(m_designed);
    m_form->resize(m_designed);
    m_form->installEventFilter(this);
}

void GrowingForm::add(QWidget *control, const QRect &twips, Growth horizontal, Growth vertical)
{
    m_controls.append({control, twips, horizontal, vertical});
    place(m_controls.constLast());
}

bool GrowingForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Resize) {
        for (const Control &control : std::as_const(m_controls))
            place(control);
    }
    return QObject::eventFilter(watched, event);
}

void GrowingForm::place(const Control &control) const
{
    if (!control.widget)
        return;
    const QRect designed = FormStyle::fromTwips(control.widget, control.twips.x(), control.twips.y(),
                                                control.twips.width(), control.twips.height());
    const int roomX = qMax(0, m_form->width() - m_designed.width());
    const int roomY = qMax(0, m_form->height() - m_designed.height());
    // Edges are moved rather than sizes, so neighbours that share out the same room keep the
    // gaps they were designed with.
    const auto edge = [](int designedEdge, int room, double share) { return designedEdge + qRound(room * share); };
    const Growth &h = control.horizontal;
    const Growth &v = control.vertical;
    const int left = edge(designed.left(), roomX, h.move);
    const int right = edge(designed.left() + designed.width(), roomX, h.move + h.grow);
    const int top = edge(designed.top(), roomY, v.move);
    const int bottom = edge(designed.top() + designed.height(), roomY, v.move + v.grow);
    control.widget->setGeometry(left, top, right - left, bottom - top);
}
