// cantrix-bench: times the handlers of the window model beside baselines measured in the same
// run, then prints a summary of the ratios.
//
// Usage: cantrix-bench [benchmark flags] LABEL=RULESFILE...
//   e.g. cantrix-bench bundled=data/GX2Mod.dat 1MB=/tmp/r1.dat 10MB=/tmp/r10.dat
// bench/run.sh builds it in release mode, generates the large files and runs it.
#include <cstdio>

#include <QCoreApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include "ratioreporter.h"
#include "rulesbenchmarks.h"

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);

    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0) {
            std::fprintf(stderr, "unrecognised argument %s (expected LABEL=RULESFILE)\n", argv[i]);
            return 2;
        }
        registerRulesBenchmarks(argument.left(equals), argument.mid(equals + 1));
        ++files;
    }
    if (files == 0)
        std::fprintf(stderr, "no rules data file given: only the benchmarks without one run\n");

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
