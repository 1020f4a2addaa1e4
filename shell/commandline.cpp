#include "shell/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "shell/fileurl.h"

namespace CommandLine {

Split separateFiles(const QList<QByteArray> &arguments, const QString &startFolder)
{
    // Qt's own options that take the next argument as their value.
    static const QList<QByteArray> takingValues = {
        "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-qwindowicon",
        "-qwindowtitle", "-session", "-display", "-geometry", "-style", "-stylesheet", "-title", "-name",
        "-visual", "-qmljsdebugger", "-fontengine"};
    Split split;
    const QDir start(startFolder);
    bool filesOnly = false;
    bool valueNext = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray &argument = arguments.at(i);
        const QString name = QFile::decodeName(argument);
        if (i == 0) {
            split.forQt.append(argument);
        } else if (filesOnly) {
            split.files.append(name);
        } else if (argument == "--") {
            filesOnly = true;
        } else if (!valueNext && !argument.isEmpty() && QFileInfo::exists(start.absoluteFilePath(name))) {
            split.files.append(name);
        } else {
            split.forQt.append(argument);
            const QByteArray option = argument.startsWith("--") ? argument.mid(1) : argument;
            valueNext = !valueNext && takingValues.contains(option);
            continue;
        }
        valueNext = false;
    }
    return split;
}

QString process(const QCoreApplication &app, const QStringList &files, QString *refusal)
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
    return documentPath(files + parser.positionalArguments(), QDir::currentPath(), refusal);
}

QString documentPath(const QStringList &positionalArguments, const QString &startFolder, QString *refusal)
{
    if (positionalArguments.isEmpty() || positionalArguments.constFirst().isEmpty())
        return QString();
    const QString argument = positionalArguments.constFirst();
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? FileUrl::localPath(url, refusal) : argument;
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QDir(startFolder).absoluteFilePath(path));
}

} // namespace CommandLine
