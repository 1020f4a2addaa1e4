#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

// Console output as usual, and at the end a summary that sets every handler beside the
// baseline measured in the same run, with the ratio and whether its target is met.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    // The machine's other load only ever adds time, so the fastest repetition is the
    // steadiest figure to set beside a baseline. Each benchmark adds this statistic.
    static constexpr auto statistic = "min";
    static double fastest(const std::vector<double> &values);

    // A figure measured outside Google Benchmark, once, in microseconds.
    void addFigure(const std::string &name, double cpuMicroseconds, double realMicroseconds);

    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

    // Whether every target in the summary was met (false also when a figure is missing).
    bool allTargetsMet() const { return m_allMet; }

private:
    struct Figure
    {
        double cpu = 0;
        double real = 0;
        bool fromStatistic = false; // the fastest repetition, not a single run
    };

    void printSummary();

    std::map<std::string, Figure> m_figures;
    bool m_allMet = true;
};
