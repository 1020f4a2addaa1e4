// cantrix-scenario --dir DIR [SCRIPT]: runs scripted user actions against the design core
// with the rules data file of DIR, printing the window's state on each "dump".
#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "tools/scenario/scenariorunner.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs a script of user actions against the spell design core."));
    parser.addHelpOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Program directory holding GX2Mod.dat."),
                                       QStringLiteral("DIR"));
    parser.addOption(dirOption);
    parser.addPositionalArgument(QStringLiteral("script"), QStringLiteral("Script file; standard input when absent."));
    parser.process(app);

    QTextStream errors(stderr);
    if (!parser.isSet(dirOption) || parser.positionalArguments().size() > 1) {
        errors << "usage: cantrix-scenario --dir DIR [SCRIPT]\n";
        return 2;
    }

    QFile scriptFile;
    if (parser.positionalArguments().isEmpty()) {
        if (!scriptFile.open(stdin, QIODevice::ReadOnly)) {
            errors << "cannot read standard input\n";
            return 2;
        }
    } else {
        scriptFile.setFileName(parser.positionalArguments().constFirst());
        if (!scriptFile.open(QIODevice::ReadOnly)) {
            errors << scriptFile.fileName() << ": " << scriptFile.errorString() << '\n';
            return 2;
        }
    }
    const QString script = QString::fromUtf8(scriptFile.readAll());

    QTextStream out(stdout);
    // A script names files relative to the program directory, as a dialog answered there would:
    // the driver runs in it.
    const QString directory = QFileInfo(parser.value(dirOption)).absoluteFilePath();
    if (!QDir::setCurrent(directory)) {
        errors << directory << ": no such folder\n";
        return 2;
    }
    ScenarioRunner runner(directory, out);
    return runner.runScript(script, errors) ? 0 : 2;
}
