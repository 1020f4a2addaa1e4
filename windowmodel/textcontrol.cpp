#include "windowmodel/textcontrol.h"

TextControl::TextControl(const QString &name, const QString &initial, QObject *parent)
    : QObject(parent), m_name(name), m_text(initial)
{
}

void TextControl::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit changed();
}
