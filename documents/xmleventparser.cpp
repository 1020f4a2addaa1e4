#include "xmleventparser.h"

#include <algorithm>
#include <tuple>

#include <QStringDecoder>
#include <QXmlStreamReader>

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

bool isValidUtf8(const QByteArray &document)
{
    // Decoded piece by piece into a small buffer: only whether it decodes matters, and a
    // decoded copy of a large document would cost twice its size in memory. Pieces end before
    // a character's continuation bytes, so each decodes on its own.
    constexpr qsizetype piece = 4096;
    QChar buffer[2 * piece];
    const QByteArrayView bytes(document);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = std::min(start + piece, bytes.size());
        for (int back = 0; back < 3 && end < bytes.size() && end > start + 1
             && (uchar(bytes[end]) & 0xC0) == 0x80; ++back) {
            --end;
        }
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        utf8.appendToBuffer(buffer, bytes.sliced(start, end - start));
        if (utf8.hasError())
            return false;
        start = end;
    }
    return true;
}

// Feeds the reader: bytes when the reader is to find the encoding itself, decoded text when
// the document is an undeclared 8-bit one. Text handed over as a QString makes the reader
// ignore any declaration, which is why only undeclared documents take that path.
void feed(QXmlStreamReader &reader, const QByteArray &document)
{
    if (startsWithByteOrderMark(document) || declaresEncoding(document) || isValidUtf8(document)) {
        reader.addData(document);
        return;
    }
    QStringDecoder cp1252("Windows-1252");
    const QString decoded = cp1252.isValid() ? QString(cp1252.decode(document)) : QString::fromLatin1(document);
    reader.addData(decoded);
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
