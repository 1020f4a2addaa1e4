// gx2check [--json] FILE...: checks rules data files and prints every problem found in the
// form compilers use. Exit status: 0 when every file is clean, 1 when problems were found,
// 2 when a file could not be read, holds what makes the program refuse it (an error), or the
// command line was wrong.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include "files/wholefile.h"
#include "rulescheck/rulescheck.h"
#include "tools/gx2check/checkprinter.h"
#include "translations/programlanguage.h"

namespace {

enum ExitStatus { Clean = 0, ProblemsFound = 1, Failed = 2 };

// The context of the command's own texts in the translations.
struct Gx2Check
{
    Q_DECLARE_TR_FUNCTIONS(gx2check)
};

// The files named on the command line in the system's own bytes: a name that is not valid
// UTF-8 has no exact spelling in the parser's text. None of the options takes a value, so
// every argument that does not begin with '-' (or follows "--") names a file.
QList<QByteArray> nativeFileNames(int argc, char *argv[], const QStringList &parsed)
{
    QList<QByteArray> names;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (optionsEnded || !argument.startsWith('-') || argument == "-")
            names.append(argument);
    }
    if (names.size() == parsed.size())
        return names;
    names.clear();
    for (const QString &name : parsed)
        names.append(QFile::encodeName(name));
    return names;
}

// Reads one file and checks it, handing every finding to `printer` as it is found.
RulesCheck::Report check(const QByteArray &nativeName, RulesCheck::Sink &printer)
{
    const WholeFile::Contents contents = WholeFile::readNative(nativeName, RulesFile::maxBytes);
    if (!contents.ok()) {
        RulesCheck::Report report;
        report.error = contents.error;
        return report;
    }
    return RulesCheck::checkBytes(contents.bytes, printer);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gx2check"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GX2CHECK_VERSION));
    ProgramLanguage::install(app, QLocale::system());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        Gx2Check::tr("Checks rules data files (GX2Mod.dat) for lines the program would read otherwise than meant."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption jsonOption(QStringLiteral("json"), Gx2Check::tr("Print the findings as one JSON document."));
    parser.addOption(jsonOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), Gx2Check::tr("Rules data file to check."), QStringLiteral("FILE..."));

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
    const QList<QByteArray> files = nativeFileNames(argc, argv, parser.positionalArguments());
    if (files.isEmpty()) {
        err << usage;
        return Failed;
    }

    const bool json = parser.isSet(jsonOption);
    CheckPrinter::JsonPrinter jsonPrinter(out);
    if (json)
        jsonPrinter.begin();
    bool failed = false;
    qint64 problems = 0;
    for (const QByteArray &file : files) {
        const QString shown = CheckPrinter::shownName(file);
        RulesCheck::Report report;
        if (json) {
            jsonPrinter.beginFile(file);
            report = check(file, jsonPrinter);
            jsonPrinter.endFile(report);
        } else {
            CheckPrinter::TextPrinter textPrinter(out, shown);
            report = check(file, textPrinter);
            out.flush();
        }
        problems += report.problems;
        failed = failed || !report.readable || report.errors > 0;
        if (json)
            continue;
        if (!report.readable)
            err << shown << ": error: " << Gx2Check::tr("cannot be read (%1)").arg(report.error) << '\n';
        else if (report.problems == 0)
            err << shown << ": " << Gx2Check::tr("no problems found") << '\n';
        else if (report.problems == 1)
            err << shown << ": " << Gx2Check::tr("1 problem found") << '\n';
        else
            err << shown << ": " << Gx2Check::tr("%1 problems found").arg(report.problems) << '\n';
        if (report.errors > 0)
            err << shown << ": " << Gx2Check::tr("the program refuses this file until its errors are mended") << '\n';
        err.flush();
    }
    if (json)
        jsonPrinter.end(problems);
    if (failed)
        return Failed;
    return problems > 0 ? ProblemsFound : Clean;
}
