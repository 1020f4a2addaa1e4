#pragma once

#include <QString>
#include <QStringList>

// Small JSON writers for the scenario dump; keys are written in the order given, which
// keeps the expected files readable and stable.
namespace ScenarioJson {
QString string(const QString &text);
QString stringArray(const QStringList &items);
QString boolean(bool value);
// {"k1":v1,"k2":v2,...} from already-encoded values.
QString object(const QList<std::pair<QString, QString>> &members);
} // namespace ScenarioJson
