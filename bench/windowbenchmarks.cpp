#include "bench/windowbenchmarks.h"

#include <ctime>
#include <memory>
#include <optional>

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include "bench/benchnames.h"
#include "bench/ratioreporter.h"
#include "bench/rulesscene.h"
#include "bench/shownwindow.h"

namespace {

void mainWindowShown(benchmark::State &state, RulesScene *scene)
{
    std::optional<ShownWindow> shown;
    for (auto _ : state) {
        shown.emplace(scene->platform());
        state.PauseTiming();
        if (!shown->window.isVisible() || shown->model.isClosed())
            state.SkipWithError("the window was not shown");
        shown.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

void registerWindowBenchmarks(const QString &rulesFile, RatioReporter &reporter)
{
    static std::unique_ptr<RulesScene> scene;
    scene = std::make_unique<RulesScene>(QString::fromLatin1(BenchNames::windowLabel), rulesFile);
    if (!scene->error().isEmpty()) {
        qWarning("Skipping the window benchmarks: %s", qPrintable(scene->error()));
        return;
    }
    const std::string prefix = std::string(BenchNames::windowLabel) + '/';

    // The first window of the process pays for fonts, styles and the platform plugin: what a
    // user waits for at start-up. Measured once, before any other window exists.
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    auto first = std::make_unique<ShownWindow>(scene->platform());
    const double cpuUs = double(std::clock() - cpuStart) * 1e6 / CLOCKS_PER_SEC;
    const double realUs = double(timer.nsecsElapsed()) / 1e3;
    first.reset();
    QCoreApplication::processEvents();
    reporter.addFigure(prefix + BenchNames::firstMainWindow, cpuUs, realUs);

    benchmark::RegisterBenchmark((prefix + BenchNames::mainWindow).c_str(), mainWindowShown, scene.get())
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->ComputeStatistics(RatioReporter::statistic, RatioReporter::fastest);
}
