#pragma once

#include <memory>

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include "book/bookentry.h"
#include "book/spellbook.h"

class Cantrix;
class QFileSystemWatcher;
class QThreadPool;
class QTimer;

// The Spell Book: the spells of one folder, each as saved and as rebuilt under the rules data
// file the window reads, one row a file. Reading and rebuilding run off the caller's thread, on
// every core; the rows arrive all at once when done. The folder is watched, so spells saved,
// changed or removed outside show without reopening; the owner calls rulesChanged() when the
// rules data file changes. Files that are no spell stay listed with the reason.
class SpellBookModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellBookModel)

public:
    enum Column { Name, Category, Type, Force, Rows, SavedDrain, Drain, Author, Changed, File, ColumnCount };
    enum Role {
        // Whether today's rules give the spell another drain code or lack some of its rows.
        TouchedRole = Qt::UserRole + 1,
        // Why the file is listed without being a spell; "" for a spell.
        ReasonRole,
        // What sorting compares: drain codes by their level total first, then by text.
        SortRole,
        // The texts the filter box searches: name, category, type and the modifier rows.
        FilterRole,
    };
    // The folder changes in bursts (an editor saving, a copy of many files): one reading
    // follows them all.
    static constexpr int settleMs = 300;

    SpellBookModel(Cantrix &window, QObject *parent = nullptr);
    ~SpellBookModel() override;

    QString folder() const { return m_folder; }
    // Every reading done before the call that starts it returns, for a driver without an
    // event loop (the scenario driver, the tests).
    void setSynchronous(bool synchronous) { m_synchronous = synchronous; }
    // Shows the spells of `folder`, read in the background.
    void setFolder(const QString &folder);
    // Reads the folder again with the rules as they are now.
    void reload();

    bool isBusy() const { return bool(m_running); }
    // Files read so far and files to read in the reading under way.
    int progress() const;
    int progressTotal() const { return m_total; }
    void cancel();

    const QList<BookEntry> &entries() const { return m_entries; }
    // "3 of 42 spells have another drain code under today's rules", and why a folder shows none.
    QString countLine() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A reading began or ended; progress() moves in between.
    void busyChanged(bool busy);

private:
    struct Reading;
    void start();
    void finish(const std::shared_ptr<Reading> &reading);
    void watchFolder();

    Cantrix &m_window;
    QString m_folder;
    bool m_synchronous = false;
    QString m_folderError;
    qsizetype m_skipped = 0;
    QList<BookEntry> m_entries;
    std::shared_ptr<Reading> m_running;
    int m_total = 0;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle;
    QThreadPool *m_pool;
};
