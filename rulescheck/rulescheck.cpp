#include "rulescheck/rulescheck.h"

#include <algorithm>
#include <tuple>

#include "files/legacytext.h"
#include "rulescheck/rulescheckdetail.h"

namespace {

// Keeps the first `kept` findings of a check and counts the rest.
class KeepingSink final : public RulesCheck::Sink
{
public:
    KeepingSink(QList<RulesCheck::Diagnostic> &kept, qsizetype most) : m_kept(kept), m_most(most) {}

    bool wantsText() const override { return m_kept.size() < m_most; }
    void found(const RulesCheck::Diagnostic &diagnostic) override
    {
        if (m_kept.size() < m_most)
            m_kept.append(diagnostic);
    }

private:
    QList<RulesCheck::Diagnostic> &m_kept;
    qsizetype m_most;
};

QString byteName(uchar byte)
{
    return QStringLiteral("0x") + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
}

// The first byte that is not UTF-8 makes the whole file Windows-1252. In an 8-bit file that is
// as meant; in a UTF-8 file with one stray byte every accented letter turns into two others.
void reportEncoding(const RulesCheckDetail::Utf8Survey &survey, const QStringList &lines,
                    RulesCheckDetail::Findings &out)
{
    using RulesCheckDetail::quoted;
    using RulesCheckDetail::Texts;
    const RulesCheckDetail::Position &at = survey.invalid;
    const uchar byte = uchar(at.bytes.at(0));
    if (survey.firstWide.line == 0) {
        out.add(at.line, at.column, RulesCheck::Kind::NotUtf8, [&] {
            return Texts{RulesCheck::tr("the byte %1 is not UTF-8, so the whole file is read as Windows-1252 (where "
                                        "that byte is %2)")
                             .arg(byteName(byte), quoted(QStringView(lines.at(at.line - 1)).mid(at.column - 1, 1))),
                         RulesCheck::tr("Nothing to mend if the file was saved by an 8-bit editor; otherwise save it "
                                        "as UTF-8, or its accented letters show wrongly.")};
        });
        return;
    }
    out.add(at.line, at.column, RulesCheck::Kind::StrayByteInUtf8, [&] {
        const RulesCheckDetail::Position &wide = survey.firstWide;
        return Texts{RulesCheck::tr("the byte %1 is not UTF-8, though the file is UTF-8 elsewhere: because of this "
                                    "byte the whole file is read as Windows-1252, so that %2 (line %3, column %4) "
                                    "shows as %5, and so does every letter beyond ASCII")
                         .arg(byteName(byte), quoted(QString::fromUtf8(wide.bytes)), QString::number(wide.line),
                              QString::number(wide.column), quoted(LegacyText::fromWindows1252(wide.bytes))),
                     RulesCheck::tr("Delete the byte, or write the character it was meant to be, and save the file "
                                    "as UTF-8.")};
    });
}

} // namespace

RulesCheck::Report RulesCheck::checkFile(const QString &path, qsizetype kept)
{
    QByteArray bytes;
    QString error;
    if (!RulesFile::readBytes(path, bytes, error)) {
        Report report;
        report.error = error;
        return report;
    }
    return checkBytes(bytes, kept);
}

RulesCheck::Report RulesCheck::checkBytes(const QByteArray &bytes, qsizetype kept)
{
    return checkContents(RulesFile::decode(bytes), kept);
}

RulesCheck::Report RulesCheck::checkBytes(const QByteArray &bytes, Sink &sink)
{
    // The program's own decoding and line splitting, so lines and columns are the readers'.
    return checkContents(RulesFile::decode(bytes), sink);
}

RulesCheck::Report RulesCheck::checkContents(const RulesFile::Contents &contents, qsizetype kept)
{
    QList<Diagnostic> diagnostics;
    KeepingSink sink(diagnostics, kept);
    Report report = checkContents(contents, sink);
    report.diagnostics = std::move(diagnostics);
    return report;
}

RulesCheck::Report RulesCheck::checkContents(const RulesFile::Contents &contents, Sink &sink)
{
    Report report;
    report.readable = contents.ok;
    report.error = contents.error;
    report.encoding = contents.encoding;
    if (!contents.ok)
        return report;

    RulesCheckDetail::Findings out(sink);
    RulesCheckDetail::Utf8Survey survey;
    if (contents.encoding == RulesFile::Encoding::Windows1252)
        survey = RulesCheckDetail::surveyUtf8(contents.lines);
    RulesCheckDetail::StructureCheck structure(contents.lines, out);
    for (qsizetype i = 0; i < contents.lines.size(); ++i) {
        const int number = int(i) + 1;
        if (survey.invalid.line == number)
            reportEncoding(survey, contents.lines, out);
        RulesCheckDetail::checkCharacters(contents.lines[i], number, out);
        structure.checkLine(i);
        out.flush();
    }
    structure.finish();
    out.flush();
    report.problems = out.count();
    report.errors = out.errors();
    return report;
}

void RulesCheckDetail::Findings::flush()
{
    std::stable_sort(m_pending.begin(), m_pending.end(), [](const RulesCheck::Diagnostic &a, const RulesCheck::Diagnostic &b) {
        return std::tie(a.line, a.column, a.kind) < std::tie(b.line, b.column, b.kind);
    });
    for (const RulesCheck::Diagnostic &diagnostic : std::as_const(m_pending)) {
        ++m_count;
        if (diagnostic.severity() == RulesCheck::Severity::Error)
            ++m_errors;
        m_sink.found(diagnostic);
    }
    m_pending.clear();
}

QString RulesCheck::kindName(Kind kind)
{
    switch (kind) {
    case Kind::NotUtf8: return QStringLiteral("not-utf8");
    case Kind::StrayByteInUtf8: return QStringLiteral("stray-byte-in-utf8");
    case Kind::LoneCarriageReturn: return QStringLiteral("lone-cr");
    case Kind::NulByte: return QStringLiteral("nul-byte");
    case Kind::Tab: return QStringLiteral("tab");
    case Kind::NoCategory: return QStringLiteral("no-category");
    case Kind::NoType: return QStringLiteral("no-type");
    case Kind::ModifierBeforeCategory: return QStringLiteral("modifier-before-category");
    case Kind::EmptyLineInSection: return QStringLiteral("empty-line-in-section");
    case Kind::EmptyOption: return QStringLiteral("empty-option");
    case Kind::OptionsAfterTokens: return QStringLiteral("options-after-tokens");
    case Kind::TrailingBlanksHideOptions: return QStringLiteral("trailing-blanks-hide-options");
    case Kind::ReservedEndsBlock: return QStringLiteral("reserved-ends-block");
    case Kind::OptionWithoutModifier: return QStringLiteral("option-without-modifier");
    case Kind::TextIntoColumn60: return QStringLiteral("text-into-column-60");
    case Kind::SharedGroupPrefix: return QStringLiteral("shared-group-prefix");
    case Kind::DuplicateCategory: return QStringLiteral("duplicate-category");
    case Kind::DuplicateType: return QStringLiteral("duplicate-type");
    case Kind::DuplicateModifier: return QStringLiteral("duplicate-modifier");
    case Kind::DuplicateOption: return QStringLiteral("duplicate-option");
    case Kind::EmptyName: return QStringLiteral("empty-name");
    case Kind::LongCategoryName: return QStringLiteral("long-category-name");
    case Kind::TokenSign: return QStringLiteral("token-sign");
    case Kind::TokenValueNotDigit: return QStringLiteral("token-value-not-digit");
    case Kind::TokenMultiDigit: return QStringLiteral("token-multi-digit");
    case Kind::TokenKindCase: return QStringLiteral("token-kind-case");
    case Kind::TokenUnknownKind: return QStringLiteral("token-unknown-kind");
    case Kind::TokensNotListed: return QStringLiteral("tokens-not-listed");
    }
    return QString();
}

RulesCheck::Severity RulesCheck::severityOf(Kind kind)
{
    // The program will not start on a file that holds a NUL byte.
    if (kind == Kind::NulByte)
        return Severity::Error;
    // Both are read exactly as meant by this program; they matter to other readers of the file.
    if (kind == Kind::NotUtf8 || kind == Kind::LongCategoryName)
        return Severity::Remark;
    return Severity::Warning;
}

QString RulesCheck::severityName(Severity severity)
{
    switch (severity) {
    case Severity::Error: return QStringLiteral("error");
    case Severity::Warning: return QStringLiteral("warning");
    case Severity::Remark: return QStringLiteral("remark");
    }
    return QString();
}

QString RulesCheck::Diagnostic::sentence() const
{
    QString text = message;
    if (!text.isEmpty() && text.front().isLower())
        text.front() = text.front().toUpper();
    if (!text.isEmpty() && !text.endsWith(u'.') && !text.endsWith(u'?') && !text.endsWith(u'!'))
        text += u'.';
    return text;
}
