#include "bench/rulesbenchmarks.h"

#include <memory>

#include <QFileInfo>
#include <QSettings>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/benchnames.h"
#include "bench/ratioreporter.h"
#include "bench/rulesscene.h"
#include "documents/draftkeeper.h"
#include "drain/drainpreview.h"
#include "session/spellsession.h"
#include "windowmodel/spellsnapshot.h"

namespace {

// Scenes live as long as the program: benchmarks run after registration returns.
std::vector<std::unique_ptr<RulesScene>> &scenes()
{
    static std::vector<std::unique_ptr<RulesScene>> all;
    return all;
}

void readRulesFile(benchmark::State &state, RulesScene *scene)
{
    const QString path = scene->rulesPath();
    for (auto _ : state) {
        RulesFile::Contents contents = RulesFile::load(path);
        benchmark::DoNotOptimize(contents.lines.constData());
    }
}

void startDesign(benchmark::State &state, RulesScene *scene)
{
    Cantrix &model = scene->model();
    // Timed through New, the way StartDesign runs after start-up: it fills the lists without
    // emptying them, which ClearControls does first. Emptying them is a small part of the
    // work, smaller than pausing the timer around it would add.
    for (auto _ : state)
        model.mnuNew_Click();
}

void categoryClick(benchmark::State &state, RulesScene *scene)
{
    Cantrix &model = scene->model();
    scene->selectCategory();
    for (auto _ : state)
        model.CategoryCombo_Click();
}

// The scene's model with the category and the modifier `row` selected; none, and the
// benchmark skipped, when the file has no such modifier.
Cantrix *withModifier(benchmark::State &state, RulesScene *scene, int row, const char *missing)
{
    if (row < 0) {
        state.SkipWithError(missing);
        return nullptr;
    }
    scene->selectCategory();
    scene->model().Modifier1List.setSelectedIndex(row);
    return &scene->model();
}

Cantrix *withOptions(benchmark::State &state, RulesScene *scene)
{
    return withModifier(state, scene, scene->modifierWithOptions(), "no modifier with options in this file");
}

Cantrix *withStandalone(benchmark::State &state, RulesScene *scene)
{
    return withModifier(state, scene, scene->standaloneModifier(), "no stand-alone modifier in this file");
}

void modifierClick(benchmark::State &state, RulesScene *scene)
{
    Cantrix *model = withOptions(state, scene);
    if (!model)
        return;
    for (auto _ : state)
        model->Modifier1List_Click();
    state.counters["options"] = model->Modifier2List.count();
}

void modifierDoubleClick(benchmark::State &state, RulesScene *scene)
{
    Cantrix *found = withStandalone(state, scene);
    if (!found)
        return;
    Cantrix &model = *found;
    for (auto _ : state) {
        // An empty summary each time, so every double-click adds its row and recomputes the
        // drain code instead of being refused as a duplicate. Emptying one row is negligible.
        model.Summary2List.clear();
        model.Summary2List1.clear();
        model.Modifier1List_DblClick();
    }
    if (model.Summary2List.count() != 1)
        state.SkipWithError("the double-click added no row");
}

// What the status bar says about the selected row, text and all: the work a selection adds.
void previewSelection(benchmark::State &state, Cantrix &model)
{
    for (auto _ : state) {
        QString text = DrainPreview::ofSelection(model.drainInputs()).statusText();
        benchmark::DoNotOptimize(text.constData());
    }
}

// The stand-alone modifier the double-click benchmark adds, on the same empty summary.
void modifierPreview(benchmark::State &state, RulesScene *scene)
{
    Cantrix *model = withStandalone(state, scene);
    if (!model)
        return;
    model->Summary2List.clear();
    model->Summary2List1.clear();
    previewSelection(state, *model);
    if (DrainPreview::ofSelection(model->drainInputs()).outcome != DrainPreview::Outcome::Adds)
        state.SkipWithError("the preview adds no row");
}

// An option on a full summary: every counted row searched, the drain code of fourteen rows.
void optionPreview(benchmark::State &state, RulesScene *scene)
{
    Cantrix *model = withOptions(state, scene);
    if (!model)
        return;
    model->Modifier2List.setSelectedIndex(0);
    scene->fillSummary();
    previewSelection(state, *model);
}

void calculateDrain(benchmark::State &state, RulesScene *scene)
{
    Cantrix &model = scene->model();
    scene->fillSummary();
    for (auto _ : state)
        model.CalculateDrain();
}

// One step of Undo: the window kept as it is, and another state put back whole, alternating
// between a spell with thirteen summary rows and the same spell before its last row was added.
void undoStep(benchmark::State &state, RulesScene *scene)
{
    Cantrix &model = scene->model();
    scene->fillSummary();
    model.CalculateDrain();
    const SpellSnapshot full = SpellSnapshot::of(model);
    model.Summary2List.remove(Cantrix::countedSummaryRows - 1);
    model.Summary2List1.remove(Cantrix::countedSummaryRows - 1);
    model.CalculateDrain();
    const SpellSnapshot shorter = SpellSnapshot::of(model);
    bool toFull = true;
    for (auto _ : state) {
        SpellSnapshot kept = SpellSnapshot::of(model);
        benchmark::DoNotOptimize(kept);
        model.restore(toFull ? full : shorter);
        toFull = !toFull;
    }
    if (model.Summary2List.count() < Cantrix::countedSummaryRows - 1)
        state.SkipWithError("the summary was not put back");
}

// The draft brought up to date after a change to a spell of thirteen summary rows, as the
// user-interface thread meets it: the document composed and handed to the writer. The writing
// itself is left to the writer's thread, and waited for outside the timing.
void draftUpdate(benchmark::State &state, RulesScene *scene)
{
    scene->platform().setUserDataDirectory(scene->folderPath() + QStringLiteral("/data"));
    QSettings settings(scene->folderPath() + QStringLiteral("/settings.ini"), QSettings::IniFormat);
    SpellSession session(scene->platform(), settings);
    if (!session.start()) {
        state.SkipWithError("the session did not start");
        return;
    }
    scene->fillSummary();
    scene->model().CalculateDrain();
    session.window().restore(SpellSnapshot::of(scene->model()));
    session.settle();
    DraftKeeper &keeper = session.draftKeeper();
    for (auto _ : state) {
        keeper.update();
        state.PauseTiming();
        keeper.waitForWritten();
        state.ResumeTiming();
    }
    if (!QFileInfo::exists(scene->folderPath() + QStringLiteral("/data/last-spell.xml")))
        state.SkipWithError("no draft was written");
}

} // namespace

void registerRulesBenchmarks(const QString &label, const QString &rulesFile)
{
    auto scene = std::make_unique<RulesScene>(label, rulesFile);
    if (!scene->error().isEmpty()) {
        qWarning("Skipping %s: %s", qPrintable(label), qPrintable(scene->error()));
        return;
    }
    RulesScene *s = scenes().emplace_back(std::move(scene)).get();

    const std::string prefix = label.toStdString() + '/';
    const auto add = [&](const char *what, void (*run)(benchmark::State &, RulesScene *)) {
        benchmark::RegisterBenchmark((prefix + what).c_str(), run, s)
            ->Unit(benchmark::kMicrosecond)
            ->ComputeStatistics(RatioReporter::statistic, RatioReporter::fastest);
    };
    add(BenchNames::readRulesFile, readRulesFile);
    add("StartDesign", startDesign);
    add("CategoryCombo_Click", categoryClick);
    add("Modifier1List_Click", modifierClick);
    add("Modifier1List_DblClick", modifierDoubleClick);
    add("CalculateDrain", calculateDrain);
    add("ModifierPreview", modifierPreview);
    add("OptionPreview", optionPreview);
    add("UndoStep", undoStep);
    add("DraftUpdate", draftUpdate);
}
