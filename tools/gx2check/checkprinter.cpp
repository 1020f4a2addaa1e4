#include "tools/gx2check/checkprinter.h"

#include <QJsonArray>

namespace CheckPrinter {

void printText(QTextStream &out, const QString &fileName, const RulesCheck::Report &report)
{
    for (const RulesCheck::Diagnostic &diagnostic : report.diagnostics) {
        const QString where = QStringLiteral("%1:%2:%3: ")
                                  .arg(fileName, QString::number(diagnostic.line), QString::number(diagnostic.column));
        out << where << RulesCheck::severityName(diagnostic.severity()) << ": " << diagnostic.message << '\n';
        out << where << "note: " << diagnostic.hint << '\n';
    }
}

QJsonObject toJson(const QString &fileName, const RulesCheck::Report &report)
{
    QJsonObject file{{QStringLiteral("file"), fileName}, {QStringLiteral("readable"), report.readable}};
    if (!report.readable) {
        file.insert(QStringLiteral("error"), report.error);
        return file;
    }
    file.insert(QStringLiteral("encoding"), report.encoding == RulesFile::Encoding::Utf8
                                                ? QStringLiteral("UTF-8")
                                                : QStringLiteral("Windows-1252"));
    QJsonArray diagnostics;
    for (const RulesCheck::Diagnostic &diagnostic : report.diagnostics) {
        diagnostics.append(QJsonObject{
            {QStringLiteral("line"), diagnostic.line},
            {QStringLiteral("column"), diagnostic.column},
            {QStringLiteral("severity"), RulesCheck::severityName(diagnostic.severity())},
            {QStringLiteral("code"), RulesCheck::kindName(diagnostic.kind)},
            {QStringLiteral("message"), diagnostic.message},
            {QStringLiteral("hint"), diagnostic.hint},
        });
    }
    file.insert(QStringLiteral("problems"), int(report.diagnostics.size()));
    file.insert(QStringLiteral("diagnostics"), diagnostics);
    return file;
}

} // namespace CheckPrinter
