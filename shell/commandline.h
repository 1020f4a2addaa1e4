#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's command line: `Cantrix3 [spell.xml]`, as a desktop's file manager starts it
// with the document the user opened, plus --help and --version.
namespace CommandLine {

// The arguments as given, split before Qt reads its own options from them: an argument that
// names an existing file is a file, even one named like a Qt option (`-reverse`), unless it
// is the value of the Qt option before it; everything after `--` is a file.
struct Split
{
    QList<QByteArray> forQt; // the program's name first
    QStringList files;
};
Split separateFiles(const QList<QByteArray> &arguments, const QString &startFolder);

// Reads the command line of `app`, whose files were held out as `files`; --help and --version,
// and an unknown option, answer on the terminal and end the program as Qt's parser does.
// Returns the document to open, or "" with `refusal` saying why when it names none.
QString process(const QCoreApplication &app, const QStringList &files, QString *refusal);

// The document among the positional arguments, as an absolute path: the program changes its
// current folder at start-up, so a path relative to the folder it was started in must be made
// absolute first. File URLs, which some launchers hand over, become local paths; one that
// names no file here gives "" and the reason in `refusal`. Only the first is taken: the window
// holds one spell.
QString documentPath(const QStringList &positionalArguments, const QString &startFolder, QString *refusal = nullptr);

} // namespace CommandLine
