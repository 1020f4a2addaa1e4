#pragma once

#include <QString>

#include "documents/xmleventparser.h"

class Cantrix;

// The design window's handlers of the document parser's events while one spell document is
// read into it. Each element takes effect the moment its start is reported, in document
// order, exactly as if the user had made the same choices: a category element selects the
// category (which drops the modifiers chosen so far), so modifiers standing before it are lost.
class SpellDocumentReader final
{
    Q_DISABLE_COPY_MOVE(SpellDocumentReader)

public:
    explicit SpellDocumentReader(Cantrix &window);

    // The subscription of these handlers to the parser's events.
    XmlEvents events();

    void parser_startDocument();
    void parser_endDocument();
    void parser_startElement(const QString &sName, const XmlAttributeList &pAttributeList);
    void parser_endElement(const QString &sName);
    void parser_characters(const QString &sCharacter, int iLength);
    void parser_comment(const QString &sComment);
    void parser_processingInstruction(const QString &sTarget, const QString &sData);

private:
    enum class Choice { Category, Type };
    void applyChoice(Choice choice, const QString &value, const QString &modifier);
    void applyForce(const QString &modifier);

    Cantrix &m_window;
};
