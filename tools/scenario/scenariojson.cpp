#include "tools/scenario/scenariojson.h"

#include <QJsonDocument>
#include <QJsonArray>

namespace ScenarioJson {

QString string(const QString &text)
{
    // An array of one string lets Qt do the escaping; strip the brackets around it.
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString stringArray(const QStringList &items)
{
    QStringList encoded;
    encoded.reserve(items.size());
    for (const QString &item : items)
        encoded.append(string(item));
    return u'[' + encoded.join(u',') + u']';
}

QString boolean(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString object(const QList<std::pair<QString, QString>> &members)
{
    QStringList encoded;
    encoded.reserve(members.size());
    for (const auto &[key, value] : members)
        encoded.append(string(key) + u':' + value);
    return u'{' + encoded.join(u',') + u'}';
}

} // namespace ScenarioJson
