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

inline constexpr auto startUp = "Start-up";
// The rules check of a file on the window's thread, and the longest the window waits for its
// events while the same check runs on a worker.
inline constexpr auto rulesCheck = "RulesCheck";
inline constexpr auto stallWhileChecking = "UI stall while checking";
// The undo history after two and after a hundred changes of category.
inline constexpr auto historyAfterTwo = "History, 2 changes";
inline constexpr auto historyAfterHundred = "History, 100 changes";
// 10,000 spell documents opened one after the other with LoadSpell; the book of the same folder
// filled with every spell rebuilt; cantrix-book on the folder.
inline constexpr auto loadEach = "LoadSpell x10000";
inline constexpr auto bookFill = "Book fill+rebuild";
inline constexpr auto bookCommand = "cantrix-book";
inline constexpr auto bookPdf = "Book PDF 1000 cards";
// A folder of 100,000 files none of which is a spell, listed and read.
inline constexpr auto bookNonSpells = "Book 100000 non-spells";
inline constexpr auto open = "Open";

// The label of the rules data file that ships with the program.
inline constexpr auto bundledLabel = "bundled";
// Rules files of empty lines past and at the line limit, and a spell document of twenty
// thousand category elements opened with the 1 MB rules file.
inline constexpr auto emptyLines60MbLabel = "empty-60MB";
inline constexpr auto emptyLinesAtLimitLabel = "empty-200K";
// 200,000 lines of 316 bytes, every token malformed: the most a file within the limits holds.
inline constexpr auto widestAtLimitLabel = "widest-200K";
inline constexpr auto categoryElementsLabel = "categories";
// 200,000 lines: one category of 199,990 modifiers, one of seven.
inline constexpr auto historyLabel = "history-200K";
inline constexpr auto spellLabel = "spell";
inline constexpr auto windowLabel = "window";
inline constexpr auto bookLabel = "book";

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
    // A draft update costs the user-interface thread about an undo step, far below a millisecond.
    {"DraftUpdate", "UndoStep", 0, 1000, false},
    {"LoadSpell", parseSpellDocument, 2.0, 0, false},
    {"SaveSpell", parseSpellDocument, 0, 0, false},
    {firstMainWindow, nullptr, 0, 150000, true},
    // Whatever file a user hands it, the program starts, and opens a document, within 5 s.
    {startUp, nullptr, 0, 5000000, true},
    {open, parseSpellDocument, 0, 5000000, true},
    // The window answers within a tenth of a second however long the check takes.
    {stallWhileChecking, rulesCheck, 0.1, 100000, true},
    {rulesCheck, nullptr, 0, 0, true},
    // What the history holds is the counter "held MB" of these rows; the times are the changes'.
    {historyAfterTwo, nullptr, 0, 0, true},
    {historyAfterHundred, nullptr, 0, 0, true},
    {mainWindow, nullptr, 0, 150000, true},
    // A folder of 10,000 spells: the book is full, every spell rebuilt, within 2 s.
    {loadEach, nullptr, 0, 0, true},
    {bookFill, loadEach, 0, 2000000, true},
    {bookCommand, loadEach, 0, 2000000, true},
    {bookPdf, nullptr, 0, 20000000, true},
    // Files that are no spells are listed with their reason within the bound of any input.
    {bookNonSpells, nullptr, 0, 5000000, true},
};

// Every handler on the bundled file answers within this many microseconds.
inline constexpr double bundledHandlerLimitUs = 1000;

} // namespace BenchNames
