#include "documents/xmlelementreader.h"

#include <algorithm>

#include <QRegularExpression>
#include <QXmlStreamReader>

#include "files/legacytext.h"
#include "documents/xmlmarkuplimits.h"

QString XmlAttributeList::getQName(int index) const
{
    return index >= 0 && index < m_attributes.size() ? m_attributes.at(index).name : QString();
}

QString XmlAttributeList::getValue(int index) const
{
    return index >= 0 && index < m_attributes.size() ? m_attributes.at(index).value : QString();
}

namespace XmlElementReader {

namespace {

bool startsWithByteOrderMark(const QByteArray &document)
{
    return document.startsWith("\xEF\xBB\xBF") || document.startsWith("\xFF\xFE")
        || document.startsWith("\xFE\xFF");
}

// The encoding the XML declaration names, if any. Only an ASCII-compatible declaration can be
// read here; UTF-16 and UTF-32 documents carry a byte-order mark or are valid UTF-8 bytes to
// the check below, and either way go to the XML reader unchanged.
std::optional<QString> declaredEncoding(const QByteArray &document)
{
    if (!document.startsWith("<?xml"))
        return std::nullopt;
    const qsizetype end = document.indexOf("?>");
    if (end < 0)
        return std::nullopt;
    static const QRegularExpression encoding(QStringLiteral("encoding\\s*=\\s*[\"']([^\"']*)[\"']"));
    const QRegularExpressionMatch match = encoding.match(QString::fromLatin1(document.left(end)));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

bool isWindows1252(const QString &encoding)
{
    return encoding.compare(QLatin1String("windows-1252"), Qt::CaseInsensitive) == 0
        || encoding.compare(QLatin1String("cp1252"), Qt::CaseInsensitive) == 0;
}

// Feeds the reader: bytes when the reader is to find the encoding itself, decoded text when
// the document is an 8-bit one this program decodes itself. Text handed over as a QString
// makes the reader ignore any declaration, which is why only those documents take that path.
void feed(QXmlStreamReader &reader, const QByteArray &document)
{
    if (startsWithByteOrderMark(document)) {
        reader.addData(document);
        return;
    }
    if (const std::optional<QString> declared = declaredEncoding(document)) {
        // Windows-1252 is read with the program's own table, which keeps every byte.
        if (isWindows1252(*declared))
            reader.addData(LegacyText::fromWindows1252(document));
        else
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
// string once per read and is shared from then on, rather than copied at every element.
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
    for (const QXmlStreamAttribute &attribute : found) {
        QString value = attribute.value().toString();
        // An entity reference that no declaration resolves is kept as written, and the reader
        // does not look at the characters of its name: a control character XML forbids can
        // arrive that way. It is left out, as a save leaves it out, so the spell on screen is
        // the spell its document keeps.
        value.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
        attributes.append({names(attribute.qualifiedName()), std::move(value)});
    }
    return XmlAttributeList(std::move(attributes));
}

// The reader quotes the character it stumbled on, but leaves out one that XML forbids (it said
// "Unexpected ''."): that is the first such character on the line where it stopped, and it is
// named by its number. Any other control character would vanish from the message on screen.
QString withVisibleControls(QString reason, const QByteArray &document, qint64 line)
{
    const QLatin1String dropped("''");
    if (reason.contains(dropped)) {
        const QString text = XmlMarkupLimits::markupText(document);
        qsizetype at = 0;
        for (qint64 l = 1; l < line && at >= 0; ++l) {
            const qsizetype lineEnd = text.indexOf(u'\n', at);
            at = lineEnd < 0 ? -1 : lineEnd + 1;
        }
        for (; at >= 0 && at < text.size() && text[at] != u'\n'; ++at) {
            const char16_t code = text[at].unicode();
            if (code < 0x20 && code != u'\t' && code != u'\r') {
                reason.replace(dropped, QStringLiteral("'%1'").arg(QChar(code)));
                break;
            }
        }
    }
    QString shown;
    shown.reserve(reason.size());
    for (const QChar c : reason) {
        const char16_t code = c.unicode();
        if (code < 0x20 || (code >= 0x7F && code < 0xA0))
            shown += QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
        else
            shown += c;
    }
    return shown;
}

} // namespace

XmlElements read(const QByteArray &document)
{
    XmlElements result;
    if (const std::optional<XmlMarkupLimits::Breach> breach = XmlMarkupLimits::check(document)) {
        result.reason = withVisibleControls(breach->reason, document, breach->line);
        result.line = breach->line;
        result.column = breach->column;
        return result;
    }

    QXmlStreamReader reader;
    reader.setNamespaceProcessing(false);
    feed(reader, document);
    NameStrings names;

    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            result.elements.append({names(reader.qualifiedName()), attributesOf(reader, names)});
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

    result.ok = !reader.hasError();
    if (!result.ok) {
        result.elements.clear();
        result.line = reader.lineNumber();
        result.reason = withVisibleControls(reader.errorString(), document, result.line);
        // The reader counts the characters it has read on the line, the offending one included,
        // which is that character's column counted from 1; at the very start of a line (a
        // document that breaks off) nothing is read yet, and column 1 is where it stopped.
        result.column = std::max<qint64>(1, reader.columnNumber());
    }
    return result;
}

} // namespace XmlElementReader
