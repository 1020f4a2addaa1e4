#include "bench/ratioreporter.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "bench/benchnames.h"

namespace {

double toMicroseconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond: return value / 1e3;
    case benchmark::kMicrosecond: return value;
    case benchmark::kMillisecond: return value * 1e3;
    case benchmark::kSecond: return value * 1e6;
    }
    return value;
}

// "bundled/StartDesign" -> "bundled"
std::string labelOf(const std::string &name)
{
    const auto slash = name.rfind('/');
    return slash == std::string::npos ? std::string() : name.substr(0, slash);
}

} // namespace

double RatioReporter::fastest(const std::vector<double> &values)
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

void RatioReporter::addFigure(const std::string &name, double cpuMicroseconds, double realMicroseconds)
{
    m_figures[name] = {cpuMicroseconds, realMicroseconds, true};
}

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.error_occurred)
            continue;
        const std::string name = run.run_name.function_name;
        const Figure figure{toMicroseconds(run.GetAdjustedCPUTime(), run.time_unit),
                            toMicroseconds(run.GetAdjustedRealTime(), run.time_unit),
                            run.run_type == Run::RT_Aggregate};
        if (run.run_type == Run::RT_Aggregate) {
            if (run.aggregate_name == statistic)
                m_figures[name] = figure;
        } else if (!m_figures[name].fromStatistic) {
            m_figures[name] = figure;
        }
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    printSummary();
}

void RatioReporter::printSummary()
{
    std::set<std::string> labels;
    for (const auto &entry : m_figures)
        labels.insert(labelOf(entry.first));

    std::printf("\nSummary: fastest repetition per call; CPU time, as the machine may be shared, except\n"
                "where the clock says wall. Ratio = handler / baseline measured in the same run.\n");
    std::printf("%-8s %-23s %12s %-19s %11s %7s  %s\n", "file", "what", "time (us)", "baseline",
                "base (us)", "ratio", "target");
    for (const std::string &label : labels) {
        for (const BenchNames::Comparison &c : BenchNames::comparisons) {
            const auto found = m_figures.find(label + '/' + c.what);
            if (found == m_figures.end())
                continue;
            const auto time = [&c](const Figure &figure) { return c.wallClock ? figure.real : figure.cpu; };
            const double us = time(found->second);
            double baseUs = 0;
            if (c.baseline) {
                const auto base = m_figures.find(label + '/' + c.baseline);
                baseUs = base == m_figures.end() ? 0 : time(base->second);
            }
            const double ratio = baseUs > 0 ? us / baseUs : 0;

            std::string target;
            bool met = true;
            const auto require = [&](const std::string &text, bool ok) {
                target += (target.empty() ? "" : ", ") + text;
                met = met && ok;
            };
            char text[48];
            if (c.maxRatio > 0) {
                std::snprintf(text, sizeof text, "<= %.1fx", c.maxRatio);
                require(text, baseUs > 0 && ratio <= c.maxRatio);
            }
            if (c.maxMicroseconds > 0) {
                std::snprintf(text, sizeof text, "< %.0f ms", c.maxMicroseconds / 1000);
                require(text, us < c.maxMicroseconds);
            }
            if (label == BenchNames::bundledLabel)
                require("< 1 ms", us < BenchNames::bundledHandlerLimitUs);
            if (!target.empty()) {
                target += met ? "  met" : "  MISSED";
                m_allMet = m_allMet && met;
            }
            if (c.wallClock)
                target += target.empty() ? "(wall)" : "  (wall)";

            char ratioText[16] = "-";
            if (ratio > 0)
                std::snprintf(ratioText, sizeof ratioText, "%.2fx", ratio);
            std::printf("%-8s %-23s %12.1f %-19s %11.1f %7s  %s\n", label.c_str(), c.what, us,
                        c.baseline ? c.baseline : "-", baseUs, ratioText, target.c_str());
        }
    }
    std::fflush(stdout);
}
