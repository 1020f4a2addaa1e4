#include "bench/spellbenchmarks.h"

#include <algorithm>
#include <memory>

#include <QFile>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

#include "bench/benchnames.h"
#include "bench/ratioreporter.h"
#include "bench/rulesscene.h"
#include "documents/spellcommands.h"

namespace {

constexpr int modifierRows = 10000;

// The window of a designed spell, the commands that save and open it, and the document it
// was saved as.
struct SpellScene
{
    explicit SpellScene(const QString &rulesFile)
        : rules(QStringLiteral("spell"), rulesFile), commands(rules.model(), rules.platform())
    {
    }

    RulesScene rules;
    SpellCommands commands;
    QString documentPath;
    QString savePath;
};

void designSpell(Cantrix &model)
{
    model.NameText.setText(QStringLiteral("Ten thousand \"modifiers\" & more"));
    model.DescriptionText.setText(QStringLiteral("A spell with <every> modifier\r\nthere is."));
    model.ForceText.setText(QStringLiteral("4"));
    for (int i = 0; i < modifierRows; ++i) {
        const QString modifier = model.Modifier1List.row(i % std::max(1, model.Modifier1List.count()));
        model.Summary2List.append(QStringLiteral("%1: option %2 & <%3>").arg(modifier).arg(i).arg(i % 7));
        model.Summary2List1.append(QStringLiteral("+%1 -%2DRT").arg(i % 10).arg(i % 3));
    }
}

SpellScene *makeScene(const QString &rulesFile)
{
    static std::unique_ptr<SpellScene> scene;
    scene = std::make_unique<SpellScene>(rulesFile);
    if (!scene->rules.error().isEmpty()) {
        qWarning("Skipping the spell benchmarks: %s", qPrintable(scene->rules.error()));
        return nullptr;
    }
    scene->rules.selectCategory();
    designSpell(scene->rules.model());
    scene->documentPath = scene->rules.folderPath() + QStringLiteral("/ten-thousand.xml");
    scene->savePath = scene->rules.folderPath() + QStringLiteral("/saved.xml");
    if (scene->commands.SaveSpell(scene->documentPath).outcome != SpellCommands::Outcome::Done) {
        qWarning("Skipping the spell benchmarks: the spell cannot be saved");
        return nullptr;
    }
    return scene.get();
}

void parseSpellDocument(benchmark::State &state, SpellScene *scene)
{
    qint64 elements = 0;
    for (auto _ : state) {
        QFile file(scene->documentPath);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the document");
            return;
        }
        QXmlStreamReader reader(file.readAll());
        elements = 0;
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement) {
                // What any reader must do with an element: take its name and attributes.
                const QXmlStreamAttributes attributes = reader.attributes();
                benchmark::DoNotOptimize(attributes.size());
                ++elements;
            }
        }
        if (reader.hasError()) {
            state.SkipWithError("the document is not well-formed");
            return;
        }
    }
    state.counters["elements"] = double(elements);
}

void loadSpell(benchmark::State &state, SpellScene *scene)
{
    Cantrix &model = scene->rules.model();
    for (auto _ : state) {
        if (scene->commands.LoadSpell(scene->documentPath).outcome != SpellCommands::Outcome::Done) {
            state.SkipWithError("LoadSpell failed");
            return;
        }
    }
    if (model.Summary2List.count() != modifierRows)
        state.SkipWithError("LoadSpell did not restore every modifier row");
    state.counters["rows"] = model.Summary2List.count();
}

void saveSpell(benchmark::State &state, SpellScene *scene)
{
    for (auto _ : state) {
        if (scene->commands.SaveSpell(scene->savePath).outcome != SpellCommands::Outcome::Done) {
            state.SkipWithError("SaveSpell failed");
            return;
        }
    }
    state.counters["bytes"] = double(QFile(scene->savePath).size());
}

} // namespace

void registerSpellBenchmarks(const QString &rulesFile)
{
    SpellScene *scene = makeScene(rulesFile);
    if (!scene)
        return;
    const std::string prefix = std::string(BenchNames::spellLabel) + '/';
    const auto add = [&](const char *what, void (*run)(benchmark::State &, SpellScene *)) {
        benchmark::RegisterBenchmark((prefix + what).c_str(), run, scene)
            ->Unit(benchmark::kMicrosecond)
            ->ComputeStatistics(RatioReporter::statistic, RatioReporter::fastest);
    };
    add(BenchNames::parseSpellDocument, parseSpellDocument);
    add("LoadSpell", loadSpell);
    add("SaveSpell", saveSpell);
}
