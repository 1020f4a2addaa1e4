#include "fuzz/fuzztargets.h"

#include <QFile>
#include <QTemporaryDir>

#include "windowmodel/cantrix.h"
#include "documents/spellcommands.h"
#include "tests/support/recordingplatform.h"

namespace {

// Two categories with plain and option-owning modifiers, two types, and a few hundred more
// categories: a file of a size that makes any read of it per element show in the run's time.
QByteArray rules()
{
    QByteArray bytes = "#Combat                                                     +1\r\n"
                       "Area effect                                                 +1\r\n"
                       "Damage\r\n"
                       " Light                                                      +1\r\n"
                       " Serious                                                    +3 +1DRT\r\n"
                       "#Detection                                                  -1DRT\r\n"
                       "Extended range                                              +1\r\n"
                       "]Physical                                                   +1DRT\r\n"
                       "]Mana\r\n";
    for (int c = 0; c < 300; ++c) {
        bytes += ("#C" + QByteArray::number(c).rightJustified(6, '0')).leftJustified(60) + "+1\r\n";
        for (int m = 0; m < 8; ++m)
            bytes += ("Modifier " + QByteArray::number(m)).leftJustified(60) + "+1 -1DRT\r\n";
    }
    return bytes;
}

struct Folder
{
    QTemporaryDir dir;
    bool ready = false;
    Folder()
    {
        const QByteArray bytes = rules();
        QFile file(dir.filePath(QStringLiteral("GX2Mod.dat")));
        ready = dir.isValid() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Everything a spell document can change in the window.
QStringList state(Cantrix &window)
{
    QStringList lines{window.NameText.text(), window.ForceText.text(), window.DrainText.text(),
                      window.DescriptionText.text(), window.CreationDate,
                      QString::number(window.CategoryCombo.selectedIndex()),
                      QString::number(window.TypeCombo.selectedIndex())};
    for (const ListControl *list : window.lists()) {
        QStringList rows = list->rows();
        // A force never edited is saved as the force in use, so it comes back with its summary
        // row filled in: the placeholder row counts as that row.
        if (list == &window.Summary1List && rows.value(2) == QLatin1String(Cantrix::chooseForce))
            rows[2] = QStringLiteral("Force ") + window.ForceText.text();
        if (list == &window.Summary1List1 && window.Summary1List.row(2) == QLatin1String(Cantrix::chooseForce))
            rows[2] = window.ForceText.text();
        lines.append(list->name() + u':' + rows.join(u'|'));
    }
    return lines;
}

QString twinsBroken(Cantrix &window)
{
    const QList<ListControl *> lists = window.lists();
    for (qsizetype i = 0; i + 1 < lists.size(); i += 2) {
        if (lists[i] != &window.Summary1List && lists[i]->count() != lists[i + 1]->count())
            return lists[i]->name() + QStringLiteral(" and its twin differ in length");
    }
    return QString();
}

} // namespace

QString FuzzTargets::spellDocument(const std::uint8_t *data, std::size_t size)
{
    static Folder folder;
    if (!folder.ready)
        return QStringLiteral("no program folder");
    const QString document = folder.dir.filePath(QStringLiteral("fuzzed.xml"));
    if (!writeFile(document, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return QStringLiteral("cannot write the document");

    RecordingPlatform platform(folder.dir.path(), folder.dir.filePath(QStringLiteral("config")));
    Cantrix window(platform);
    window.Form_Load();
    SpellCommands commands(window, platform);
    window.NameText.setText(QStringLiteral("Unsaved work"));
    const QStringList before = state(window);

    const SpellCommands::Result loaded = commands.LoadSpell(document);
    if (loaded.outcome == SpellCommands::Outcome::Failed) {
        if (state(window) != before)
            return QStringLiteral("a refused document changed the window");
        if (!loaded.message.contains(document))
            return QStringLiteral("the refusal does not name the file: ") + loaded.message;
        // Nothing of the reason may vanish on screen, as a control character does.
        for (const QChar c : loaded.message) {
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
                return QStringLiteral("the refusal holds a control character: ") + loaded.message;
        }
        return QString();
    }
    if (loaded.outcome != SpellCommands::Outcome::Done)
        return QStringLiteral("the load found the rules data unreadable");
    if (QString broken = twinsBroken(window); !broken.isEmpty())
        return broken;

    // Saved and opened again, the spell comes back as it was (the save gives a spell opened
    // without a creation date today's, so the state is taken after it).
    const QString copy = folder.dir.filePath(QStringLiteral("copy.xml"));
    const SpellCommands::Result saved = commands.SaveSpell(copy);
    if (saved.outcome != SpellCommands::Outcome::Done)
        return QStringLiteral("the opened spell cannot be saved: ") + saved.message;
    const QStringList opened = state(window);
    const SpellCommands::Result reopened = commands.LoadSpell(copy);
    if (reopened.outcome != SpellCommands::Outcome::Done)
        return QStringLiteral("the saved copy cannot be opened: ") + reopened.message;
    const QStringList again = state(window);
    for (qsizetype i = 0; i < opened.size(); ++i) {
        if (opened[i] != again[i])
            return QStringLiteral("saved and opened again, %1 became %2").arg(opened[i], again[i]);
    }
    return QString();
}
