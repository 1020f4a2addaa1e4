#pragma once

#include <limits>

#include <QCoreApplication>
#include <QList>
#include <QString>

#include "rules/rulesfile.h"

// Finds the mistakes in a rules data file that the program itself reads without a word: a
// modifier that silently loses its options, a token read other than it looks, two modifiers
// that shut each other out of the spell summary. The file is read with the program's own
// loader and judged by the same line and column rules the readers use, so what the check
// says is what the program does. One pass over the lines; every lookup is hashed.
//
// Findings are handed on line by line as the check goes, in the order of the file, so a file
// of a hundred thousand problems is checked in as little memory as a clean one.
class RulesCheck final
{
    Q_DECLARE_TR_FUNCTIONS(RulesCheck)

public:
    // Errors make the program refuse the file. Remarks are things this program reads as meant
    // but other rules readers may not.
    enum class Severity { Error, Warning, Remark };

    // What went wrong; each has a stable name (kindName) for scripts and tests.
    enum class Kind {
        NotUtf8,
        StrayByteInUtf8,
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
        TokensNotListed,
    };

    struct Diagnostic
    {
        int line = 0;   // 1-based
        int column = 0; // 1-based, in characters as the readers count them
        Kind kind = Kind::NotUtf8;
        QString message; // names the offending text
        QString hint;    // how to mend it
        Severity severity() const { return severityOf(kind); }
        // The message as a sentence, for people to read: a capital letter and a full stop.
        QString sentence() const;
    };

    // Where the findings go, one at a time, by line, then column.
    class Sink
    {
    public:
        virtual ~Sink() = default;
        // Whether the findings from now on need their message and hint; a sink that only
        // counts them says no, which saves writing them.
        virtual bool wantsText() const { return true; }
        virtual void found(const Diagnostic &diagnostic) = 0;
    };

    struct Report
    {
        bool readable = false;
        QString error; // why the file could not be read, when !readable
        RulesFile::Encoding encoding = RulesFile::Encoding::Utf8;
        QList<Diagnostic> diagnostics; // by line, then column: all, or the first `kept` of them
        qint64 problems = 0;           // how many were found in all, the ones not kept too
        qint64 errors = 0;             // how many of them make the program refuse the file
    };

    static constexpr qsizetype keepAll = std::numeric_limits<qsizetype>::max();

    static Report checkFile(const QString &path, qsizetype kept = keepAll);
    static Report checkBytes(const QByteArray &bytes, qsizetype kept = keepAll);
    // Hands every finding to `sink` as it is made and keeps none in the report.
    static Report checkBytes(const QByteArray &bytes, Sink &sink);
    // The same for a file the loader has read already.
    static Report checkContents(const RulesFile::Contents &contents, qsizetype kept = keepAll);
    static Report checkContents(const RulesFile::Contents &contents, Sink &sink);

    static QString kindName(Kind kind);
    static Severity severityOf(Kind kind);
    static QString severityName(Severity severity);

    // `text` with the characters a terminal or an editor does not show as they are (control
    // characters, C1 controls among them) written as escapes such as \t or \x1b.
    static QString escaped(QStringView text);
    // A name in the file system's own bytes, for showing: what is not valid UTF-8 is written
    // as \xNN escapes, and control characters as above.
    static QString escapedNativeName(const QByteArray &name);
};
