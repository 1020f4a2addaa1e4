#pragma once

#include <QObject>
#include <QPointer>

class Cantrix;
class QLabel;
class QMainWindow;
class RulesProblems;
class RulesProblemsDialog;

// What the main window shows of the rules data's problems: their count in the status bar,
// and on request the window that lists them. The problems themselves are found and
// counted by the core (RulesProblems), checked again at start-up, on every New, whenever the
// file changes and when the list's Check Again is pressed; count and list follow each check,
// and the bar says "checking..." while one runs.
class RulesProblemsView final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RulesProblemsView)

public:
    RulesProblemsView(Cantrix &cantrix, RulesProblems &problems, QMainWindow *window);

    // Shows the list of problems (Rules > Show Rules Problems...).
    void showList();
    // A compact count ("Rules: 3 problems") leaves room for another label in the bar; the
    // tooltip keeps the whole sentence.
    void setCompact(bool compact);

private:
    void showCount();
    void showCountText();

    Cantrix &m_cantrix;
    QMainWindow *m_window;
    RulesProblems *m_problems;
    QLabel *m_count;
    bool m_compact = false;
    QPointer<RulesProblemsDialog> m_dialog; // made when first asked for, then kept
};
