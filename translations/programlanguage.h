#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;
class QSettings;

// The language the program speaks: the desktop's, or one the user picked in the Options
// dialog. Texts from the rules data file and from spell documents are data and never pass
// through here.
namespace ProgramLanguage {

// What the settings keep: empty follows the desktop, otherwise a language code.
inline constexpr auto followDesktop = "";
inline constexpr auto english = "en";
inline constexpr auto german = "de";

QString chosen(const QSettings &settings);
void choose(QSettings &settings, const QString &code);

// The locale a choice stands for: the desktop's for an empty choice.
QLocale localeFor(const QString &choice);

// Installs into `application` the program's translation for `locale` and, when there is one,
// Qt's own for the same language, so standard buttons and dialogs match the program. English
// installs nothing: the texts in the code are the English ones. Returns the code of the
// language now spoken ("en" when no translation was found).
QString install(QCoreApplication &application, const QLocale &locale);

} // namespace ProgramLanguage
