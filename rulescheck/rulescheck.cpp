#include "rulescheck/rulescheck.h"

#include <algorithm>
#include <tuple>

#include "rulescheck/rulescheckdetail.h"

RulesCheck::Report RulesCheck::checkFile(const QString &path)
{
    QByteArray bytes;
    QString error;
    if (!RulesFile::readBytes(path, bytes, error)) {
        Report report;
        report.error = error;
        return report;
    }
    return checkBytes(bytes);
}

RulesCheck::Report RulesCheck::checkBytes(const QByteArray &bytes)
{
    // The program's own decoding and line splitting, so lines and columns are the readers'.
    const RulesFile::Contents contents = RulesFile::decode(bytes);

    Report report;
    report.readable = contents.ok;
    report.error = contents.error;
    report.encoding = contents.encoding;
    if (!contents.ok)
        return report;

    RulesCheckDetail::Diagnostics &out = report.diagnostics;
    if (contents.encoding == RulesFile::Encoding::Windows1252) {
        const RulesCheckDetail::Position at = RulesCheckDetail::firstInvalidUtf8(bytes);
        const QString line = contents.lines.value(at.line - 1);
        const QString readAs = at.column <= line.size() ? line.mid(at.column - 1, 1) : QString();
        RulesCheckDetail::add(out, at.line, at.column, Kind::NotUtf8,
                              tr("the byte 0x%1 is not UTF-8, so the whole file is read as Windows-1252 "
                                 "(where that byte is %2)")
                                  .arg(QString::number(at.byte, 16).toUpper().rightJustified(2, u'0'),
                                       RulesCheckDetail::quoted(readAs)),
                              tr("Nothing to mend if the file was saved by an 8-bit editor; otherwise save it "
                                 "as UTF-8, or its accented letters show wrongly."));
    }
    RulesCheckDetail::checkCharacters(contents.lines, out);
    RulesCheckDetail::checkStructure(contents.lines, out);

    std::stable_sort(out.begin(), out.end(), [](const Diagnostic &a, const Diagnostic &b) {
        return std::tie(a.line, a.column, a.kind) < std::tie(b.line, b.column, b.kind);
    });
    return report;
}

QString RulesCheck::kindName(Kind kind)
{
    switch (kind) {
    case Kind::NotUtf8: return QStringLiteral("not-utf8");
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
    }
    return QString();
}

RulesCheck::Severity RulesCheck::severityOf(Kind kind)
{
    // Both are read exactly as meant by this program; they matter to other readers of the file.
    return kind == Kind::NotUtf8 || kind == Kind::LongCategoryName ? Severity::Remark : Severity::Warning;
}

QString RulesCheck::severityName(Severity severity)
{
    return severity == Severity::Remark ? QStringLiteral("remark") : QStringLiteral("warning");
}
