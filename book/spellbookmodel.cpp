#include "book/spellbookmodel.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QThreadPool>
#include <QTimer>

#include "windowmodel/cantrix.h"

// One reading of the folder: what the workers fill and how the model stops them. Shared with
// the thread that runs it, so a reading the model has given up finishes on its own.
struct SpellBookModel::Reading
{
    QStringList paths;
    RulesFile::Contents rules;
    SpellBook::Progress progress;
    QList<BookEntry> entries;
};

SpellBookModel::SpellBookModel(Cantrix &window, QObject *parent)
    : QAbstractTableModel(parent), m_window(window), m_watcher(new QFileSystemWatcher(this)), m_settle(new QTimer(this)),
      m_pool(new QThreadPool(this))
{
    // One reading at a time runs here; it spreads over every core itself.
    m_pool->setMaxThreadCount(1);
    m_settle->setSingleShot(true);
    m_settle->setInterval(settleMs);
    connect(m_settle, &QTimer::timeout, this, [this] { reload(); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle, qOverload<>(&QTimer::start));
}

SpellBookModel::~SpellBookModel()
{
    cancel();
    m_pool->waitForDone();
}

void SpellBookModel::setFolder(const QString &folder)
{
    m_folder = folder;
    watchFolder();
    start();
}

void SpellBookModel::reload()
{
    if (m_folder.isEmpty())
        return;
    // A folder removed and made again, or one that just appeared, is watched anew.
    watchFolder();
    start();
}

void SpellBookModel::watchFolder()
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    if (QFileInfo(m_folder).isDir())
        m_watcher->addPath(m_folder);
}

int SpellBookModel::progress() const
{
    return m_running ? m_running->progress.done.load() : m_total;
}

void SpellBookModel::cancel()
{
    if (m_running)
        m_running->progress.cancelled = true;
    m_running.reset();
    m_total = 0;
    emit busyChanged(false);
}

void SpellBookModel::start()
{
    if (m_running)
        m_running->progress.cancelled = true;
    auto reading = std::make_shared<Reading>();
    reading->paths = SpellBook::candidates(m_folder, &m_skipped, &m_folderError);
    reading->rules = RulesFile::load(m_window.rulesFilePath());
    m_running = reading;
    m_total = int(reading->paths.size());
    emit busyChanged(true);
    if (m_synchronous) {
        reading->entries = SpellBook::readAll(reading->paths, reading->rules, &reading->progress);
        finish(reading);
        return;
    }
    // The model waits for its pool as it goes, so `this` outlives the task; a result that
    // arrives after the model is gone is dropped with its queued call.
    m_pool->start([this, reading] {
        reading->entries = SpellBook::readAll(reading->paths, reading->rules, &reading->progress);
        QMetaObject::invokeMethod(this, [this, reading] { finish(reading); }, Qt::QueuedConnection);
    });
}

void SpellBookModel::finish(const std::shared_ptr<Reading> &reading)
{
    // A reading overtaken by a later one, or cancelled, shows nothing.
    if (reading != m_running)
        return;
    m_running.reset();
    beginResetModel();
    m_entries = reading->rules.ok ? reading->entries : QList<BookEntry>();
    if (!reading->rules.ok)
        m_folderError = tr("%1 cannot be read (%2)").arg(QString::fromLatin1(RulesFile::fileName), reading->rules.error);
    endResetModel();
    emit busyChanged(false);
}

QString SpellBookModel::countLine() const
{
    if (!m_folderError.isEmpty())
        return tr("%1: %2.").arg(QDir::toNativeSeparators(m_folder), m_folderError);
    qsizetype spells = 0;
    qsizetype touched = 0;
    for (const BookEntry &entry : m_entries) {
        spells += entry.isSpell() ? 1 : 0;
        touched += entry.touched() ? 1 : 0;
    }
    QString line = tr("%1 of %2 spells have another drain code under today's rules").arg(touched).arg(spells);
    if (m_skipped > 0)
        line += tr(" (%1 other files passed over: not named .xml)").arg(m_skipped);
    return line;
}

int SpellBookModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int SpellBookModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SpellBookModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const BookEntry &entry = m_entries.at(index.row());
    switch (role) {
    case TouchedRole: return entry.touched();
    case ReasonRole: return entry.reason;
    case Qt::ToolTipRole:
        if (!entry.isSpell())
            return entry.reason;
        return entry.notFound.isEmpty() ? QVariant() : tr("Not found under today's rules: %1").arg(entry.notFound.join(QLatin1String(", ")));
    case FilterRole:
        return QStringList{entry.name, entry.category, entry.type, entry.savedRows.join(u'\n'), entry.file}.join(u'\n');
    case SortRole:
        if (index.column() == SavedDrain || index.column() == Drain) {
            const QString &code = index.column() == Drain ? entry.drain : entry.savedDrain;
            return QStringLiteral("%1 %2").arg(SpellBook::levelOf(code), 2, 10, QLatin1Char('0')).arg(code);
        }
        if (index.column() == Rows)
            return int(entry.rows.size());
        return data(index, Qt::DisplayRole);
    case Qt::DisplayRole: break;
    default: return {};
    }
    if (!entry.isSpell())
        return index.column() == File ? QDir::toNativeSeparators(entry.file) : index.column() == Name ? entry.reason : QString();
    switch (index.column()) {
    case Name: return entry.name;
    case Category: return entry.category;
    case Type: return entry.type;
    case Force: return entry.force;
    case Rows: return int(entry.rows.size());
    case SavedDrain: return entry.savedDrain;
    case Drain: return entry.drain;
    case Author: return entry.author;
    case Changed: return entry.changed;
    case File: return QDir::toNativeSeparators(entry.file);
    default: return {};
    }
}

QVariant SpellBookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name: return tr("Name");
    case Category: return tr("Category");
    case Type: return tr("Type");
    case Force: return tr("Force");
    case Rows: return tr("Rows");
    case SavedDrain: return tr("Drain as saved");
    case Drain: return tr("Drain today");
    case Author: return tr("Author");
    case Changed: return tr("Last changed");
    case File: return tr("File");
    default: return {};
    }
}
