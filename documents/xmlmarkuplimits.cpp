#include "documents/xmlmarkuplimits.h"

#include <algorithm>
#include <iterator>

#include <QStringConverter>
#include <QStringDecoder>
#include <QStringView>

namespace XmlMarkupLimits {

QString markupText(const QByteArray &document)
{
    // The markup characters looked for are all ASCII, so a document in an ASCII-compatible
    // encoding is looked at byte for byte; only a UTF-16 or UTF-32 document has to be decoded.
    const std::optional<QStringConverter::Encoding> found = QStringConverter::encodingForData(document, u'<');
    if (found && *found != QStringConverter::Utf8) {
        QStringDecoder decoder(*found);
        return decoder.decode(document);
    }
    return QString::fromLatin1(document);
}

namespace {

// Whether `name` can be an entity's name: what else stands between '&' and ';' is an error the
// reader reports itself. Characters beyond ASCII are taken as letters, as most of them are.
bool isEntityName(QStringView name)
{
    if (name.isEmpty() || name.front().isDigit() || name.front() == u'-' || name.front() == u'.')
        return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == u'_' || c == u':' || c == u'-' || c == u'.';
    });
}

// The name as written: the scan reads ASCII-compatible documents byte by byte, and UTF-8 is
// what such a document's other bytes mostly are.
QString shownName(QStringView name)
{
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return name.toString();
    const QByteArray bytes = name.toLatin1();
    return QByteArrayView(bytes).isValidUtf8() ? QString::fromUtf8(bytes) : name.toString();
}

class MarkupScan
{
public:
    explicit MarkupScan(QStringView text) : m_text(text) {}

    // The offset of the first markup over a limit and the reason, or nothing.
    std::optional<std::pair<qsizetype, QString>> firstBreach()
    {
        qsizetype i = 0;
        while ((i = m_text.indexOf(u'<', i)) >= 0) {
            const QStringView rest = m_text.sliced(i);
            if (rest.startsWith(u"<!--")) {
                i = skipPast(i + 4, u"-->");
            } else if (rest.startsWith(u"<?")) {
                i = skipPast(i + 2, u"?>");
            } else if (rest.startsWith(u"<![CDATA[")) {
                i = skipPast(i + 9, u"]]>");
            } else if (rest.startsWith(u"<!DOCTYPE")) {
                const qsizetype end = endOfDocumentType(i);
                if (end < 0) {
                    return std::pair(i, QStringLiteral("The document type declaration is longer than %1 characters.")
                                            .arg(longestDocumentTypeDeclaration));
                }
                // The reader refuses such a document for its declarations, in clearer words
                // than a reference to one of them would get.
                m_declaresEntities = m_text.sliced(i, end - i).contains(u"<!ENTITY");
                i = end;
            } else {
                const qsizetype end = endOfTag(i);
                if (end < 0) {
                    return std::pair(i, QStringLiteral("An element has more than %1 attributes.")
                                            .arg(mostAttributesPerElement));
                }
                if (const auto undefined = undefinedEntity(i, end))
                    return undefined;
                i = end;
            }
        }
        return std::nullopt;
    }

private:
    // The position after `terminator`, or the end of the text when it never comes.
    qsizetype skipPast(qsizetype from, QStringView terminator) const
    {
        const qsizetype at = m_text.indexOf(terminator, from);
        return at < 0 ? m_text.size() : at + terminator.size();
    }

    // The position after the closing quote of the value that opens at `quote`.
    qsizetype skipQuoted(qsizetype quote) const
    {
        const qsizetype close = m_text.indexOf(m_text[quote], quote + 1);
        return close < 0 ? m_text.size() : close + 1;
    }

    // The position after the '>' that ends the tag at `start`, counting its quoted values on
    // the way; -1 as soon as there are more than the limit allows.
    qsizetype endOfTag(qsizetype start) const
    {
        int values = 0;
        qsizetype i = start + 1;
        while (i < m_text.size() && m_text[i] != u'>') {
            if (m_text[i] == u'"' || m_text[i] == u'\'') {
                if (++values > mostAttributesPerElement)
                    return -1;
                i = skipQuoted(i);
            } else {
                ++i;
            }
        }
        return i + 1;
    }

    // The first reference in the tag from `start` to `end` to an entity other than the five
    // predefined ones; a character reference ("&#...;") is no entity. Outside quoted values an
    // '&' is an error the reader reports itself.
    std::optional<std::pair<qsizetype, QString>> undefinedEntity(qsizetype start, qsizetype end) const
    {
        if (m_declaresEntities)
            return std::nullopt;
        static const QStringView predefined[] = {u"amp", u"lt", u"gt", u"quot", u"apos"};
        // A tag that never closes runs to the end of the text.
        const QStringView tag = m_text.sliced(start, std::min(end, m_text.size()) - start);
        for (qsizetype at = tag.indexOf(u'&'); at >= 0; at = tag.indexOf(u'&', at + 1)) {
            const qsizetype semicolon = tag.indexOf(u';', at + 1);
            if (semicolon < 0)
                break;
            const QStringView name = tag.sliced(at + 1, semicolon - at - 1);
            if (!isEntityName(name) || std::find(std::begin(predefined), std::end(predefined), name) != std::end(predefined))
                continue;
            return std::pair(start + at, QStringLiteral("The entity %1 is not defined.").arg(shownName(name)));
        }
        return std::nullopt;
    }

    // The position after the '>' that ends the declaration at `start`, its internal subset
    // (with the comments, processing instructions and quoted literals in it) included; -1 as
    // soon as it grows longer than the limit allows.
    qsizetype endOfDocumentType(qsizetype start) const
    {
        bool inSubset = false;
        qsizetype i = start + 2;
        while (i < m_text.size()) {
            if (i - start > longestDocumentTypeDeclaration)
                return -1;
            const QChar c = m_text[i];
            const QStringView rest = m_text.sliced(i);
            if (c == u'"' || c == u'\'') {
                i = skipQuoted(i);
            } else if (inSubset && rest.startsWith(u"<!--")) {
                i = skipPast(i + 4, u"-->");
            } else if (inSubset && rest.startsWith(u"<?")) {
                i = skipPast(i + 2, u"?>");
            } else if (c == u'>' && !inSubset) {
                return i + 1;
            } else {
                if (c == u'[' || c == u']')
                    inSubset = c == u'[';
                ++i;
            }
        }
        return i - start > longestDocumentTypeDeclaration ? -1 : i;
    }

    QStringView m_text;
    bool m_declaresEntities = false;
};

} // namespace

std::optional<Breach> check(const QByteArray &document)
{
    const QString text = markupText(document);
    const auto found = MarkupScan(text).firstBreach();
    if (!found)
        return std::nullopt;
    const auto [offset, reason] = *found;
    const QStringView before = QStringView(text).first(offset);
    const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
    return Breach{reason, before.count(u'\n') + 1, offset - lineStart + 1};
}

} // namespace XmlMarkupLimits
