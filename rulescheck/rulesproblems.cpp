#include "rulescheck/rulesproblems.h"

#include "design/cantrix.h"

RulesProblems::RulesProblems(Cantrix &cantrix, QObject *parent)
    : QObject(parent), m_cantrix(cantrix)
{
    connect(&m_cantrix, &Cantrix::designStarted, this, &RulesProblems::check);
}

void RulesProblems::check()
{
    // Right after start-up or New the window has just read the file: that reading is checked.
    const RulesFile::Contents *read = m_cantrix.rulesAsRead();
    m_report = read ? RulesCheck::checkContents(*read, listed) : RulesCheck::checkFile(m_cantrix.rulesFilePath(), listed);
    m_checked = true;
    emit checked();
}
