#pragma once

#include <QObject>

#include "rulescheck/rulescheck.h"

class Cantrix;

// The problems of the rules data file the design window reads, checked again each time the
// window starts a design from it (start-up and New), so what the window reports is the file
// as it is now. The window shows the count and the list; this class decides them.
class RulesProblems final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RulesProblems)

public:
    // The list keeps this many problems, the first ones in the file; the rest are counted. A
    // file of a hundred thousand problems needs mending at its top first, and keeping them all
    // would hold the window up and its memory for nothing.
    static constexpr qsizetype listed = 1000;

    explicit RulesProblems(Cantrix &cantrix, QObject *parent = nullptr);

    // Whether a check has run yet; before the first design starts there is nothing to show.
    bool isChecked() const { return m_checked; }
    const RulesCheck::Report &report() const { return m_report; }
    // All problems found, also those past the ones listed in report().
    qint64 count() const { return m_report.problems; }

    // Checks the window's rules data file now.
    void check();

signals:
    void checked();

private:
    Cantrix &m_cantrix;
    bool m_checked = false;
    RulesCheck::Report m_report;
};
