#pragma once

#include <QString>
#include <QStringList>

// Builds rules data file lines with their fixed columns, so a test states only names and
// tokens: names and texts end by column 60, the token string starts at column 61.
namespace RulesFixture {

QString categoryLine(const QString &name, const QString &tokens = QString());
QString typeLine(const QString &name, const QString &tokens = QString());
// A plain modifier with its token string.
QString modifierLine(const QString &text, const QString &tokens = QString());
// A modifier that owns options: its text alone, nothing after it.
QString optionOwnerLine(const QString &text);
QString optionLine(const QString &text, const QString &tokens = QString());

// Writes GX2Mod.dat into `directory`, lines ended by CR LF. Returns false when it cannot.
bool writeRulesFile(const QString &directory, const QStringList &lines);

} // namespace RulesFixture
