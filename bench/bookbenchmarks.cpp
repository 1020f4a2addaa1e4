#include "bench/bookbenchmarks.h"

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>

#include "app/bookpaper.h"
#include "bench/benchnames.h"
#include "bench/ratioreporter.h"
#include "bench/rulesscene.h"
#include "book/spellbook.h"
#include "documents/spellcommands.h"

namespace {

constexpr int spells = 10000;

// Spell i: category and type in turn, then rows chosen as a user would, five to thirteen of them.
bool generate(RulesScene &scene, SpellCommands &commands, const QString &folder)
{
    Cantrix &w = scene.model();
    for (int i = 0; i < spells; ++i) {
        w.mnuNew_Click();
        w.CategoryCombo.setSelectedIndex(i % std::max(1, w.CategoryCombo.count()));
        w.TypeCombo.setSelectedIndex(i % std::max(1, w.TypeCombo.count()));
        w.NameText.setText(QStringLiteral("Spell %1").arg(i));
        w.ForceText.setText(QString::number(1 + i % 6));
        const int wanted = 5 + i % 9;
        for (int r = 0; r < w.Modifier1List.count() && w.Summary2List.count() < wanted; ++r) {
            w.Modifier1List.setSelectedIndex((i + r) % w.Modifier1List.count());
            if (w.Modifier2List.count() > 0)
                w.userDoubleClickOption((i + r) % w.Modifier2List.count());
            else
                w.Modifier1List_DblClick();
        }
        if (commands.SaveSpell(QDir(folder).filePath(QStringLiteral("spell-%1.xml").arg(i))).outcome
            != SpellCommands::Outcome::Done)
            return false;
    }
    return true;
}

// A folder of files none of which is a spell, as a user may point the book at: half not named
// .xml (passed over and counted), half named .xml and holding a web page or plain text (listed
// with the reason).
bool generateNonSpells(const QString &folder, int count)
{
    for (int i = 0; i < count; ++i) {
        const bool xml = i % 2 == 0;
        QFile file(QDir(folder).filePath(QStringLiteral("file-%1.%2").arg(i).arg(xml ? u"xml" : u"txt")));
        const QByteArray bytes = i % 4 == 0 ? QByteArrayLiteral("<html><body>not a spell</body></html>\n")
                                            : QByteArrayLiteral("plain text, no XML\n");
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

double peakMegabytes(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// A running process's most resident memory so far. Its rusage, once it has ended, would also count
// the benchmark's own pages, which a forked child holds until it starts the program.
double highWaterMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

void registerBookBenchmarks(const QString &rulesFile, RatioReporter &reporter)
{
    RulesScene scene(QString::fromLatin1(BenchNames::bookLabel), rulesFile);
    if (!scene.error().isEmpty()) {
        qWarning("Skipping the book benchmarks: %s", qPrintable(scene.error()));
        return;
    }
    SpellCommands commands(scene.model(), scene.platform());
    const QString folder = QDir(scene.folderPath()).filePath(QStringLiteral("book"));
    if (!QDir().mkpath(folder) || !generate(scene, commands, folder)) {
        qWarning("Skipping the book benchmarks: the spells cannot be generated");
        return;
    }
    const std::string prefix = std::string(BenchNames::bookLabel) + '/';
    QElapsedTimer clock;

    // The baseline: each document opened in turn, as File > Open does.
    qsizetype skipped = 0;
    QString error;
    clock.start();
    const QStringList paths = SpellBook::candidates(folder, &skipped, &error);
    for (const QString &path : paths)
        commands.LoadSpell(path);
    const double baselineUs = double(clock.nsecsElapsed()) / 1000.0;
    reporter.addFigure(prefix + BenchNames::loadEach, 0, baselineUs);
    std::printf("book: LoadSpell one after another: %.0f ms for %lld spells\n", baselineUs / 1000,
                static_cast<long long>(paths.size()));

    clock.start();
    const QStringList listed = SpellBook::candidates(folder, &skipped, &error);
    const QList<BookEntry> book = SpellBook::readAll(listed, RulesFile::load(scene.rulesPath()));
    const double fillUs = double(clock.nsecsElapsed()) / 1000.0;
    reporter.addFigure(prefix + BenchNames::bookFill, 0, fillUs);
    std::printf("book: filled and rebuilt: %.0f ms (%.2fx the baseline) for %lld spells, peak memory %.0f MB\n",
                fillUs / 1000, fillUs / baselineUs, static_cast<long long>(book.size()), peakMegabytes(RUSAGE_SELF));

    // A book of 1,000 cards on paper, with the progress a user sees.
    int told = 0;
    clock.start();
    const std::optional<QString> failed =
        BookPaper::writePdf(book.mid(0, 1000), QDir(scene.folderPath()).filePath(QStringLiteral("book.pdf")),
                            QPageSize(QPageSize::A4), [&told](int, int) { return ++told > 0; });
    const double pdfUs = double(clock.nsecsElapsed()) / 1000.0;
    reporter.addFigure(prefix + BenchNames::bookPdf, 0, pdfUs);
    std::printf("book: PDF of %d cards: %.0f ms%s\n", told, pdfUs / 1000, failed ? " (FAILED)" : "");

    // The same bounds hold for a folder of anything but spells.
    constexpr int nonSpells = 100000;
    const QString odd = QDir(scene.folderPath()).filePath(QStringLiteral("not-spells"));
    if (QDir().mkpath(odd) && generateNonSpells(odd, nonSpells)) {
        clock.start();
        const QStringList oddPaths = SpellBook::candidates(odd, &skipped, &error);
        const QList<BookEntry> oddBook = SpellBook::readAll(oddPaths, RulesFile::load(scene.rulesPath()));
        const double oddUs = double(clock.nsecsElapsed()) / 1000.0;
        reporter.addFigure(prefix + BenchNames::bookNonSpells, 0, oddUs);
        const auto withReason = std::count_if(oddBook.begin(), oddBook.end(),
                                              [](const BookEntry &entry) { return !entry.reason.isEmpty(); });
        std::printf("book: %d files, none a spell: %.0f ms, %lld listed with a reason, %lld passed over, "
                    "peak memory %.0f MB\n",
                    nonSpells, oddUs / 1000, static_cast<long long>(withReason), static_cast<long long>(skipped),
                    peakMegabytes(RUSAGE_SELF));
    } else {
        qWarning("Skipping the book of files that are not spells: they cannot be generated");
    }

    QProcess cli;
    clock.start();
    cli.start(QStringLiteral(CANTRIX_BOOK_PROGRAM), {QStringLiteral("--rules"), scene.rulesPath(), folder});
    double commandPeak = 0;
    while (!cli.waitForFinished(20) && cli.state() != QProcess::NotRunning)
        commandPeak = std::max(commandPeak, highWaterMegabytes(cli.processId()));
    const double commandUs = double(clock.nsecsElapsed()) / 1000.0;
    reporter.addFigure(prefix + BenchNames::bookCommand, 0, commandUs);
    std::printf("cantrix-book: %.0f ms (%.2fx the baseline), exit %d, %lld bytes printed, peak memory %.0f MB\n",
                commandUs / 1000, commandUs / baselineUs, cli.exitCode(),
                static_cast<long long>(cli.readAllStandardOutput().size()), commandPeak);
}
