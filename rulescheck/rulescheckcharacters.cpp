// Character-level checks: bytes that are not UTF-8, NUL bytes, carriage returns, tabs and
// what stands in column 60; and the escapes that show such characters in a message.
#include "rulescheck/rulescheckdetail.h"

#include "files/legacytext.h"
#include "rules/rulesline.h"

namespace RulesCheckDetail {
namespace {

bool isContinuation(uchar byte)
{
    return byte >= 0x80 && byte <= 0xBF;
}

bool isInvisible(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// Up to a few words of what follows a position, for naming it in a message.
QString excerpt(QStringView text)
{
    constexpr qsizetype shownCharacters = 30;
    return text.size() > shownCharacters ? text.left(shownCharacters).toString() + QStringLiteral("...")
                                         : text.toString();
}

} // namespace

int utf8SequenceLength(QByteArrayView bytes, qsizetype i)
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

Utf8Survey surveyUtf8(const QStringList &linesReadAsWindows1252)
{
    Utf8Survey survey;
    for (qsizetype index = 0; index < linesReadAsWindows1252.size(); ++index) {
        // A sequence never spans lines: the line feed is ASCII, and so is the CR taken off.
        const QByteArray bytes = LegacyText::toWindows1252(linesReadAsWindows1252[index]);
        qsizetype i = 0;
        while (i < bytes.size()) {
            const int length = utf8SequenceLength(bytes, i);
            Position &found = length == 0 ? survey.invalid : survey.firstWide;
            if (length != 1 && found.line == 0)
                found = {int(index) + 1, int(i) + 1, bytes.mid(i, std::max(length, 1))};
            if (survey.invalid.line != 0 && survey.firstWide.line != 0)
                return survey;
            i += std::max(length, 1);
        }
    }
    return survey;
}

QString quoted(QStringView text)
{
    return u'\'' + RulesCheck::escaped(text) + u'\'';
}

void checkCharacters(QStringView line, int number, Findings &out)
{
    const qsizetype nul = line.indexOf(QChar(0));
    if (nul >= 0) {
        out.add(number, int(nul) + 1, Kind::NulByte, [&] {
            return Texts{RulesCheck::tr("the line holds a NUL byte in column %1, and the program refuses a file "
                                        "that holds one")
                             .arg(nul + 1),
                         RulesCheck::tr("Remove it. A rules data file holds text only; if the file was saved as "
                                        "UTF-16, save it as UTF-8 instead.")};
        });
    }

    // The loader ends lines at LF only, so every CR still in a line stood without its LF.
    const qsizetype cr = line.indexOf(u'\r');
    if (cr >= 0) {
        out.add(number, int(cr) + 1, Kind::LoneCarriageReturn, [&] {
            const QStringView after = line.sliced(cr + 1);
            return Texts{after.isEmpty()
                             ? RulesCheck::tr("the line ends in a carriage return (CR) without a line feed: the CR "
                                              "stays part of the line's last field")
                             : RulesCheck::tr("a carriage return (CR) without a line feed in column %1 does not end "
                                              "the line: %2 after it is read as part of this line")
                                   .arg(cr + 1)
                                   .arg(quoted(excerpt(after))),
                         RulesCheck::tr("End every line with CR LF or with LF alone.")};
        });
    }

    // Comment lines are passed over by every reader, so a tab there does no harm.
    if (RulesLine::marker(line) == RulesLine::commentMarker)
        return;
    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0)
        return;
    out.add(number, int(tab) + 1, Kind::Tab, [&] {
        return Texts{tab == 0 ? RulesCheck::tr("the line begins with a tab, so it is a modifier line, not an option "
                                               "line: option lines begin with a blank")
                              : RulesCheck::tr("a tab in column %1 counts as one column, so what follows it does not "
                                               "stand in the columns an editor shows")
                                    .arg(tab + 1),
                     RulesCheck::tr("Use blanks instead of tabs: text in columns 1 to 59, the token string from "
                                    "column 61.")};
    });
}

bool checkColumn60(QStringView line, int lineNumber, bool isName, Findings &out)
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
        out.add(lineNumber, RulesLine::tokenColumn, Kind::TextIntoColumn60, [&] {
            return Texts{RulesCheck::tr("the name %1 runs past column 60: from column 61 on, %2 is read as its token "
                                        "string")
                             .arg(quoted(RulesLine::categoryOrTypeName(line)), quoted(wordAt(tokens))),
                         RulesCheck::tr("End the name by column 59, leave column 60 blank and start the token string "
                                        "in column 61.")};
        });
        return true;
    }

    if (!filled(separator))
        return false;
    const bool intoColumn60 = filled(separator - 1);
    const bool runsOn = intoColumn60 && filled(tokens);
    out.add(lineNumber, RulesLine::nameLastColumn, Kind::TextIntoColumn60, [&] {
        QString message;
        if (intoColumn60) {
            message = RulesCheck::tr("the text %1 runs into column 60, which is never read: %2 is lost")
                          .arg(quoted(RulesLine::modifierOrOptionText(line)), quoted(line.sliced(separator, 1)));
            if (runsOn) {
                message += RulesCheck::tr(", and %1 from column 61 on is read as tokens")
                               .arg(quoted(wordAt(tokens)));
            }
        } else {
            message = RulesCheck::tr("column 60 holds %1, which is never read").arg(quoted(line.sliced(separator, 1)));
        }
        return Texts{message, RulesCheck::tr("Keep the text within columns 1 to 59, leave column 60 blank and start "
                                             "the token string in column 61.")};
    });
    return runsOn;
}

} // namespace RulesCheckDetail

QString RulesCheck::escaped(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\t')
            shown += QStringLiteral("\\t");
        else if (c == u'\r')
            shown += QStringLiteral("\\r");
        else if (c == u'\n')
            shown += QStringLiteral("\\n");
        else if (RulesCheckDetail::isInvisible(c.unicode()))
            shown += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString RulesCheck::escapedNativeName(const QByteArray &name)
{
    QString shown;
    qsizetype i = 0;
    while (i < name.size()) {
        const int length = RulesCheckDetail::utf8SequenceLength(name, i);
        if (length == 0) {
            shown += QStringLiteral("\\x%1").arg(uint(uchar(name[i])), 2, 16, QLatin1Char('0'));
            ++i;
            continue;
        }
        shown += escaped(QString::fromUtf8(name.constData() + i, length));
        i += length;
    }
    return shown;
}
