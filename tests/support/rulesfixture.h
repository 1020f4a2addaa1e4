#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// Builds rules data files for tests: each test writes exactly the lines its case needs.
namespace RulesFixture {

// A line with its name or text in the leading columns and the token string from column 61.
inline QString withTokens(const QString &text, const QString &tokens)
{
    return text.leftJustified(60, u' ') + tokens;
}

// Writes `lines` joined by `lineEnd` (and after the last line when `finalLineEnd`) as
// GX2Mod.dat in `directory`, encoded as UTF-8.
inline bool write(const QString &directory, const QStringList &lines,
                  const QString &lineEnd = QStringLiteral("\r\n"), bool finalLineEnd = true)
{
    QFile file(QDir(directory).filePath(QStringLiteral("GX2Mod.dat")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QString text = lines.join(lineEnd);
    if (finalLineEnd && !lines.isEmpty())
        text += lineEnd;
    return file.write(text.toUtf8()) >= 0;
}

inline bool writeBytes(const QString &directory, const QByteArray &bytes)
{
    QFile file(QDir(directory).filePath(QStringLiteral("GX2Mod.dat")));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace RulesFixture
