#include "rulescheck/rulesproblems.h"

#include "design/cantrix.h"

RulesProblems::RulesProblems(Cantrix &cantrix, QObject *parent)
    : QObject(parent), m_cantrix(cantrix)
{
    connect(&m_cantrix, &Cantrix::designStarted, this, &RulesProblems::check);
    // A New or Open that found the file unreadable: the count must not go on saying all is well.
    connect(&m_cantrix, &Cantrix::rulesUnreadable, this, &RulesProblems::check);
}

void RulesProblems::check()
{
    m_report = RulesCheck::checkFile(m_cantrix.rulesFilePath());
    m_checked = true;
    emit checked();
}
