#pragma once

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

// The start of one element: its name as written and its attributes.
struct XmlElement
{
    QString name;
    XmlAttributeList attributes;
};

struct XmlElements
{
    bool ok = false;
    QString reason;    // the reader's own words, when !ok, with control characters made visible
    qint64 line = 0;   // where the reader stopped, counted from 1
    qint64 column = 0;
    QList<XmlElement> elements; // every element, also an empty one, in document order
};

// Reads a whole document over QXmlStreamReader and gives every element's start, the only part
// of a spell document that carries anything, once the document has proved well-formed. Names
// are given as written (no namespace processing). It never loads a DTD or an external entity,
// and it refuses documents that declare entities of their own, and references to entities that
// nothing defines, so nothing is ever expanded beyond the predefined entities and character
// references. Markup that would cost the reader time out of proportion to the file's size is
// refused before reading (XmlMarkupLimits).
//
// Encoding: a byte-order mark or a declared encoding is honoured; a document that declares
// none is UTF-8, or Windows-1252 when its bytes are not valid UTF-8 (documents written by
// older 8-bit tools).
namespace XmlElementReader {

XmlElements read(const QByteArray &document);

} // namespace XmlElementReader
