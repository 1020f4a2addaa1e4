#include "tools/gx2check/checkprinter.h"

#include <QStringDecoder>

#include "files/jsontext.h"

namespace CheckPrinter {

namespace {

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
    m_out << (m_firstFile ? "\n" : ",\n") << "{\"file\": " << JsonText::quoted(jsonName(nativeName)) << ", \"diagnostics\": [";
    m_firstFile = false;
    m_firstDiagnostic = true;
}

void JsonPrinter::found(const RulesCheck::Diagnostic &diagnostic)
{
    m_out << (m_firstDiagnostic ? "\n  " : ",\n  ") << "{\"line\": " << diagnostic.line
          << ", \"column\": " << diagnostic.column
          << ", \"severity\": \"" << RulesCheck::severityName(diagnostic.severity())
          << "\", \"code\": \"" << RulesCheck::kindName(diagnostic.kind)
          << "\", \"message\": " << JsonText::quoted(diagnostic.message) << ", \"hint\": " << JsonText::quoted(diagnostic.hint) << '}';
    m_firstDiagnostic = false;
}

void JsonPrinter::endFile(const RulesCheck::Report &report)
{
    m_out << "], \"readable\": " << (report.readable ? "true" : "false");
    if (!report.readable) {
        m_out << ", \"error\": " << JsonText::quoted(report.error) << '}';
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
