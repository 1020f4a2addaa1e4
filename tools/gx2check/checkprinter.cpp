#include "tools/gx2check/checkprinter.h"

#include <QStringDecoder>

namespace CheckPrinter {

namespace {

// A JSON string. Written here rather than through QJsonDocument, which builds a document for
// every value and made printing a file of a million findings several times slower.
QString json(QStringView text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': quoted += QLatin1String("\\\""); break;
        case u'\\': quoted += QLatin1String("\\\\"); break;
        case u'\n': quoted += QLatin1String("\\n"); break;
        case u'\r': quoted += QLatin1String("\\r"); break;
        case u'\t': quoted += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    quoted += u'"';
    return quoted;
}

// JSON text is UTF-8: a name in other bytes is given as it is shown.
QString jsonName(const QByteArray &nativeName)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(nativeName);
    return utf8.hasError() ? shownName(nativeName) : decoded;
}

} // namespace

QString shownName(const QByteArray &nativeName)
{
    return RulesCheck::escapedNativeName(nativeName);
}

void TextPrinter::found(const RulesCheck::Diagnostic &diagnostic)
{
    const QString where = QStringLiteral("%1:%2:%3: ")
                              .arg(m_fileName, QString::number(diagnostic.line), QString::number(diagnostic.column));
    m_out << where << RulesCheck::severityName(diagnostic.severity()) << ": " << diagnostic.sentence() << '\n';
    m_out << where << "note: " << diagnostic.hint << '\n';
}

void JsonPrinter::begin()
{
    m_out << "{\n\"files\": [";
}

void JsonPrinter::beginFile(const QByteArray &nativeName)
{
    m_out << (m_firstFile ? "\n" : ",\n") << "{\"file\": " << json(jsonName(nativeName)) << ", \"diagnostics\": [";
    m_firstFile = false;
    m_firstDiagnostic = true;
}

void JsonPrinter::found(const RulesCheck::Diagnostic &diagnostic)
{
    m_out << (m_firstDiagnostic ? "\n  " : ",\n  ") << "{\"line\": " << diagnostic.line
          << ", \"column\": " << diagnostic.column
          << ", \"severity\": \"" << RulesCheck::severityName(diagnostic.severity())
          << "\", \"code\": \"" << RulesCheck::kindName(diagnostic.kind)
          << "\", \"message\": " << json(diagnostic.message) << ", \"hint\": " << json(diagnostic.hint) << '}';
    m_firstDiagnostic = false;
}

void JsonPrinter::endFile(const RulesCheck::Report &report)
{
    m_out << "], \"readable\": " << (report.readable ? "true" : "false");
    if (!report.readable) {
        m_out << ", \"error\": " << json(report.error) << '}';
        return;
    }
    m_out << ", \"encoding\": "
          << (report.encoding == RulesFile::Encoding::Utf8 ? "\"UTF-8\"" : "\"Windows-1252\"")
          << ", \"problems\": " << report.problems << ", \"errors\": " << report.errors << '}';
}

void JsonPrinter::end(qint64 problems)
{
    m_out << "\n],\n\"problems\": " << problems << "\n}\n";
}

} // namespace CheckPrinter
