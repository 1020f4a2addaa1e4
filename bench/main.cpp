// cantrix-bench: times the handlers of the window model, the spell documents and the main
// window beside baselines measured in the same run, then prints a summary of the ratios.
//
// Usage: cantrix-bench [benchmark flags] LABEL=RULESFILE...
//   e.g. cantrix-bench bundled=data/GX2Mod.dat 1MB=/tmp/r1.dat 10MB=/tmp/r10.dat
// The spell and window benchmarks use the file labelled "bundled", or else the first one.
// bench/run.sh builds it optimised, generates the large files and runs it.
#include <cstdio>

#include <QApplication>
#include <QFileInfo>
#include <QString>

#include <benchmark/benchmark.h>

#include "benchnames.h"
#include "ratioreporter.h"
#include "rulesbenchmarks.h"
#include "spellbenchmarks.h"
#include "windowbenchmarks.h"

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    RatioReporter reporter;
    QString designFile;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0) {
            std::fprintf(stderr, "unrecognised argument %s (expected LABEL=RULESFILE)\n", argv[i]);
            return 2;
        }
        const QString label = argument.left(equals);
        // Absolute: StartDesign makes each scene's program folder the current one.
        const QString file = QFileInfo(argument.mid(equals + 1)).absoluteFilePath();
        registerRulesBenchmarks(label, file);
        if (designFile.isEmpty() || label == QLatin1String(BenchNames::bundledLabel))
            designFile = file;
    }
    if (designFile.isEmpty()) {
        std::fprintf(stderr, "usage: %s [benchmark flags] LABEL=RULESFILE...\n", argv[0]);
        return 2;
    }
    registerSpellBenchmarks(designFile);
    registerWindowBenchmarks(designFile, reporter);

    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
