#pragma once

#include <QByteArray>
#include <QString>

// Writing rules data files, and the faults a rules data file can suffer, for the fault tests.
namespace RulesFaultFiles {

// One line: the name or text padded to column 60, the token string from column 61.
QByteArray line(const QByteArray &text, const QByteArray &tokens = QByteArray());

// Two categories with a stand-alone modifier and a modifier that owns options, and a type.
QByteArray smallRules();

bool write(const QString &path, const QByteArray &bytes);

// What can stand in the rules file's place.
enum class Fault { Vanished, Folder, Binary, Utf16, TooLarge, TooManyLines, Pipe, Device, SymlinkLoop };
// Replaces whatever is at `path` with the fault; false when this system cannot make it.
bool inflict(Fault fault, const QString &path);
// The words the user is told for the fault (part of the message).
QString reason(Fault fault);

} // namespace RulesFaultFiles
