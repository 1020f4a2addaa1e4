// cantrix-book [--rules FILE] [--json] [--pdf OUT] [--html OUT] PATH...: every spell document named, or lying in a folder
// named, rebuilt under the rules data file as it is now. One line per spell: its file, name,
// the drain code it was saved with and the one today's rules give, and the rows they lack.
// Exit status: 0 when every spell keeps its drain code, 1 when one changes or has rows not
// found, 2 when an input cannot be read or the command line is wrong. --pdf and --html write
// the spells as one book: a list, then their cards.
#include <algorithm>
#include <iterator>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "app/bookpaper.h"
#include "book/bookjson.h"
#include "book/spellbook.h"
#include "rulescheck/rulescheck.h"
#include "translations/programlanguage.h"

namespace {

enum ExitStatus { Kept = 0, Touched = 1, Failed = 2 };

// The context of the command's own texts in the translations.
struct CantrixBook
{
    Q_DECLARE_TR_FUNCTIONS(CantrixBook)
};

QString shown(const QString &text)
{
    return RulesCheck::escaped(text);
}

// The inputs in the order given, a folder's spells by name in its place. A folder that cannot be
// listed is an entry of its own, with the reason; a folder's files not named .xml are passed
// over, and said so on `err`.
QList<BookEntry> gather(const QStringList &arguments, QStringList &paths, QTextStream &err)
{
    QList<BookEntry> unlisted;
    for (const QString &argument : arguments) {
        const QFileInfo info(argument);
        if (!info.isDir()) {
            paths.append(argument);
            continue;
        }
        qsizetype skipped = 0;
        QString error;
        const QStringList found = SpellBook::candidates(argument, &skipped, &error);
        if (!error.isEmpty()) {
            BookEntry folder;
            folder.file = argument;
            folder.reason = error;
            unlisted.append(folder);
        }
        if (skipped > 0)
            err << shown(argument) << ": " << CantrixBook::tr("passed over, not named .xml: %1").arg(skipped) << '\n';
        paths.append(found);
    }
    return unlisted;
}

void printLine(QTextStream &out, const BookEntry &entry)
{
    out << shown(entry.file) << ": " << shown(entry.name) << ": ";
    if (entry.savedDrain == entry.drain)
        out << shown(entry.drain) << ' ' << CantrixBook::tr("(kept)");
    else
        out << shown(entry.savedDrain) << " -> " << shown(entry.drain);
    if (!entry.notFound.isEmpty())
        out << "; " << CantrixBook::tr("not found: ") << shown(entry.notFound.join(QLatin1String(", ")));
    out << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    // Only the book on paper needs fonts; on a machine without a display it draws off screen.
    bool paper = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        paper = paper || argument.startsWith("--pdf") || argument.startsWith("--html");
    }
    if (paper && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        paper ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cantrix-book"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CANTRIX_BOOK_VERSION));
    ProgramLanguage::install(*app, QLocale::system());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        CantrixBook::tr("Rebuilds spell documents under the rules data file as it is now and says which spells it changes."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption rulesOption(QStringLiteral("rules"),
                                         CantrixBook::tr("The rules data file (default: GX2Mod.dat beside the program)."),
                                         QStringLiteral("FILE"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), CantrixBook::tr("Print the spells as one JSON document."));
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), CantrixBook::tr("Write the spells as a book: a PDF document."),
                                       QStringLiteral("OUT"));
    const QCommandLineOption htmlOption(QStringLiteral("html"), CantrixBook::tr("Write the spells as a book: a web page."),
                                        QStringLiteral("OUT"));
    parser.addOption(rulesOption);
    parser.addOption(jsonOption);
    parser.addOption(pdfOption);
    parser.addOption(htmlOption);
    parser.addPositionalArgument(QStringLiteral("PATH"), CantrixBook::tr("Spell document, or folder of them."),
                                 QStringLiteral("PATH..."));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString usage = QStringLiteral("usage: cantrix-book [--rules FILE] [--json] [--pdf OUT] [--html OUT] PATH...\n");
    if (!parser.parse(QCoreApplication::arguments())) {
        err << "cantrix-book: " << parser.errorText() << '\n' << usage;
        return Failed;
    }
    if (parser.isSet(helpOption)) {
        out << parser.helpText();
        return Kept;
    }
    if (parser.isSet(versionOption)) {
        out << "cantrix-book " << QCoreApplication::applicationVersion() << '\n';
        return Kept;
    }
    if (parser.positionalArguments().isEmpty()) {
        err << usage;
        return Failed;
    }

    const QString rulesPath = parser.isSet(rulesOption) ? parser.value(rulesOption)
                                                        : RulesFile::pathIn(QCoreApplication::applicationDirPath());
    const RulesFile::Contents rules = RulesFile::load(rulesPath);
    if (!rules.ok) {
        err << shown(rulesPath) << ": error: " << CantrixBook::tr("cannot be read (%1)").arg(rules.error) << '\n';
        return Failed;
    }

    QStringList paths;
    QList<BookEntry> entries = gather(parser.positionalArguments(), paths, err);
    entries.append(SpellBook::readAll(paths, rules));

    bool unreadable = false;
    bool touched = false;
    for (const BookEntry &entry : std::as_const(entries)) {
        unreadable = unreadable || !entry.isSpell();
        touched = touched || entry.touched();
        if (parser.isSet(jsonOption))
            continue;
        if (entry.isSpell())
            printLine(out, entry);
        else
            err << shown(entry.file) << ": error: " << shown(entry.reason) << '\n';
    }
    if (parser.isSet(jsonOption))
        out << BookJson::document(entries) << '\n';
    out.flush();
    QList<BookEntry> spells;
    std::copy_if(entries.cbegin(), entries.cend(), std::back_inserter(spells), [](const BookEntry &e) { return e.isSpell(); });
    const auto written = [&err](const QString &path, const std::optional<QString> &failed) {
        if (failed)
            err << shown(path) << ": error: " << CantrixBook::tr("cannot be written (%1)").arg(*failed) << '\n';
        return !failed;
    };
    bool wrote = true;
    if (parser.isSet(pdfOption)) {
        wrote = written(parser.value(pdfOption),
                        BookPaper::writePdf(spells, parser.value(pdfOption), BookPaper::localPaper(), {})) && wrote;
    }
    if (parser.isSet(htmlOption))
        wrote = written(parser.value(htmlOption), BookPaper::writeHtml(spells, parser.value(htmlOption))) && wrote;
    if (!wrote)
        return Failed;
    if (unreadable)
        return Failed;
    return touched ? Touched : Kept;
}
