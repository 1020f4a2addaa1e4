#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's command line: `Cantrix3 [spell.xml]`, as a desktop's file manager starts it
// with the document the user opened, plus --help and --version.
namespace CommandLine {

// Reads the command line of `app`; --help and --version, and an unknown option, answer on the
// terminal and end the program as Qt's parser does. Returns the document to open, or "".
QString process(const QCoreApplication &app);

// The document among the positional arguments, as an absolute path: the program changes its
// current folder at start-up, so a path relative to the folder it was started in must be made
// absolute first. File URLs, which some launchers hand over, become local paths. Only the
// first is taken: the window holds one spell.
QString documentPath(const QStringList &positionalArguments, const QString &startFolder);

} // namespace CommandLine
