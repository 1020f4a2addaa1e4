#include "bench/boundsbenchmarks.h"

#include <memory>
#include <optional>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
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
#include "rulescheck/rulescheck.h"
#include "session/rulesproblems.h"
#include "windowmodel/spellhistory.h"

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

// The check on the window's thread: how long a window that checked there would stand still.
void checkOnTheWindowsThread(benchmark::State &state, LimitFolder *scene)
{
    const QString path = RulesFile::pathIn(scene->folder.path());
    for (auto _ : state) {
        if (!RulesCheck::checkFile(path, RulesProblems::listed).readable)
            state.SkipWithError("the file was not checked");
    }
}

// The same check as the window runs it after a change of the file, timed as the longest wait
// between two turns of a 5 ms timer on the window's thread, from the change to the report.
void stallWhileChecking(benchmark::State &state, LimitFolder *scene)
{
    Cantrix model(scene->platform);
    RulesProblems problems(model);
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&problems, &RulesProblems::checked, &loop, &QEventLoop::quit);
        QTimer ticks;
        ticks.setInterval(5);
        QElapsedTimer since;
        qint64 longest = 0;
        QObject::connect(&ticks, &QTimer::timeout, &loop, [&] { longest = qMax(longest, since.restart()); });
        since.start();
        ticks.start();
        problems.check();
        loop.exec();
        longest = qMax(longest, since.elapsed());
        state.SetIterationTime(double(longest) / 1000.0);
        if (!problems.report().readable)
            state.SkipWithError("the file was not checked");
    }
}

// A program folder whose rules file has 200,000 lines: a type, a category of 199,990 modifiers
// and one of seven.
struct HistoryFolder
{
    HistoryFolder() : platform(folder.path())
    {
        QByteArray rules = "]Type\n#Large\n";
        for (int i = 0; i < 199990; ++i)
            rules += ("Modifier " + QByteArray::number(i)).leftJustified(60, ' ') + "+1\n";
        rules += "#Small\n";
        for (int i = 0; i < 7; ++i)
            rules += ("Small modifier " + QByteArray::number(i)).leftJustified(60, ' ') + "+1\n";
        ready = folder.isValid() && writeFile(RulesFile::pathIn(folder.path()), rules);
    }

    QTemporaryDir folder;
    RecordingPlatform platform;
    bool ready = false;
};

// Start-up, then `changes` changes of category, each one step, from the large to the small one
// and back. Shown: what the history holds by its own count, and the process's peak memory.
void changeCategories(benchmark::State &state, HistoryFolder *scene)
{
    const int changes = int(state.range(0));
    qint64 held = 0;
    int steps = 0;
    for (auto _ : state) {
        Cantrix model(scene->platform);
        SpellHistory history(model);
        model.Form_Load();
        history.settle();
        for (int i = 1; i <= changes; ++i) {
            model.CategoryCombo.setSelectedIndex(i % 2);
            history.settle();
        }
        held = history.heldBytes();
        steps = history.undoSteps();
    }
    state.counters["held MB"] = double(held) / (1024.0 * 1024.0);
    state.counters["steps"] = steps;
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
    static std::unique_ptr<HistoryFolder> history;
    history = std::make_unique<HistoryFolder>();
    if (history->ready) {
        for (const auto &[changes, what] : {std::pair{2, BenchNames::historyAfterTwo},
                                            std::pair{100, BenchNames::historyAfterHundred}}) {
            benchmark::RegisterBenchmark((std::string(BenchNames::historyLabel) + '/' + what).c_str(),
                                         changeCategories, history.get())
                ->Arg(changes)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Iterations(1);
        }
    }

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
        add(std::string(BenchNames::widestAtLimitLabel) + '/' + BenchNames::rulesCheck, checkOnTheWindowsThread,
            widest.get());
        benchmark::RegisterBenchmark(
            (std::string(BenchNames::widestAtLimitLabel) + '/' + BenchNames::stallWhileChecking).c_str(),
            stallWhileChecking, widest.get())
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(3)
            ->ComputeStatistics(RatioReporter::statistic, RatioReporter::fastest);
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
