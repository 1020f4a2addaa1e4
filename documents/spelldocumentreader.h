#pragma once

#include <QCoreApplication>
#include <QList>
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
    Q_DECLARE_TR_FUNCTIONS(SpellDocumentReader)

public:
    // The outermost element of every spell document.
    static constexpr auto rootElement = "common";

    explicit SpellDocumentReader(Cantrix &window);

    // Whether an element of this name does anything to the window (names match in any case).
    static bool takesElement(const QString &sName);

    // What the user must be told once the document at `shownPath` has been read: each stored
    // category or type the rules data has no choice for, and the one shown instead. "" when
    // every stored choice was found.
    QString choicesNotFound(const QString &shownPath) const;

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
    // Stored values that matched no choice, in document order.
    QList<std::pair<Choice, QString>> m_notFound;
};
