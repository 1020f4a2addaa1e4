#pragma once

#include <QByteArray>
#include <QString>
#include <QTextStream>

#include "rulescheck/rulescheck.h"

// Prints what RulesCheck finds in one file as it finds it, so that a file of a hundred thousand
// problems is printed in as little memory as a clean one: as the lines compilers print, which
// editors and CI jump from, or as one JSON document for scripts.
namespace CheckPrinter {

// How a file's name is shown: escapes for control characters and for bytes that are not
// UTF-8, so a name can neither forge lines of its own nor reach the terminal as a command.
QString shownName(const QByteArray &nativeName);

// "FILE:LINE:COLUMN: warning: MESSAGE" and, below it, "FILE:LINE:COLUMN: note: HINT".
class TextPrinter final : public RulesCheck::Sink
{
public:
    TextPrinter(QTextStream &out, const QString &fileName) : m_out(out), m_fileName(fileName) {}
    void found(const RulesCheck::Diagnostic &diagnostic) override;

private:
    QTextStream &m_out;
    QString m_fileName;
};

// {"files": [{"file", "diagnostics": [...], "readable", "encoding" | "error", "problems",
// "errors"}, ...], "problems"}: begin() once, then beginFile(), the findings and endFile() for
// each file, then end().
class JsonPrinter final : public RulesCheck::Sink
{
public:
    explicit JsonPrinter(QTextStream &out) : m_out(out) {}
    void begin();
    void beginFile(const QByteArray &nativeName);
    void found(const RulesCheck::Diagnostic &diagnostic) override;
    void endFile(const RulesCheck::Report &report);
    void end(qint64 problems);

private:
    QTextStream &m_out;
    bool m_firstFile = true;
    bool m_firstDiagnostic = true;
};

} // namespace CheckPrinter
