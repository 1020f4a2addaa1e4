#pragma once

#include <QString>

class QObject;
class QSettings;

// The user's settings (the recent spells, among others), opened the one way the program opens
// them. The settings file is the user's to edit or replace: one that is no regular file (a pipe
// would block the program at start-up for good, a device would never end) or cannot be read
// is left alone, and the program runs on default settings that are not written over it.
namespace UserSettings {

// Where the settings are kept for this program's organisation and application names.
QString filePath();

struct Opened
{
    QSettings *settings = nullptr; // owned by the parent given
    QString path;                  // the settings file asked for
    QString problem;               // why the settings file is not used; empty when it is
};

Opened open(QObject *parent);
Opened open(const QString &path, QObject *parent);

// The status-bar note for a settings file that is not used.
QString notice(const Opened &opened);

} // namespace UserSettings
