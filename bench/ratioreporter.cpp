#include "ratioreporter.h"

#include <cstdio>
#include <set>

#include "benchnames.h"

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

// "bundled/StartDesign" -> {"bundled", "StartDesign"}
std::pair<std::string, std::string> split(const std::string &name)
{
    const auto slash = name.rfind('/');
    if (slash == std::string::npos)
        return {std::string(), name};
    return {name.substr(0, slash), name.substr(slash + 1)};
}

} // namespace

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.error_occurred)
            continue;
        const std::string name = run.run_name.function_name;
        const double us = toMicroseconds(run.GetAdjustedRealTime(), run.time_unit);
        if (run.run_type == Run::RT_Aggregate) {
            if (run.aggregate_name == "min") {
                m_microseconds[name] = us;
                m_fromAggregate[name] = true;
            }
        } else if (!m_fromAggregate[name]) {
            m_microseconds[name] = us;
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
    for (const auto &[name, us] : m_microseconds)
        labels.insert(split(name).first);

    std::printf("\nSummary (real time per call, fastest of the repetitions; ratio = handler / baseline of the same run)\n");
    std::printf("%-10s %-24s %12s %-20s %12s %7s  %s\n", "file", "what", "time (us)", "baseline",
                "base (us)", "ratio", "target");
    for (const std::string &label : labels) {
        for (const BenchNames::Comparison &c : BenchNames::comparisons) {
            const auto found = m_microseconds.find(label + '/' + c.what);
            if (found == m_microseconds.end())
                continue;
            const double us = found->second;
            const auto base = m_microseconds.find(label + '/' + c.baseline);
            const double baseUs = base == m_microseconds.end() ? 0 : base->second;
            const double ratio = baseUs > 0 ? us / baseUs : 0;

            std::string target;
            bool met = true;
            if (c.maxRatio > 0) {
                char text[32];
                std::snprintf(text, sizeof text, "<= %.1fx", c.maxRatio);
                target = text;
                met = baseUs > 0 && ratio <= c.maxRatio;
            }
            if (label == BenchNames::bundledLabel) {
                target += target.empty() ? "< 1 ms" : ", < 1 ms";
                met = met && us < BenchNames::bundledHandlerLimitUs;
            }
            if (!target.empty()) {
                target += met ? "  met" : "  MISSED";
                m_allMet = m_allMet && met;
            }
            char ratioText[16] = "-";
            if (c.maxRatio > 0 && ratio > 0)
                std::snprintf(ratioText, sizeof ratioText, "%.2fx", ratio);
            std::printf("%-10s %-24s %12.1f %-20s %12.1f %7s  %s\n", label.c_str(), c.what, us,
                        c.baseline, baseUs, ratioText, target.c_str());
        }
    }
    std::fflush(stdout);
}
