#pragma once

#include <QObject>
#include <QPointer>

class Cantrix;
class QAction;
class QLabel;
class QMainWindow;
class RulesProblems;
class RulesProblemsDialog;

// What the main window shows of the rules data's problems: their count in the status bar,
// and the "Rules" menu whose command opens their list. The problems themselves are found and
// counted by the core (RulesProblems), checked again at start-up and on every New.
class RulesProblemsView final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RulesProblemsView)

public:
    RulesProblemsView(Cantrix &cantrix, QMainWindow *window);

    QAction *showProblemsAction() const { return m_showProblems; }

private:
    void createMenu();
    void showCount();
    void showList();

    Cantrix &m_cantrix;
    QMainWindow *m_window;
    RulesProblems *m_problems;
    QLabel *m_count;
    QAction *m_showProblems = nullptr;
    QPointer<RulesProblemsDialog> m_dialog; // made when first asked for, then kept
};
