#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "design/rulesfile.h"

// Finds the mistakes in a rules data file that the program itself reads without a word: a
// modifier that silently loses its options, a token read other than it looks, two modifiers
// that shut each other out of the spell summary. The file is read with the program's own
// loader and judged by the same line and column rules the readers use, so what the check
// says is what the program does. One pass over the lines; every lookup is hashed.
class RulesCheck final
{
    Q_DECLARE_TR_FUNCTIONS(RulesCheck)

public:
    // Remarks are things this program reads as meant but other rules readers may not.
    enum class Severity { Warning, Remark };

    // What went wrong; each has a stable name (kindName) for scripts and tests.
    enum class Kind {
        NotUtf8,
        LoneCarriageReturn,
        NulByte,
        Tab,
        NoCategory,
        NoType,
        ModifierBeforeCategory,
        EmptyLineInSection,
        EmptyOption,
        OptionsAfterTokens,
        TrailingBlanksHideOptions,
        ReservedEndsBlock,
        OptionWithoutModifier,
        TextIntoColumn60,
        SharedGroupPrefix,
        DuplicateCategory,
        DuplicateType,
        DuplicateModifier,
        DuplicateOption,
        EmptyName,
        LongCategoryName,
        TokenSign,
        TokenValueNotDigit,
        TokenMultiDigit,
        TokenKindCase,
        TokenUnknownKind,
    };

    struct Diagnostic
    {
        int line = 0;   // 1-based
        int column = 0; // 1-based, in characters as the readers count them
        Kind kind = Kind::NotUtf8;
        QString message; // names the offending text
        QString hint;    // how to mend it
        Severity severity() const { return severityOf(kind); }
    };

    struct Report
    {
        bool readable = false;
        QString error; // why the file could not be read, when !readable
        RulesFile::Encoding encoding = RulesFile::Encoding::Utf8;
        QList<Diagnostic> diagnostics; // by line, then column
    };

    static Report checkFile(const QString &path);
    static Report checkBytes(const QByteArray &bytes);

    static QString kindName(Kind kind);
    static Severity severityOf(Kind kind);
    static QString severityName(Severity severity);
};
