// cantrix-bench: times the handlers of the window model, the spell documents and the main
// window beside baselines measured in the same run, then prints a summary of the ratios.
//
// Usage: cantrix-bench [benchmark flags] LABEL=RULESFILE...
//   e.g. cantrix-bench bundled=data/GX2Mod.dat 1MB=/tmp/r1.dat 10MB=/tmp/r10.dat
// The spell and window benchmarks use the file labelled "bundled", or else the first one; the
// Open of a document of twenty thousand category elements uses the one labelled "1MB".
// bench/run.sh builds it optimised, generates the large files and runs it.
#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <QApplication>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <benchmark/benchmark.h>

#include "bench/benchnames.h"
#include "bench/bookbenchmarks.h"
#include "bench/boundsbenchmarks.h"
#include "bench/ratioreporter.h"
#include "bench/rulesbenchmarks.h"
#include "bench/spellbenchmarks.h"
#include "bench/windowbenchmarks.h"

int main(int argc, char **argv)
{
#ifdef __GLIBC__
    // glibc serves large blocks straight from the system and hands freed memory back, moving
    // the line between the two as a program runs; which side a 20 MB text falls on decides
    // whether every call pays to fault its pages in afresh, and it changed from one benchmark
    // to the next. Fixed here, baselines and handlers meet the same allocator.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
#endif
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    RatioReporter reporter;
    // Every path is made absolute at once: the scenes copy the rules into program folders of
    // their own and hand the paths on, so nothing may depend on the folder the run started in.
    QList<std::pair<QString, QString>> rulesFiles;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const qsizetype equals = argument.indexOf(u'=');
        if (equals <= 0) {
            std::fprintf(stderr, "unrecognised argument %s (expected LABEL=RULESFILE)\n", argv[i]);
            return 2;
        }
        rulesFiles.append({argument.left(equals), QFileInfo(argument.mid(equals + 1)).absoluteFilePath()});
    }
    QString designFile;
    QString oneMegabyteFile;
    for (const auto &[label, file] : rulesFiles) {
        registerRulesBenchmarks(label, file);
        if (label == QLatin1String("1MB"))
            oneMegabyteFile = file;
        if (designFile.isEmpty() || label == QLatin1String(BenchNames::bundledLabel))
            designFile = file;
    }
    if (designFile.isEmpty()) {
        std::fprintf(stderr, "usage: %s [benchmark flags] LABEL=RULESFILE...\n", argv[0]);
        return 2;
    }
    registerSpellBenchmarks(designFile);
    registerWindowBenchmarks(designFile, reporter);
    registerBoundsBenchmarks(oneMegabyteFile);
    registerBookBenchmarks(designFile, reporter);

    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
