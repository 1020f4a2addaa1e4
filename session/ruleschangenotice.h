#pragma once

#include <optional>

#include <QObject>
#include <QStringList>

class Cantrix;
class Platform;
class RulesProblems;

// The lists on screen are filled when a design starts; a rules data file changed on disk after
// that leaves them (and the spell's token strings) from the earlier rules until the next New.
// The status bar says so, once per change, and points to the rebuild.
class RulesChangeNotice final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RulesChangeNotice)

public:
    RulesChangeNotice(Cantrix &window, RulesProblems &problems, Platform &platform, QObject *parent = nullptr);

    // Whether the rules data file differs from the one the lists on screen come from.
    bool listsOutdated() const { return m_outdated; }

private:
    void rulesChecked();

    Cantrix &m_window;
    Platform &m_platform;
    // The lines the design on screen was started from; none before the first design.
    std::optional<QStringList> m_shownFrom;
    bool m_outdated = false;
};
