#include "app/spellchanges.h"

#include "windowmodel/cantrix.h"

SpellChanges::SpellChanges(Cantrix &cantrix, QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(0);
    connect(&m_settle, &QTimer::timeout, this, &SpellChanges::settled);
    const auto changed = [this] {
        if (!m_settle.isActive())
            m_settle.start();
    };
    for (ListControl *list : cantrix.lists())
        connect(list, &ListControl::changed, this, changed);
    for (TextControl *text : {&cantrix.NameText, &cantrix.ForceText, &cantrix.DrainText, &cantrix.DescriptionText})
        connect(text, &TextControl::changed, this, changed);
    // Once at the start too, for a spell composed before the view was made.
    m_settle.start();
}
