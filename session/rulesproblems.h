#pragma once

#include <optional>

#include <QDateTime>
#include <QObject>

#include "rulescheck/rulescheck.h"

class Cantrix;
class QFileSystemWatcher;
class QTimer;

// The problems of the rules data file the design window reads, checked each time the window
// starts a design from it (start-up and New), whenever New or Open finds it unreadable, and
// again whenever the file changes on disk, so what the window reports is the file as it is
// now. The window shows the count and the list; this class decides them. A check changes
// nothing in the window's spell.
//
// Checks run on a worker thread, so a file of 60 MB rewritten every second leaves the window
// answering: checking() says one has begun, checked() that its report is in. A check asked for
// while one runs waits for it, and the report of the one that ran is then dropped: only the
// newest check's report is ever shown. Between the two, report() is the last one finished.
class RulesProblems final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RulesProblems)

public:
    // The list keeps this many problems, the first ones in the file; the rest are counted. A
    // file of a hundred thousand problems needs mending at its top first, and keeping them all
    // would hold the window up and its memory for nothing.
    static constexpr qsizetype listed = 1000;
    // An editor saves in several steps (write, rename, touch): one check follows them all.
    static constexpr int settleMs = 200;

    explicit RulesProblems(Cantrix &cantrix, QObject *parent = nullptr);

    // Whether a check has finished yet; before the first design starts there is nothing to show.
    bool isChecked() const { return m_checked; }
    // Whether a check is under way; its report is not in yet.
    bool isChecking() const { return m_running; }
    const RulesCheck::Report &report() const { return m_report; }
    // All problems found, also those past the ones listed in report().
    qint64 count() const { return m_report.problems; }
    // Whether the last check found no file at all (then the report is not readable either).
    bool isMissing() const { return m_missing; }

    // Starts checking the window's rules data file, and watches it from then on.
    void check();
    // The file changed on disk and the change settled (the watcher says so): tells of the change,
    // then checks the file.
    void changedOnDisk();

signals:
    void checking();
    void checked();
    // The file changed on disk (and settled): a check of it follows.
    void fileChanged();

private:
    // What tells one state of the file from another without reading it.
    struct Stamp
    {
        bool exists = false;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);

    // What one check reads: the window's reading of the file when it has just read it, or else
    // the file at `path`.
    struct Job
    {
        std::optional<RulesFile::Contents> read;
        QString path;
        bool missing = false;
    };
    void start(Job job);
    void finished(bool missing, const RulesCheck::Report &report);

    void watch();
    // The file or its folder changed: check again, once things settle, if the file did.
    void fileTouched();
    void folderTouched();

    Cantrix &m_cantrix;
    bool m_checked = false;
    bool m_missing = false;
    RulesCheck::Report m_report;
    QString m_path;
    Stamp m_stamp;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle;
    bool m_running = false;
    // A check asked for while another ran.
    std::optional<Job> m_waiting;
};
