#include "book/bookjson.h"

#include <QStringList>

#include "files/jsontext.h"

namespace BookJson {

QString string(QStringView text)
{
    return JsonText::quoted(text);
}

namespace {

QString array(const QStringList &texts)
{
    QStringList quoted;
    quoted.reserve(texts.size());
    for (const QString &text : texts)
        quoted.append(string(text));
    return u'[' + quoted.join(QLatin1String(", ")) + u']';
}

QString member(const char *key, const QString &json)
{
    return u'"' + QLatin1String(key) + QLatin1String("\": ") + json;
}

} // namespace

QString document(const QList<BookEntry> &entries, bool oneLine)
{
    QStringList spells;
    QStringList unreadable;
    for (const BookEntry &entry : entries) {
        if (!entry.isSpell()) {
            unreadable.append(u'{' + member("file", string(entry.file)) + QLatin1String(", ")
                              + member("reason", string(entry.reason)) + u'}');
            continue;
        }
        const QStringList members = {
            member("file", string(entry.file)),           member("name", string(entry.name)),
            member("category", string(entry.category)),   member("type", string(entry.type)),
            member("force", string(entry.force)),         member("savedDrain", string(entry.savedDrain)),
            member("drain", string(entry.drain)),         member("rows", array(entry.rows)),
            member("notFound", array(entry.notFound)),
        };
        spells.append(u'{' + members.join(QLatin1String(", ")) + u'}');
    }
    const QString indent = oneLine ? QString() : QStringLiteral("\n  ");
    const QString end = oneLine ? QString() : QStringLiteral("\n");
    const auto list = [&](const QStringList &objects) {
        return objects.isEmpty() ? QStringLiteral("[]") : u'[' + indent + objects.join(u',' + indent) + end + u']';
    };
    return QLatin1String("{\"spells\": ") + list(spells) + u',' + end + QLatin1String("\"unreadable\": ")
        + list(unreadable) + u'}';
}

} // namespace BookJson
