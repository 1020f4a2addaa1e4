#include "documents/xmleventparser.h"

#include <algorithm>
#include <tuple>

#include <QXmlStreamReader>

#include "design/legacytext.h"
#include "documents/xmlmarkuplimits.h"

QString XmlAttributeList::getQName(int index) const
{
    return index >= 0 && index < m_attributes.size() ? m_attributes.at(index).name : QString();
}

QString XmlAttributeList::getValue(int index) const
{
    return index >= 0 && index < m_attributes.size() ? m_attributes.at(index).value : QString();
}

namespace XmlEventParser {

namespace {

bool startsWithByteOrderMark(const QByteArray &document)
{
    return document.startsWith("\xEF\xBB\xBF") || document.startsWith("\xFF\xFE")
        || document.startsWith("\xFE\xFF");
}

// Whether the XML declaration names an encoding. Only an ASCII-compatible declaration can be
// read here; UTF-16 and UTF-32 documents carry a byte-order mark or are valid UTF-8 bytes to
// the check below, and either way go to the XML reader unchanged.
bool declaresEncoding(const QByteArray &document)
{
    if (!document.startsWith("<?xml"))
        return false;
    const qsizetype end = document.indexOf("?>");
    return end > 0 && document.left(end).contains("encoding");
}

// Feeds the reader: bytes when the reader is to find the encoding itself, decoded text when
// the document is an undeclared 8-bit one. Text handed over as a QString makes the reader
// ignore any declaration, which is why only undeclared documents take that path.
void feed(QXmlStreamReader &reader, const QByteArray &document)
{
    if (startsWithByteOrderMark(document) || declaresEncoding(document)) {
        reader.addData(document);
        return;
    }
    bool legacy = false;
    const QString decoded = LegacyText::decodeUtf8OrWindows1252(document, &legacy);
    if (legacy)
        reader.addData(decoded);
    else
        reader.addData(document);
}

// Element and attribute names repeat all through a document: each distinct name becomes a
// string once per parse and is shared from then on, rather than copied at every element.
class NameStrings final
{
public:
    QString operator()(QStringView name)
    {
        for (const QString &known : m_known) {
            if (known == name)
                return known;
        }
        QString made = name.toString();
        if (m_known.size() < kept) // a document of ever new names gains nothing from keeping them
            m_known.append(made);
        return made;
    }

private:
    static constexpr qsizetype kept = 32;
    QList<QString> m_known;
};

XmlAttributeList attributesOf(const QXmlStreamReader &reader, NameStrings &names)
{
    QList<XmlAttributeList::Attribute> attributes;
    const QXmlStreamAttributes found = reader.attributes();
    attributes.reserve(found.size());
    for (const QXmlStreamAttribute &attribute : found)
        attributes.append({names(attribute.qualifiedName()), attribute.value().toString()});
    return XmlAttributeList(std::move(attributes));
}

// Calls the handler with the arguments `makeArguments` returns, built only when there is a
// handler: a check for well-formedness subscribes to nothing and pays for no copies.
template<typename Handler, typename MakeArguments>
void report(const Handler &handler, MakeArguments makeArguments)
{
    if (handler)
        std::apply(handler, makeArguments());
}

} // namespace

XmlParseResult parse(const QByteArray &document, const XmlEvents &events)
{
    if (const std::optional<XmlMarkupLimits::Breach> breach = XmlMarkupLimits::check(document))
        return {false, breach->reason, breach->line, breach->column};

    QXmlStreamReader reader;
    reader.setNamespaceProcessing(false);
    feed(reader, document);
    NameStrings names;

    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            report(events.startDocument, [] { return std::tuple(); });
            break;
        case QXmlStreamReader::EndDocument:
            report(events.endDocument, [] { return std::tuple(); });
            break;
        case QXmlStreamReader::StartElement:
            report(events.startElement,
                   [&] { return std::tuple(names(reader.qualifiedName()), attributesOf(reader, names)); });
            break;
        case QXmlStreamReader::EndElement:
            report(events.endElement, [&] { return std::tuple(names(reader.qualifiedName())); });
            break;
        case QXmlStreamReader::Characters:
            report(events.characters, [&reader] {
                QString text = reader.text().toString();
                const int length = int(text.size());
                return std::tuple(std::move(text), length);
            });
            break;
        case QXmlStreamReader::Comment:
            report(events.comment, [&reader] { return std::tuple(reader.text().toString()); });
            break;
        case QXmlStreamReader::ProcessingInstruction:
            report(events.processingInstruction, [&reader] {
                return std::tuple(reader.processingInstructionTarget().toString(),
                                  reader.processingInstructionData().toString());
            });
            break;
        case QXmlStreamReader::DTD:
            // Entities declared by a document could expand without bound; a spell document
            // never declares any.
            if (!reader.entityDeclarations().isEmpty())
                reader.raiseError(QStringLiteral("The document declares entities of its own, which are not accepted."));
            break;
        case QXmlStreamReader::EntityReference:
            // Only reported for an entity that is declared nowhere (for instance in an
            // external DTD, which is never loaded).
            reader.raiseError(QStringLiteral("The entity %1 is not defined.").arg(reader.name().toString()));
            break;
        default:
            break;
        }
    }

    XmlParseResult result;
    result.ok = !reader.hasError();
    if (!result.ok) {
        result.reason = reader.errorString();
        result.line = reader.lineNumber();
        // The reader counts the characters it has read on the line, the offending one included,
        // which is that character's column counted from 1; at the very start of a line (a
        // document that breaks off) nothing is read yet, and column 1 is where it stopped.
        result.column = std::max<qint64>(1, reader.columnNumber());
    }
    return result;
}

} // namespace XmlEventParser
