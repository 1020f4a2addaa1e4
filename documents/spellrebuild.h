#pragma once

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "documents/xmlelementreader.h"

class Cantrix;
class Platform;

// A spell chosen again, step by step, with the rules data file as it is now: Open of the
// spell's document, except that the stored drain code and token strings are not taken and
// each modifier row is chosen again by its text. What a game master's change of the rules
// does to a spell is then exactly what a user choosing the same rows by hand would get.
namespace SpellRebuild {

struct Outcome
{
    // False when the rules data file could not be read: the window kept its spell.
    bool rebuilt = false;
    QString savedDrain;
    QString drain;
    // Each category, type or modifier row the rules as they are now do not have, named.
    QStringList notFound;

    bool changes() const { return savedDrain != drain || !notFound.isEmpty(); }
};

// Rebuilds the spell a document's elements describe in `window` (New first, as Open does).
Outcome apply(Cantrix &window, const QList<XmlElement> &elements);

} // namespace SpellRebuild

// Rules > Rebuild Under Today's Rules: the spell on screen rebuilt from the document Save would
// write for it. It stays the spell of the file it came from, and the user is told the drain
// code before and after and what was not found.
class RebuildCommand final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RebuildCommand)

public:
    static constexpr auto changedTitle = "Spell Rebuilt Under Today's Rules";

    RebuildCommand(Cantrix &window, Platform &platform, QObject *parent = nullptr);

    SpellRebuild::Outcome mnuRebuild_Click();

private:
    Cantrix &m_window;
    Platform &m_platform;
};
