#pragma once

#include <functional>

#include <QByteArray>
#include <QList>
#include <QString>

// The attributes of one element, in the order they stand in the element, read by 0-based
// index. Values arrive decoded: entity and character references are already replaced.
class XmlAttributeList final
{
public:
    struct Attribute
    {
        QString name;
        QString value;
    };

    XmlAttributeList() = default;
    explicit XmlAttributeList(QList<Attribute> attributes) : m_attributes(std::move(attributes)) {}

    int length() const { return int(m_attributes.size()); }
    // Name and value at `index`; an index outside the list gives "".
    QString getQName(int index) const;
    QString getValue(int index) const;

private:
    QList<Attribute> m_attributes;
};

// The events an XML document is reported through, in document order. A handler left empty is
// not called, so a well-formedness check subscribes to nothing.
struct XmlEvents
{
    std::function<void()> startDocument;
    std::function<void()> endDocument;
    std::function<void(const QString &sName, const XmlAttributeList &pAttributeList)> startElement;
    std::function<void(const QString &sName)> endElement;
    std::function<void(const QString &sCharacter, int iLength)> characters;
    std::function<void(const QString &sComment)> comment;
    std::function<void(const QString &sTarget, const QString &sData)> processingInstruction;
};

struct XmlParseResult
{
    bool ok = false;
    QString reason; // the parser's own words, when !ok
    qint64 line = 0;   // where the parser stopped, counted from 1
    qint64 column = 0;
};

// An event-driven reader over QXmlStreamReader: reports every element, also an empty one, with
// its attributes in order, before parse() returns. Names are reported as written (no namespace
// processing). It never loads a DTD or an external entity, and it refuses documents that
// declare entities of their own, so nothing is ever expanded beyond the predefined entities
// and character references. Markup that would cost the reader time out of proportion to the
// file's size is refused before reading (XmlMarkupLimits).
//
// Encoding: a byte-order mark or a declared encoding is honoured; a document that declares
// none is UTF-8, or Windows-1252 when its bytes are not valid UTF-8 (documents written by
// older 8-bit tools).
namespace XmlEventParser {

XmlParseResult parse(const QByteArray &document, const XmlEvents &events);

} // namespace XmlEventParser
