#include "spellcard.h"

#include <QSaveFile>

#include "cantrix.h"

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
    return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n").arg(label, escaped(value));
}

// Inline styles only: the card must look the same in a browser, in print and in a PDF.
const char *const style =
    "body{font-family:'DejaVu Sans',Tahoma,Arial,sans-serif;color:#1b2a2a;margin:24px;}"
    ".card{border:2px solid #17494a;border-radius:8px;padding:16px 20px;max-width:640px;}"
    "h1{color:#17494a;margin:0 0 4px 0;font-size:22pt;}"
    ".byline{color:#5a6b6b;font-size:9pt;margin-bottom:12px;}"
    "table{border-collapse:collapse;margin:8px 0;}"
    "th{text-align:left;padding:3px 12px 3px 0;color:#17494a;font-weight:bold;}"
    "td{padding:3px 0;}"
    ".drain{font-weight:bold;font-size:13pt;}"
    "h2{color:#17494a;font-size:12pt;border-bottom:1px solid #17494a;margin:14px 0 6px 0;}"
    ".tokens{color:#8a6d00;font-family:'DejaVu Sans Mono',monospace;font-size:9pt;}"
    "ul{margin:4px 0 0 18px;padding:0;}";

} // namespace

Spell fromWindow(const Cantrix &window)
{
    Spell spell;
    spell.name = window.NameText.text();
    spell.category = window.Summary1List.row(0);
    spell.type = window.Summary1List.row(1);
    spell.force = window.ForceText.text();
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
    page += QStringLiteral("<style>%1</style></head>\n<body><div class=\"card\">\n").arg(QLatin1String(style));
    page += QStringLiteral("<h1>%1</h1>\n").arg(escaped(title));

    QStringList byline;
    if (!spell.author.isEmpty())
        byline << QStringLiteral("by ") + escaped(spell.author);
    if (!spell.created.isEmpty())
        byline << QStringLiteral("created ") + escaped(spell.created);
    if (!byline.isEmpty())
        page += QStringLiteral("<div class=\"byline\">%1</div>\n").arg(byline.join(QStringLiteral(", ")));

    page += QStringLiteral("<table>\n");
    page += row(QStringLiteral("Category"), spell.category);
    page += row(QStringLiteral("Type"), spell.type);
    page += row(QStringLiteral("Force"), spell.force);
    page += QStringLiteral("<tr><th>Drain</th><td class=\"drain\">%1</td></tr>\n").arg(escaped(spell.drain));
    page += QStringLiteral("</table>\n");

    if (!spell.description.isEmpty())
        page += QStringLiteral("<h2>Description</h2>\n<p>%1</p>\n").arg(escaped(spell.description));

    page += QStringLiteral("<h2>Modifiers</h2>\n");
    if (spell.modifiers.isEmpty()) {
        page += QStringLiteral("<p>None.</p>\n");
    } else {
        page += QStringLiteral("<ul>\n");
        for (const Modifier &modifier : spell.modifiers) {
            page += QStringLiteral("<li>%1").arg(escaped(modifier.text));
            if (!modifier.tokens.trimmed().isEmpty())
                page += QStringLiteral(" <span class=\"tokens\">%1</span>").arg(escaped(modifier.tokens));
            page += QStringLiteral("</li>\n");
        }
        page += QStringLiteral("</ul>\n");
    }
    page += QStringLiteral("</div></body></html>\n");
    return page;
}

QString saveHtml(const Spell &spell, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(html(spell).toUtf8());
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace SpellCard
