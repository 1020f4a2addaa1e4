#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

// Console output as usual, and at the end a summary that sets every handler beside the
// baseline measured in the same run, with the ratio and whether its target is met.
// With repetitions, the fastest repetition (the "min" statistic the benchmarks add) is used.
class RatioReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

    // Whether every target in the summary was met (false also when a figure is missing).
    bool allTargetsMet() const { return m_allMet; }

private:
    void printSummary();

    // Real time per iteration in microseconds, by benchmark name.
    std::map<std::string, double> m_microseconds;
    std::map<std::string, bool> m_fromAggregate;
    bool m_allMet = true;
};
