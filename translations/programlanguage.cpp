#include "translations/programlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace ProgramLanguage {

namespace {

constexpr auto settingsKey = "language";

} // namespace

QString chosen(const QSettings &settings)
{
    const QString code = settings.value(QLatin1String(settingsKey)).toString();
    return code == QLatin1String(english) || code == QLatin1String(german) ? code : QString();
}

void choose(QSettings &settings, const QString &code)
{
    settings.setValue(QLatin1String(settingsKey), code);
}

QLocale localeFor(const QString &choice)
{
    return choice.isEmpty() ? QLocale::system() : QLocale(choice);
}

QString install(QCoreApplication &application, const QLocale &locale)
{
    // A desktop in a language the program was not translated into gets the English texts,
    // and Qt's own in English too, rather than a mixture.
    auto *program = new QTranslator(&application);
    // The locale's languages are tried in the desktop's order of preference (LANGUAGE=de:en).
    // A translation installed beside the program comes before the one built in, so a newer
    // one can be dropped in without building the program again.
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    const auto load = [&](const QString &folder) {
        return program->load(locale, QStringLiteral("cantrix3"), QStringLiteral("_"), folder);
    };
    if (!load(installed) && !load(QStringLiteral(":/i18n"))) {
        delete program;
        return QLatin1String(english);
    }
    QCoreApplication::installTranslator(program);
    const QString language = program->language().section(u'_', 0, 0);
    auto *qt = new QTranslator(&application);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}

} // namespace ProgramLanguage
