#include "shell/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace CommandLine {

QString process(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Compose spells under the spell-design rules and see their drain code."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("spell"),
                                 QCoreApplication::translate("CommandLine", "A spell document to open."),
                                 QStringLiteral("[spell.xml]"));
    parser.process(app);
    return documentPath(parser.positionalArguments(), QDir::currentPath());
}

QString documentPath(const QStringList &positionalArguments, const QString &startFolder)
{
    if (positionalArguments.isEmpty() || positionalArguments.constFirst().isEmpty())
        return QString();
    const QString argument = positionalArguments.constFirst();
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    return QDir::cleanPath(QDir(startFolder).absoluteFilePath(path));
}

} // namespace CommandLine
