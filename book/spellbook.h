#pragma once

#include <atomic>

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include "book/bookentry.h"
#include "rules/rulesfile.h"

class Cantrix;

// Reading a folder of spell documents and rebuilding every spell under the rules as they are
// now, each on a private window model, so what the book says of a spell is what the window
// would show after a rebuild. Nothing is ever written to a spell document.
namespace SpellBook {

// The files of a folder that may be spells (named *.xml, in any case), by name; `skipped` gets
// the number of other entries, which are passed over. `error` says why the folder cannot be
// listed (missing, no folder, no permission).
QStringList candidates(const QString &folder, qsizetype *skipped, QString *error);

// One document rebuilt on `window`, whose rules are read already (Cantrix::RulesReadOnce).
BookEntry read(Cantrix &window, const QString &path);

// What the caller sees of a batch while it runs, and how it stops one.
struct Progress
{
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};
};

// Every document rebuilt under `rules`, on every core, each worker on a window of its own; in
// the order of `paths`. Entries not reached before a cancel have an empty file.
QList<BookEntry> readAll(const QStringList &paths, const RulesFile::Contents &rules, Progress *progress = nullptr);

// The level total a drain code names by its letter, 0 for a text that is none: drain codes
// sort by it first.
int levelOf(const QString &drainCode);

} // namespace SpellBook
