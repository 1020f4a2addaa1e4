#include "documents/spelldocumentwriter.h"

#include <QStringList>

#include "author/authoroptionsfile.h"
#include "windowmodel/cantrix.h"

namespace SpellDocumentWriter {

namespace {

// Characters XML 1.0 allows in a document: tab, LF, CR, and everything from the blank up,
// except the surrogate block and the two non-characters U+FFFE and U+FFFF.
bool isXmlCharacter(char32_t c)
{
    if (c < 0x20)
        return c == 0x09 || c == 0x0A || c == 0x0D;
    if (c >= 0xD800 && c <= 0xDFFF)
        return false;
    return c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

QString quoted(QStringView value)
{
    return QLatin1Char('"') + attributeValue(value) + QLatin1Char('"');
}

// "<name value="..." modifier="..."/>" and the shorter form without modifier, indented by four.
QString summaryLine(const QString &element, QStringView value)
{
    return QStringLiteral("    <") + element + QStringLiteral(" value=") + quoted(value) + QStringLiteral("/>");
}

QString summaryLine(const QString &element, QStringView value, QStringView modifier)
{
    return QStringLiteral("    <") + element + QStringLiteral(" value=") + quoted(value)
        + QStringLiteral(" modifier=") + quoted(modifier) + QStringLiteral("/>");
}

} // namespace

QString formatDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QString::fromLatin1(datePattern));
}

QString attributeValue(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        // A well-formed surrogate pair is one character beyond the Basic Multilingual Plane.
        if (c.isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
            out += c;
            out += value[++i];
            continue;
        }
        switch (c.unicode()) {
        case u'&': out += u"&amp;"; break;
        case u'<': out += u"&lt;"; break;
        case u'"': out += u"&quot;"; break;
        case u'\r': out += u"&#13;"; break;
        case u'\n': out += u"&#10;"; break;
        case u'\t': out += u"&#9;"; break;
        default:
            if (isXmlCharacter(c.unicode()))
                out += c;
            break;
        }
    }
    return out;
}

QByteArray compose(const Cantrix &window, const AuthorProfile &author, const Dates &dates)
{
    QStringList lines{
        QStringLiteral("<?xml version='1.0'?>"),
        QStringLiteral("<?xml-stylesheet type='text/xsl' href='GX2-Spell.xsl'?>"),
        QStringLiteral("<common>"),
        QStringLiteral("    <generation system='GX2'/>"),
        QStringLiteral("    <author"),
        QStringLiteral("      name=") + quoted(author.name),
        QStringLiteral("      email=") + quoted(author.email),
        QStringLiteral("      url=") + quoted(author.url),
        QStringLiteral("      notes=''/>"),
        QStringLiteral("    <date"),
        QStringLiteral("      creation=") + quoted(dates.creation),
        QStringLiteral("      lastmod=") + quoted(dates.lastModified),
        QStringLiteral("      notes=''/>"),
        QStringLiteral("    <itemdef"),
        QStringLiteral("      name=") + quoted(window.NameText.text()),
        QStringLiteral("      type='spell'"),
        QStringLiteral("      notes=''/>"),
        QStringLiteral("<spell>"),
        QStringLiteral("  <general>"),
        summaryLine(QStringLiteral("category"), window.Summary1List.row(0), window.Summary1List1.row(0)),
        summaryLine(QStringLiteral("type"), window.Summary1List.row(1), window.Summary1List1.row(1)),
        summaryLine(QStringLiteral("force"), window.Summary1List.row(2), window.forceInUse()),
        summaryLine(QStringLiteral("drain"), window.DrainText.text()),
        summaryLine(QStringLiteral("description"), window.DescriptionText.text()),
        QStringLiteral("  </general>"),
        QStringLiteral("  <modifiers>"),
    };
    for (int i = 0; i < window.Summary2List.count(); ++i)
        lines.append(summaryLine(QStringLiteral("mod"), window.Summary2List.row(i), window.Summary2List1.row(i)));
    lines.append(QStringLiteral("  </modifiers>"));
    lines.append(QStringLiteral("</spell>"));
    lines.append(QStringLiteral("</common>"));

    QByteArray bytes;
    for (const QString &line : std::as_const(lines)) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace SpellDocumentWriter
