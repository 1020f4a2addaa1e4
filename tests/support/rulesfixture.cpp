#include "rulesfixture.h"

#include <QDir>
#include <QFile>

namespace RulesFixture {

namespace {

// Everything before the token column; column 60 stays blank as the separator.
constexpr int fieldWidth = 60;

QString withTokens(const QString &field, const QString &tokens)
{
    return tokens.isEmpty() ? field : field.leftJustified(fieldWidth, u' ') + tokens;
}

} // namespace

QString categoryLine(const QString &name, const QString &tokens)
{
    return withTokens(QLatin1Char('#') + name, tokens);
}

QString typeLine(const QString &name, const QString &tokens)
{
    return withTokens(QLatin1Char(']') + name, tokens);
}

QString modifierLine(const QString &text, const QString &tokens)
{
    return withTokens(text, tokens);
}

QString optionOwnerLine(const QString &text)
{
    return text;
}

QString optionLine(const QString &text, const QString &tokens)
{
    return withTokens(QLatin1Char(' ') + text, tokens);
}

bool writeRulesFile(const QString &directory, const QStringList &lines)
{
    QFile file(QDir(directory).filePath(QStringLiteral("GX2Mod.dat")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const QString &line : lines) {
        if (file.write(line.toUtf8() + "\r\n") < 0)
            return false;
    }
    return true;
}

} // namespace RulesFixture
