#include "bench/boundsbenchmarks.h"

#include <memory>
#include <optional>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include "bench/benchnames.h"
#include "bench/ratioreporter.h"
#include "bench/rulesscene.h"
#include "bench/shownwindow.h"
#include "documents/spellcommands.h"

namespace {

constexpr int categoryElements = 20000;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The most memory the benchmark process has held so far, in MB: run with a filter that keeps
// only these rows, it bounds what one start-up or Open takes.
void countPeakMemory(benchmark::State &state)
{
#ifdef Q_OS_UNIX
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        state.counters["peak MB"] = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KB
#else
    Q_UNUSED(state);
#endif
}

// A program folder whose rules data file is a type, a category and then `lines` lines the
// category lists as modifiers, each `line` (with its line break).
struct LimitFolder
{
    LimitFolder(qsizetype lines, const QByteArray &line) : platform(folder.path()), modifiers(lines)
    {
        const QByteArray rules = "]Type\n#Category\n" + line.repeated(lines);
        ready = folder.isValid() && writeFile(RulesFile::pathIn(folder.path()), rules);
    }

    QTemporaryDir folder;
    RecordingPlatform platform;
    qsizetype modifiers;
    bool ready = false;
};

// A modifier line as long as the columns allow a token string to be, its 255 characters of
// tokens all malformed: every line gets the most findings the rules check gives one line.
QByteArray widestModifierLine()
{
    QByteArray tokens;
    while (tokens.size() < 255)
        tokens += "x1Y ";
    return QByteArray("Modifier").leftJustified(60, ' ') + tokens.left(255) + '\n';
}

// Start-up on 60 MB of empty lines: refused for its lines, told in one warning.
void startUpPastTheLineLimit(benchmark::State &state, LimitFolder *scene)
{
    for (auto _ : state) {
        Cantrix model(scene->platform);
        model.Form_Load();
        if (!model.isClosed())
            state.SkipWithError("the file was not refused");
    }
    countPeakMemory(state);
}

// Start-up on a file of as many lines as the limits accept, up to its window on screen.
void startUpAtTheLineLimit(benchmark::State &state, LimitFolder *scene)
{
    std::optional<ShownWindow> shown;
    for (auto _ : state) {
        shown.emplace(scene->platform);
        state.PauseTiming();
        if (shown->model.Modifier1List.count() != scene->modifiers)
            state.SkipWithError("the category does not list every line");
        shown.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    countPeakMemory(state);
}

// A document of twenty thousand category elements, as the commands and a bare XML reader read it.
struct CategoryDocument
{
    explicit CategoryDocument(const QString &rulesFile)
        : rules(QStringLiteral("categories"), rulesFile), commands(rules.model(), rules.platform())
    {
        path = rules.folderPath() + QStringLiteral("/categories.xml");
        const QByteArray element = "<category value=\"" + rules.model().CategoryCombo.row(rules.category()).toUtf8() + "\"/>";
        ready = rules.error().isEmpty() && writeFile(path, "<common>" + element.repeated(categoryElements) + "</common>");
    }

    RulesScene rules;
    SpellCommands commands;
    QString path;
    bool ready = false;
};

void openCategoryDocument(benchmark::State &state, CategoryDocument *scene)
{
    for (auto _ : state) {
        if (scene->commands.LoadSpell(scene->path).outcome != SpellCommands::Outcome::Done)
            state.SkipWithError("the document did not open");
    }
    state.counters["bytes"] = double(QFile(scene->path).size());
    countPeakMemory(state);
}

void parseCategoryDocument(benchmark::State &state, CategoryDocument *scene)
{
    for (auto _ : state) {
        QFile file(scene->path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot read the document");
            return;
        }
        QXmlStreamReader reader(file.readAll());
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement)
                benchmark::DoNotOptimize(reader.attributes().size());
        }
    }
}

template <typename Scene>
void add(const std::string &name, void (*run)(benchmark::State &, Scene *), Scene *scene)
{
    benchmark::RegisterBenchmark(name.c_str(), run, scene)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3)
        ->ComputeStatistics(RatioReporter::statistic, RatioReporter::fastest);
}

} // namespace

void registerBoundsBenchmarks(const QString &oneMegabyteRules)
{
    static std::unique_ptr<LimitFolder> pastLimit;
    pastLimit = std::make_unique<LimitFolder>(60 * 1000 * 1000 - 14, "\n"); // 60 MB
    static std::unique_ptr<LimitFolder> atLimit;
    atLimit = std::make_unique<LimitFolder>(RulesFile::maxLines - 2, "\n");
    static std::unique_ptr<LimitFolder> widest;
    widest = std::make_unique<LimitFolder>(RulesFile::maxLines - 2, widestModifierLine()); // 60 MB
    if (pastLimit->ready && atLimit->ready && widest->ready) {
        add(std::string(BenchNames::emptyLines60MbLabel) + '/' + BenchNames::startUp, startUpPastTheLineLimit,
            pastLimit.get());
        add(std::string(BenchNames::emptyLinesAtLimitLabel) + '/' + BenchNames::startUp, startUpAtTheLineLimit,
            atLimit.get());
        add(std::string(BenchNames::widestAtLimitLabel) + '/' + BenchNames::startUp, startUpAtTheLineLimit,
            widest.get());
    }
    if (oneMegabyteRules.isEmpty())
        return;
    static std::unique_ptr<CategoryDocument> document;
    document = std::make_unique<CategoryDocument>(oneMegabyteRules);
    if (!document->ready) {
        qWarning("Skipping the Open of category elements: %s", qPrintable(document->rules.error()));
        return;
    }
    const std::string prefix = std::string(BenchNames::categoryElementsLabel) + '/';
    add(prefix + BenchNames::parseSpellDocument, parseCategoryDocument, document.get());
    add(prefix + BenchNames::open, openCategoryDocument, document.get());
}
