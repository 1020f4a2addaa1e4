#include "session/rulesproblems.h"

#include <memory>

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>

#include "windowmodel/cantrix.h"

RulesProblems::RulesProblems(Cantrix &cantrix, QObject *parent)
    : QObject(parent), m_cantrix(cantrix), m_watcher(new QFileSystemWatcher(this)), m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(settleMs);
    connect(m_settle, &QTimer::timeout, this, &RulesProblems::changedOnDisk);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &RulesProblems::fileTouched);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &RulesProblems::folderTouched);
    connect(&m_cantrix, &Cantrix::designStarted, this, &RulesProblems::check);
    // A New or Open that found the file unreadable: the count must not go on saying all is well.
    connect(&m_cantrix, &Cantrix::designRefused, this, &RulesProblems::check);
}

RulesProblems::Stamp RulesProblems::stampOf(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return {};
    return {true, file.size(), file.lastModified()};
}

void RulesProblems::changedOnDisk()
{
    emit fileChanged();
    check();
}

void RulesProblems::check()
{
    m_settle->stop();
    m_path = m_cantrix.rulesFilePath();
    m_stamp = stampOf(m_path);
    watch();
    // Right after start-up or New the window has just read the file: that reading is checked.
    // Its lines are shared with the window, never changed, so the worker may read them too.
    const RulesFile::Contents *read = m_cantrix.rulesAsRead();
    Job job{read ? std::optional(*read) : std::nullopt, m_path, !m_stamp.exists};
    if (m_running)
        m_waiting = std::move(job); // a check still waiting is overtaken by this one
    else
        start(std::move(job));
    emit checking();
}

void RulesProblems::start(Job job)
{
    m_running = true;
    // QPromise moves only, and the pool takes a copyable function.
    auto promise = std::make_shared<QPromise<RulesCheck::Report>>();
    auto *watcher = new QFutureWatcher<RulesCheck::Report>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, missing = job.missing] {
        watcher->deleteLater();
        finished(missing, watcher->future().resultCount() > 0 ? watcher->result() : RulesCheck::Report{});
    });
    watcher->setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, job = std::move(job)] {
        promise->addResult(job.read ? RulesCheck::checkContents(*job.read, listed) : RulesCheck::checkFile(job.path, listed));
        promise->finish();
    });
}

void RulesProblems::finished(bool missing, const RulesCheck::Report &report)
{
    m_running = false;
    if (m_waiting) {
        // The file changed while this check ran: its report is old already.
        Job waiting = std::move(*m_waiting);
        m_waiting.reset();
        start(std::move(waiting));
        return;
    }
    m_report = report;
    m_missing = missing;
    m_checked = true;
    emit checked();
}

void RulesProblems::watch()
{
    // The folder is watched besides the file: an editor that saves by replacing the file, or a
    // file deleted and put back, ends the watch on the file itself. The file's watch is made
    // anew at each check, so it always follows the file now at the path.
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (m_stamp.exists)
        m_watcher->addPath(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher->directories().contains(folder)) {
        if (!m_watcher->directories().isEmpty())
            m_watcher->removePaths(m_watcher->directories());
        if (QFileInfo(folder).isDir())
            m_watcher->addPath(folder);
    }
}

void RulesProblems::fileTouched()
{
    m_settle->start();
}

void RulesProblems::folderTouched()
{
    // Every file saved beside the program touches the folder; only the rules file matters.
    if (stampOf(m_path) != m_stamp)
        m_settle->start();
}
