#pragma once

#include <QDialog>

#include "rulescheck/rulescheck.h"

class QLabel;
class QTreeWidget;

// Lists the problems found in the rules data file: where each stands, what is wrong and how
// to mend it. It does not block the main window, so the user can keep designing (or edit the
// file) while reading it; Check Again reads the file anew.
class RulesProblemsDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RulesProblemsDialog)

public:
    explicit RulesProblemsDialog(QWidget *parent = nullptr);

    void showReport(const QString &path, const RulesCheck::Report &report);

signals:
    // Check Again was pressed.
    void checkAgainRequested();

private:
    void showDetail();

    QLabel *m_summary = nullptr;
    QTreeWidget *m_list = nullptr;
    QLabel *m_detail = nullptr; // the chosen problem in full: rows are too narrow for it
};
