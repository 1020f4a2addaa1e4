#pragma once

#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

#include "documents/xmlelementreader.h"

class Cantrix;

// The design window's handling of one spell document's elements while it is read into the
// window. Each element takes effect when its start is handed over, in document order, exactly
// as if the user had made the same choices: a category element selects the category (which
// drops the modifiers chosen so far), so modifiers standing before it are lost. The document's
// outline, text, comments and processing instructions carry nothing the window shows.
class SpellDocumentReader final
{
    Q_DISABLE_COPY_MOVE(SpellDocumentReader)

public:
    explicit SpellDocumentReader(Cantrix &window);

    void parser_startElement(const QString &sName, const XmlAttributeList &pAttributeList);

private:
    enum class Choice { Category, Type };
    void applyChoice(Choice choice, const QString &value, const QString &modifier);
    void applyForce(const QString &modifier);
    // The choices of a list in lower case, made once per document: no element changes them.
    const QStringList &loweredChoices(Choice choice);

    Cantrix &m_window;
    std::optional<QStringList> m_loweredCategories;
    std::optional<QStringList> m_loweredTypes;
};
