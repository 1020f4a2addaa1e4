#include "book/spellbook.h"

#include <algorithm>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QThreadPool>

#include "book/quietplatform.h"
#include "documents/spellcommands.h"
#include "documents/spellrebuild.h"
#include "drain/drain.h"
#include "windowmodel/cantrix.h"

using namespace Qt::StringLiterals;

namespace SpellBook {

namespace {

QString attribute(const XmlElement &element, QLatin1StringView name)
{
    QString value;
    for (int i = 0; i < element.attributes.length(); ++i) {
        if (element.attributes.getQName(i).compare(name, Qt::CaseInsensitive) == 0)
            value = element.attributes.getValue(i);
    }
    return value;
}

// What the document says it holds, as saved: the rebuild decides the rest.
void takeSaved(BookEntry &entry, const QList<XmlElement> &elements)
{
    for (const XmlElement &element : elements) {
        const auto is = [&element](QLatin1StringView name) { return element.name.compare(name, Qt::CaseInsensitive) == 0; };
        if (is("author"_L1))
            entry.author = attribute(element, "name"_L1);
        else if (is("date"_L1))
            entry.changed = attribute(element, "lastmod"_L1);
        else if (is("category"_L1))
            entry.category = attribute(element, "value"_L1);
        else if (is("type"_L1))
            entry.type = attribute(element, "value"_L1);
        else if (is("mod"_L1))
            entry.savedRows.append(attribute(element, "value"_L1));
    }
}

} // namespace

QStringList candidates(const QString &folder, qsizetype *skipped, QString *error)
{
    const QFileInfo info(folder);
    if (!info.exists()) {
        *error = QCoreApplication::translate("SpellBook", "there is no such folder");
        return {};
    }
    if (!info.isDir()) {
        *error = QCoreApplication::translate("SpellBook", "it is no folder");
        return {};
    }
    if (!info.isReadable() || !info.isExecutable()) {
        *error = QCoreApplication::translate("SpellBook", "the folder cannot be read");
        return {};
    }
    // Links are listed as what they are named, broken ones and loops too (System): reading
    // them tells the user why they are no spell, where dropping them would hide a spell.
    const QDir dir(folder);
    const QDir::Filters filter = QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QStringList paths;
    const QStringList names = dir.entryList({QStringLiteral("*.xml")}, filter, QDir::Name | QDir::IgnoreCase);
    paths.reserve(names.size());
    for (const QString &name : names)
        paths.append(dir.filePath(name));
    *skipped = dir.entryList(filter | QDir::Dirs).size() - paths.size();
    error->clear();
    return paths;
}

BookEntry read(Cantrix &window, const QString &path)
{
    BookEntry entry;
    entry.file = path;
    QList<XmlElement> elements;
    if (std::optional<QString> reason = SpellCommands::readSpellElements(path, elements)) {
        entry.reason = *reason;
        return entry;
    }
    takeSaved(entry, elements);
    const SpellRebuild::Outcome outcome = SpellRebuild::apply(window, elements);
    if (!outcome.rebuilt) {
        entry.reason = QCoreApplication::translate("SpellBook", "the rules data file cannot be read");
        return entry;
    }
    entry.name = window.NameText.text();
    entry.force = window.forceInUse();
    entry.savedDrain = outcome.savedDrain;
    entry.drain = outcome.drain;
    entry.rows = window.Summary2List.rows();
    entry.notFound = outcome.notFound;
    entry.card = SpellCard::fromWindow(window);
    entry.card.author = entry.author;
    return entry;
}

QList<BookEntry> readAll(const QStringList &paths, const RulesFile::Contents &rules, Progress *progress)
{
    // Each entry has its own slot, written by exactly one worker.
    std::vector<BookEntry> entries(size_t(paths.size()));
    std::atomic<qsizetype> next{0};
    const int workers = int(std::min<qsizetype>(std::max(1, QThread::idealThreadCount()), paths.size()));
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, workers));
    for (int w = 0; w < workers; ++w) {
        pool.start([&] {
            QuietPlatform platform(QString{});
            Cantrix window(platform);
            // One reading of the rules for the whole batch, and each category's modifiers
            // looked up once per worker.
            const Cantrix::RulesReadOnce held(window, rules);
            for (qsizetype i = next++; i < paths.size(); i = next++) {
                if (progress && progress->cancelled)
                    return;
                entries[size_t(i)] = read(window, paths.at(i));
                if (progress)
                    ++progress->done;
            }
        });
    }
    pool.waitForDone();
    return QList<BookEntry>(std::make_move_iterator(entries.begin()), std::make_move_iterator(entries.end()));
}

int levelOf(const QString &drainCode)
{
    const qsizetype close = drainCode.lastIndexOf(u']');
    if (close < 0)
        return 0;
    const QString letter = drainCode.mid(close + 1).trimmed();
    for (int level = 1; level <= Drain::levelLetterCount; ++level) {
        if (Drain::levelLetter(level) == letter)
            return level;
    }
    return 0;
}

} // namespace SpellBook
