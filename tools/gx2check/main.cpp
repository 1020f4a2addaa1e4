// gx2check [--json] FILE...: checks rules data files and prints every problem found in the
// form compilers use. Exit status: 0 when every file is clean, 1 when problems were found,
// 2 when a file could not be read or the command line was wrong.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "rulescheck/rulescheck.h"
#include "tools/gx2check/checkprinter.h"

namespace {

enum ExitStatus { Clean = 0, ProblemsFound = 1, Failed = 2 };

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gx2check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GX2CHECK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "gx2check", "Checks rules data files (GX2Mod.dat) for lines the program would read otherwise than meant."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QCoreApplication::translate("gx2check", "Print the findings as one JSON document."));
    parser.addOption(jsonOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QCoreApplication::translate("gx2check", "Rules data file to check."),
                                 QStringLiteral("FILE..."));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString usage = QStringLiteral("usage: gx2check [--json] FILE...\n");
    if (!parser.parse(QCoreApplication::arguments())) {
        err << "gx2check: " << parser.errorText() << '\n' << usage;
        return Failed;
    }
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return Clean;
    }
    if (parser.isSet(versionOption)) {
        out << "gx2check " << QCoreApplication::applicationVersion() << '\n';
        return Clean;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
        err << usage;
        return Failed;
    }

    const bool json = parser.isSet(jsonOption);
    bool unreadable = false;
    int problems = 0;
    QJsonArray jsonFiles;
    for (const QString &file : files) {
        const RulesCheck::Report report = RulesCheck::checkFile(file);
        if (!report.readable) {
            unreadable = true;
            if (!json)
                err << file << ": error: " << QCoreApplication::translate("gx2check", "cannot be read (%1)").arg(report.error) << '\n';
        } else {
            problems += int(report.diagnostics.size());
            if (!json) {
                CheckPrinter::printText(out, file, report);
                out.flush();
                err << file << ": "
                    << (report.diagnostics.isEmpty()
                            ? QCoreApplication::translate("gx2check", "no problems found")
                        : report.diagnostics.size() == 1
                            ? QCoreApplication::translate("gx2check", "1 problem found")
                            : QCoreApplication::translate("gx2check", "%1 problems found").arg(report.diagnostics.size()))
                    << '\n';
                err.flush();
            }
        }
        if (json)
            jsonFiles.append(CheckPrinter::toJson(file, report));
    }
    if (json) {
        const QJsonObject document{{QStringLiteral("files"), jsonFiles}, {QStringLiteral("problems"), problems}};
        out << QJsonDocument(document).toJson(QJsonDocument::Indented);
    }
    if (unreadable)
        return Failed;
    return problems > 0 ? ProblemsFound : Clean;
}
