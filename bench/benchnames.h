#pragma once

// What each benchmark is measured against, and the figures it has to meet. The summary at the
// end of a run pairs "<label>/<what>" with "<label>/<baseline>" of the same run.
namespace BenchNames {

// Reading a rules data file line by line with decoding: the least any handler that must
// stream the file can cost.
inline constexpr auto readRulesFile = "ReadRulesFile";
// Reading a spell document and parsing it with a bare QXmlStreamReader.
inline constexpr auto parseSpellDocument = "ParseSpellDocument";
inline constexpr auto mainWindow = "MainWindow shown";
inline constexpr auto firstMainWindow = "MainWindow first shown";

// The label of the rules data file that ships with the program.
inline constexpr auto bundledLabel = "bundled";
inline constexpr auto spellLabel = "spell";
inline constexpr auto windowLabel = "window";

struct Comparison
{
    const char *what;
    const char *baseline;   // nullptr: no baseline
    double maxRatio;        // 0: no ratio target
    double maxMicroseconds; // 0: no time limit
    bool wallClock;         // wall-clock time (what a user waits for) rather than CPU time
};

inline constexpr Comparison comparisons[] = {
    {"StartDesign", readRulesFile, 1.5, 0, false},
    {"CategoryCombo_Click", readRulesFile, 1.5, 0, false},
    {"Modifier1List_Click", readRulesFile, 1.5, 0, false},
    {"Modifier1List_DblClick", readRulesFile, 1.5, 0, false},
    {"CalculateDrain", nullptr, 0, 0, false},
    // A preview never costs more than the double-click it tells of.
    {"ModifierPreview", "Modifier1List_DblClick", 1.0, 0, false},
    {"OptionPreview", "Modifier1List_DblClick", 1.0, 0, false},
    // Snapshot and restore of the whole window, a spell with thirteen summary rows.
    {"UndoStep", nullptr, 0, 0, false},
    {"LoadSpell", parseSpellDocument, 2.0, 0, false},
    {"SaveSpell", parseSpellDocument, 0, 0, false},
    {firstMainWindow, nullptr, 0, 150000, true},
    {mainWindow, nullptr, 0, 150000, true},
};

// Every handler on the bundled file answers within this many microseconds.
inline constexpr double bundledHandlerLimitUs = 1000;

} // namespace BenchNames
