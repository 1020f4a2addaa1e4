#pragma once

#include <QObject>

#include "rulescheck/rulescheck.h"

class Cantrix;

// The problems of the rules data file the design window reads, checked again each time the
// window starts a design from it (start-up and New) or finds it unreadable, so what the window
// reports is the file as it is now. The window shows the count and the list; this class decides them.
class RulesProblems final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RulesProblems)

public:
    explicit RulesProblems(Cantrix &cantrix, QObject *parent = nullptr);

    // Whether a check has run yet; before the first design starts there is nothing to show.
    bool isChecked() const { return m_checked; }
    const RulesCheck::Report &report() const { return m_report; }
    int count() const { return int(m_report.diagnostics.size()); }

    // Checks the window's rules data file now.
    void check();

signals:
    void checked();

private:
    Cantrix &m_cantrix;
    bool m_checked = false;
    RulesCheck::Report m_report;
};
