#include "cards/spellcard.h"

#include "files/documentlimit.h"
#include "files/wholefile.h"
#include "shell/programinfo.h"
#include "windowmodel/cantrix.h"

namespace SpellCard {
namespace {

QString escaped(const QString &text)
{
    // Line breaks in a description are kept as breaks on the card.
    QString html = text.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    html.replace(u'\r', u'\n');
    html.replace(u'\n', QStringLiteral("<br>"));
    return html;
}

QString row(const QString &label, const QString &value)
{
    // Column widths as attributes: the paged engine sizes table columns only from those.
    return QStringLiteral("<tr><th width=\"30%\">%1</th><td class=\"value\">%2</td></tr>\n").arg(label, escaped(value));
}

// The card is laid out with tables and cell colours only, so that it looks the same in a
// browser and on the program's printed and PDF pages (whose HTML engine draws neither borders
// around blocks nor rounded corners). The colours are the program window's: dark teal, gold,
// and the light yellow of its fields.
const char *const style =
    // A browser centres the card at a readable width; the paged engine ignores the flex box
    // and gives the card the sheet's width ("margin:auto" would shrink it there).
    "body{margin:0;padding:1.5em 1em;display:flex;justify-content:center;"
    "font-family:'DejaVu Sans',Tahoma,Verdana,sans-serif;font-size:10.5pt;color:#1d2626;background:#ffffff;}"
    ".page{width:100%;max-width:42em;}"
    "table{border-collapse:collapse;}"
    ".card{border:2px solid #17494a;border-style:solid;border-color:#17494a;background:#fffef3;}"
    ".header{background:#17494a;color:#ffffff;padding:12px 16px 10px 16px;border-bottom:4px solid #e0b12f;}"
    "h1{margin:0;font-family:Georgia,'DejaVu Serif',serif;font-size:20pt;font-weight:bold;color:#ffffff;}"
    ".byline{margin:4px 0 0 0;color:#ffe9a6;font-size:9pt;}"
    ".content{padding:10px 16px 14px 16px;}"
    "h2{margin:14px 0 4px 0;color:#17494a;font-size:10.5pt;font-weight:bold;text-transform:uppercase;"
    "letter-spacing:1px;}"
    "th,td{text-align:left;vertical-align:top;padding:4px 8px;border-bottom:1px solid #d9e3e2;}"
    ".stats th{color:#17494a;font-weight:bold;}"
    ".stats th,.stats td{vertical-align:middle;}"
    ".stats td.value{font-weight:bold;}"
    ".drain{font-family:'DejaVu Sans Mono',Consolas,monospace;font-size:12pt;background:#ffffcc;}"
    ".mods th{background:#17494a;color:#ffffff;font-weight:normal;}"
    ".tokens{font-family:'DejaVu Sans Mono',Consolas,monospace;font-size:9pt;color:#6b5410;white-space:nowrap;}"
    ".uncounted td{color:#8a9696;font-style:italic;}"
    ".description{margin:0;}"
    ".empty{margin:0;color:#6b7b7b;font-style:italic;}"
    ".footer{padding:6px 16px;font-size:8pt;color:#6b7b7b;background:#f6faf9;border-top:1px solid #d9e3e2;"
    "border-bottom:2px solid #17494a;}";

} // namespace

Spell fromWindow(const Cantrix &window)
{
    Spell spell;
    spell.name = window.NameText.text();
    spell.category = window.Summary1List.row(0);
    spell.type = window.Summary1List.row(1);
    // The force the drain code beside it was computed with, as the saved document keeps it.
    spell.force = window.forceInUse();
    spell.drain = window.DrainText.text();
    spell.description = window.DescriptionText.text();
    spell.created = window.CreationDate;
    for (int i = 0; i < window.Summary2List.count(); ++i)
        spell.modifiers.append({window.Summary2List.row(i), window.Summary2List1.row(i)});
    return spell;
}

QString html(const Spell &spell)
{
    const QString title = spell.name.isEmpty() ? QStringLiteral("Untitled spell") : spell.name;
    QString page;
    page += QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>%1</title>\n")
                .arg(escaped(title));
    page += QStringLiteral("<style>%1</style></head>\n<body><div class=\"page\">\n").arg(QLatin1String(style));
    page += QStringLiteral("<table class=\"card\" width=\"100%\" cellspacing=\"0\" border=\"2\">\n");

    page += QStringLiteral("<tr><td class=\"header\">\n<h1>%1</h1>\n").arg(escaped(title));
    if (!spell.author.isEmpty())
        page += QStringLiteral("<p class=\"byline\">by %1</p>\n").arg(escaped(spell.author));
    page += QStringLiteral("</td></tr>\n");

    page += QStringLiteral("<tr><td class=\"content\">\n");
    page += QStringLiteral("<table class=\"stats\" width=\"100%\" cellspacing=\"0\">\n");
    page += row(QStringLiteral("Category"), spell.category);
    page += row(QStringLiteral("Type"), spell.type);
    page += row(QStringLiteral("Force"), spell.force);
    const QString drain = spell.drain.isEmpty()
                              ? QString()
                              : QStringLiteral("<span class=\"drain\">&nbsp;%1&nbsp;</span>").arg(escaped(spell.drain));
    page += QStringLiteral("<tr><th width=\"30%\">Drain</th><td class=\"value\">%1</td></tr>\n").arg(drain);
    page += QStringLiteral("</table>\n");

    page += QStringLiteral("<h2>Description</h2>\n");
    if (spell.description.trimmed().isEmpty())
        page += QStringLiteral("<p class=\"empty\">No description.</p>\n");
    else
        page += QStringLiteral("<p class=\"description\">%1</p>\n").arg(escaped(spell.description));

    page += QStringLiteral("<h2>Modifiers</h2>\n");
    if (spell.modifiers.isEmpty()) {
        page += QStringLiteral("<p class=\"empty\">No modifiers.</p>\n");
    } else {
        page += QStringLiteral("<table class=\"mods\" width=\"100%\" cellspacing=\"0\">\n"
                               "<tr><th width=\"70%\">Modifier</th><th width=\"30%\">Tokens</th></tr>\n");
        for (qsizetype i = 0; i < spell.modifiers.size(); ++i) {
            const Modifier &modifier = spell.modifiers.at(i);
            const bool counted = i < Cantrix::countedSummaryRows;
            page += QStringLiteral("<tr%1><td>%2</td><td class=\"tokens\">%3</td></tr>\n")
                        .arg(counted ? QString() : QStringLiteral(" class=\"uncounted\""),
                             escaped(modifier.text), escaped(modifier.tokens.trimmed()));
        }
        page += QStringLiteral("</table>\n");
        if (spell.modifiers.size() > Cantrix::countedSummaryRows)
            page += QStringLiteral("<p class=\"empty\">Modifiers after the thirteenth take no part in the drain code.</p>\n");
    }
    page += QStringLiteral("</td></tr>\n");

    QStringList footer;
    if (!spell.created.isEmpty())
        footer << QStringLiteral("Created ") + escaped(spell.created);
    footer << escaped(ProgramInfo::title());
    page += QStringLiteral("<tr><td class=\"footer\">%1</td></tr>\n").arg(footer.join(QStringLiteral(" &middot; ")));

    page += QStringLiteral("</table>\n</div></body></html>\n");
    return page;
}

QString saveHtml(const Spell &spell, const QString &path)
{
    // No larger than a spell document: whatever the program writes, it reads back.
    const QByteArray page = html(spell).toUtf8();
    std::optional<QString> reason = DocumentLimit::refusal(page.size());
    if (!reason)
        reason = WholeFile::replace(path, page);
    return reason.value_or(QString());
}

} // namespace SpellCard
