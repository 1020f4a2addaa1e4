#include "windowmodel/listcontrol.h"

ListControl::ListControl(const QString &name, QObject *parent)
    : QObject(parent), m_name(name)
{
}

QString ListControl::row(int i) const
{
    return (i >= 0 && i < m_rows.size()) ? m_rows.at(i) : QString();
}

void ListControl::append(const QString &text)
{
    m_rows.append(text);
    emit rowInserted(int(m_rows.size()) - 1);
    emit changed();
}

void ListControl::insert(int i, const QString &text)
{
    if (i < 0)
        return;
    if (i >= m_rows.size()) {
        append(text);
        return;
    }
    m_rows.insert(i, text);
    if (m_selected >= i)
        ++m_selected;
    emit rowInserted(i);
    emit changed();
}

void ListControl::remove(int i)
{
    if (i < 0 || i >= m_rows.size())
        return;
    m_rows.removeAt(i);
    if (m_selected == i)
        m_selected = -1;
    else if (m_selected > i)
        --m_selected;
    emit rowRemoved(i);
    emit changed();
}

void ListControl::replace(int i, const QString &text)
{
    insert(i, text);
    remove(i + 1);
}

void ListControl::clear()
{
    // Not clear(): that keeps the room of every row for the rows to come, and a list of a
    // hundred thousand modifiers would lend it to each short list after it, in every snapshot.
    m_rows = QStringList();
    m_selected = -1;
    emit cleared();
    emit changed();
}

void ListControl::restore(const QStringList &rows, int selected)
{
    m_rows = rows;
    m_selected = (selected >= 0 && selected < m_rows.size()) ? selected : -1;
    emit replaced();
    emit changed();
}

void ListControl::shareRows(const QStringList &equalRows)
{
    if (equalRows == m_rows)
        m_rows = equalRows;
}

void ListControl::setSelectedIndex(int i)
{
    if (i < -1 || i >= m_rows.size() || i == m_selected)
        return;
    m_selected = i;
    emit changed();
    if (i != -1)
        emit clicked();
}
