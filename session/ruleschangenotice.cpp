#include "session/ruleschangenotice.h"

#include <utility>

#include "platform/platform.h"
#include "rules/rulesfile.h"
#include "session/rulesproblems.h"
#include "windowmodel/cantrix.h"

RulesChangeNotice::RulesChangeNotice(Cantrix &window, RulesProblems &problems, Platform &platform, QObject *parent)
    : QObject(parent), m_window(window), m_platform(platform)
{
    // A design start fills the lists from the file as it is, while it holds that reading.
    connect(&window, &Cantrix::designStarted, this, [this] {
        if (const RulesFile::Contents *read = m_window.rulesAsRead())
            m_shownFrom = read->lines;
        // The word about an earlier file is over.
        if (std::exchange(m_outdated, false))
            m_platform.showStatus(QString());
    });
    connect(&problems, &RulesProblems::fileChanged, this, &RulesChangeNotice::rulesChecked);
}

void RulesChangeNotice::rulesChecked()
{
    if (!m_shownFrom || m_window.isClosed())
        return;
    const RulesFile::Contents now = RulesFile::load(m_window.rulesFilePath());
    const bool outdated = !now.ok || now.lines != *m_shownFrom;
    if (outdated == m_outdated)
        return;
    m_outdated = outdated;
    const QString file = QString::fromLatin1(RulesFile::fileName);
    m_platform.showStatus(outdated ? tr("%1 has changed: the lists on screen are from the earlier rules. "
                                        "Rules > Rebuild Under Today's Rules chooses the spell again under the new ones.")
                                         .arg(file)
                                   : QString());
}
