// Character-level checks: bytes that are not UTF-8, NUL bytes, carriage returns, tabs and
// what stands in column 60.
#include "rulescheck/rulescheckdetail.h"

#include "design/rulesline.h"

namespace RulesCheckDetail {
namespace {

using Kind = RulesCheck::Kind;

bool isContinuation(uchar byte)
{
    return byte >= 0x80 && byte <= 0xBF;
}

// The length of the well-formed UTF-8 sequence at `i`, or 0 when it is not well formed
// (overlong forms, surrogates and code points past U+10FFFF are not).
int sequenceLength(const QByteArray &bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return k < bytes.size() ? uchar(bytes[k]) : uchar(0); };
    const uchar lead = at(i);
    if (lead < 0x80)
        return 1;
    uchar low = 0x80;
    uchar high = 0xBF;
    int length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    const uchar second = at(i + 1);
    if (second < low || second > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (!isContinuation(at(i + k)))
            return 0;
    }
    return length;
}

// Up to a few words of what follows a position, for naming it in a message.
QString excerpt(QStringView text)
{
    constexpr qsizetype shownCharacters = 30;
    return text.size() > shownCharacters ? text.left(shownCharacters).toString() + QStringLiteral("...")
                                         : text.toString();
}

} // namespace

QString quoted(QStringView text)
{
    QString shown;
    shown.reserve(text.size() + 2);
    shown += u'\'';
    for (const QChar c : text) {
        if (c == u'\t')
            shown += QStringLiteral("\\t");
        else if (c == u'\r')
            shown += QStringLiteral("\\r");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    shown += u'\'';
    return shown;
}

Position firstInvalidUtf8(const QByteArray &bytes)
{
    int line = 1;
    qsizetype lineStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar byte = uchar(bytes[i]);
        if (byte == '\n') {
            ++line;
            lineStart = ++i;
            continue;
        }
        const int length = sequenceLength(bytes, i);
        if (length == 0)
            return {line, int(i - lineStart) + 1, byte};
        i += length;
    }
    return {};
}

void checkCharacters(const QStringList &lines, Diagnostics &out)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const int number = int(i) + 1;

        const qsizetype nul = line.indexOf(QChar(0));
        if (nul >= 0) {
            add(out, number, int(nul) + 1, Kind::NulByte,
                RulesCheck::tr("the line holds a NUL byte in column %1").arg(nul + 1),
                RulesCheck::tr("Remove it. A rules data file holds text only; if the file was saved as "
                               "UTF-16, save it as UTF-8 instead."));
        }

        // The loader ends lines at LF only, so every CR still in a line stood without its LF.
        const qsizetype cr = line.indexOf(u'\r');
        if (cr >= 0) {
            const QStringView after = QStringView(line).sliced(cr + 1);
            const QString message = after.isEmpty()
                ? RulesCheck::tr("the line ends in a carriage return (CR) without a line feed: the CR "
                                 "stays part of the line's last field")
                : RulesCheck::tr("a carriage return (CR) without a line feed in column %1 does not end "
                                 "the line: %2 after it is read as part of this line")
                      .arg(cr + 1)
                      .arg(quoted(excerpt(after)));
            add(out, number, int(cr) + 1, Kind::LoneCarriageReturn, message,
                RulesCheck::tr("End every line with CR LF or with LF alone."));
        }

        // Comment lines are passed over by every reader, so a tab there does no harm.
        if (RulesLine::marker(line) == RulesLine::commentMarker)
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab < 0)
            continue;
        const QString message = tab == 0
            ? RulesCheck::tr("the line begins with a tab, so it is a modifier line, not an option line: "
                             "option lines begin with a blank")
            : RulesCheck::tr("a tab in column %1 counts as one column, so what follows it does not stand "
                             "in the columns an editor shows")
                  .arg(tab + 1);
        add(out, number, int(tab) + 1, Kind::Tab, message,
            RulesCheck::tr("Use blanks instead of tabs: text in columns 1 to 59, the token string from "
                           "column 61."));
    }
}

bool checkColumn60(QStringView line, int lineNumber, bool isName, Diagnostics &out)
{
    constexpr qsizetype separator = RulesLine::nameLastColumn - 1; // index of column 60
    constexpr qsizetype tokens = RulesLine::tokenColumn - 1;
    const auto filled = [&](qsizetype index) { return index < line.size() && line[index] != u' '; };
    const auto wordAt = [&](qsizetype index) {
        const QStringView rest = line.sliced(index);
        const qsizetype blank = rest.indexOf(u' ');
        return blank < 0 ? rest : rest.left(blank);
    };

    if (isName) {
        // A name may fill column 60. It has run on when what stands right after it, in column
        // 61, is no token: a name that ends in column 60 with its tokens in 61 is as meant.
        if (!filled(separator) || !filled(tokens) || isWellFormedToken(wordAt(tokens)))
            return false;
        add(out, lineNumber, RulesLine::tokenColumn, Kind::TextIntoColumn60,
            RulesCheck::tr("the name %1 runs past column 60: from column 61 on, %2 is read as its token "
                           "string")
                .arg(quoted(RulesLine::categoryOrTypeName(line)), quoted(wordAt(tokens))),
            RulesCheck::tr("End the name by column 59, leave column 60 blank and start the token string in "
                           "column 61."));
        return true;
    }

    if (!filled(separator))
        return false;
    bool runsOn = false;
    QString message;
    if (filled(separator - 1)) {
        message = RulesCheck::tr("the text %1 runs into column 60, which is never read: %2 is lost")
                      .arg(quoted(RulesLine::modifierOrOptionText(line)), quoted(line.sliced(separator, 1)));
        runsOn = filled(tokens);
        if (runsOn) {
            message += RulesCheck::tr(", and %1 from column 61 on is read as tokens")
                           .arg(quoted(wordAt(tokens)));
        }
    } else {
        message = RulesCheck::tr("column 60 holds %1, which is never read").arg(quoted(line.sliced(separator, 1)));
    }
    add(out, lineNumber, RulesLine::nameLastColumn, Kind::TextIntoColumn60, message,
        RulesCheck::tr("Keep the text within columns 1 to 59, leave column 60 blank and start the token "
                       "string in column 61."));
    return runsOn;
}

} // namespace RulesCheckDetail
