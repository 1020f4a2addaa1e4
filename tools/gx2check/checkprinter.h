#pragma once

#include <QJsonObject>
#include <QString>
#include <QTextStream>

#include "rulescheck/rulescheck.h"

// Prints what RulesCheck found in one file: as the lines compilers print, which editors and CI
// jump from, or as one JSON object per file for scripts.
namespace CheckPrinter {

// "FILE:LINE:COLUMN: warning: MESSAGE" and, below it, "FILE:LINE:COLUMN: note: HINT".
void printText(QTextStream &out, const QString &fileName, const RulesCheck::Report &report);

// {"file", "readable", "error" | "encoding", "problems", "diagnostics": [...]}.
QJsonObject toJson(const QString &fileName, const RulesCheck::Report &report);

} // namespace CheckPrinter
