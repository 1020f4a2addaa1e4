#pragma once

// The parts of RulesCheck, one file each; only rulescheck*.cpp include this header.
#include <memory>

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "rulescheck/rulescheck.h"

namespace RulesCheckDetail {

using Kind = RulesCheck::Kind;

struct Texts
{
    QString message;
    QString hint;
};

// Gathers the findings of the line being checked and hands them on in order once the line is
// done. A finding's words are written only when the sink still wants them.
class Findings final
{
    Q_DISABLE_COPY_MOVE(Findings)

public:
    explicit Findings(RulesCheck::Sink &sink) : m_sink(sink) {}

    // `makeTexts` returns the Texts; it runs at once or not at all.
    template <typename MakeTexts>
    void add(int line, int column, Kind kind, MakeTexts makeTexts)
    {
        RulesCheck::Diagnostic diagnostic{line, column, kind, QString(), QString()};
        if (m_sink.wantsText()) {
            Texts texts = makeTexts();
            diagnostic.message = std::move(texts.message);
            diagnostic.hint = std::move(texts.hint);
        }
        m_pending.append(std::move(diagnostic));
    }

    // Hands on what was added since the last call, by line, column and kind.
    void flush();

    qint64 count() const { return m_count; }
    qint64 errors() const { return m_errors; }

private:
    RulesCheck::Sink &m_sink;
    QList<RulesCheck::Diagnostic> m_pending;
    qint64 m_count = 0;
    qint64 m_errors = 0;
};

// A text quoted for a message, with the characters an editor does not show made visible.
QString quoted(QStringView text);

// The length of the well-formed UTF-8 sequence at `i`, or 0 when it is not well formed
// (overlong forms, surrogates and code points past U+10FFFF are not).
int utf8SequenceLength(QByteArrayView bytes, qsizetype i);

// A place in a file and the bytes that stand there; line 0 when there is none.
struct Position
{
    int line = 0;
    int column = 0;
    QByteArray bytes;
};

// In a file the loader read as Windows-1252 (one character per byte, so its columns are the
// bytes'): where the first byte stands that is not UTF-8, and where the first well-formed
// sequence of more than one byte. A file that has both is UTF-8 gone wrong rather than an
// 8-bit file.
struct Utf8Survey
{
    Position invalid;
    Position firstWide;
};
Utf8Survey surveyUtf8(const QStringList &linesReadAsWindows1252);

// Characters the loader keeps in a line but an editor hides or treats otherwise: NUL bytes
// and carriage returns on every line, tabs on every line the readers look at.
void checkCharacters(QStringView line, int lineNumber, Findings &out);

// Column 60 separates a name or text from the token string; a name or text that reaches it
// loses characters. `isName` for category and type lines, whose name field ends at 60.
// True when the name or text runs on into the token field, whose tokens are then no tokens.
bool checkColumn60(QStringView line, int lineNumber, bool isName, Findings &out);

// A sign ("+" or "-"), one digit, and nothing or "DRT".
bool isWellFormedToken(QStringView token);

// Every token of the line's token string (column 61 on) against the token format; beyond
// tokensListedPerLine problems on one line, the rest are counted in one finding.
inline constexpr int tokensListedPerLine = 5;
void checkTokens(QStringView line, int lineNumber, Findings &out);

// Sections, option blocks, names and the spell summary's six-character groups, line by line:
// `checkLine` for each line in order, then `finish`.
class StructureCheck final
{
    Q_DISABLE_COPY_MOVE(StructureCheck)

public:
    StructureCheck(const QStringList &lines, Findings &out);
    ~StructureCheck();
    void checkLine(qsizetype index);
    void finish();

private:
    class Pass;
    std::unique_ptr<Pass> m_pass;
};

} // namespace RulesCheckDetail
