#pragma once

// What each benchmark is measured against, and the figures it has to meet. The summary at the
// end of a run pairs "<label>/<what>" with "<label>/<baseline>" of the same run.
namespace BenchNames {

// Reading a rules data file line by line with decoding: the least any handler that must
// stream the file can cost.
inline constexpr auto readRulesFile = "ReadRulesFile";

// The label of the rules data file that ships with the program.
inline constexpr auto bundledLabel = "bundled";

struct Comparison
{
    const char *what;
    const char *baseline;
    double maxRatio;        // 0: reported without a target
};

inline constexpr Comparison comparisons[] = {
    {"StartDesign", readRulesFile, 1.5},
    {"CategoryCombo_Click", readRulesFile, 1.5},
    {"Modifier1List_Click", readRulesFile, 1.5},
    {"Modifier1List_DblClick", readRulesFile, 1.5},
    {"CalculateDrain", readRulesFile, 0},
};

// Every handler on the bundled file answers within this many microseconds.
inline constexpr double bundledHandlerLimitUs = 1000;

} // namespace BenchNames
