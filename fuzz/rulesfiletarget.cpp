#include "fuzz/fuzztargets.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "windowmodel/cantrix.h"
#include "drain/drain.h"
#include "tests/support/recordingplatform.h"

namespace {

// How far one input is explored: enough to reach every handler with the first, the last and
// rows between them, few enough that the fuzzer tries many inputs a second rather than many
// rows of one input.
constexpr int categoriesTried = 2;
constexpr int typesTried = 2;
constexpr int modifiersTried = 4;
constexpr int optionsTried = 2;

// Up to `most` rows of a list of `count`, spread from the first to the last, in ascending order.
QList<int> spreadRows(int count, int most)
{
    const int taken = std::min(count, most);
    QList<int> rows;
    for (int i = 0; i < taken; ++i)
        rows.append(taken == 1 ? 0 : int(qint64(i) * (count - 1) / (taken - 1)));
    return rows;
}

// One program folder for the whole run; each input overwrites its GX2Mod.dat. In memory where
// the system offers a folder there: writing a file for every input is most of a run's work
// for the system, and less in memory than on a disk.
const QTemporaryDir &programFolder()
{
    static const QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                          ? QStringLiteral("/dev/shm/cantrix-fuzz-XXXXXX")
                                          : QString());
    return folder;
}

// What must hold after every handler, whatever the rules file held.
QString brokenInvariant(Cantrix &model, const char *after)
{
    const auto where = [after](const QString &what) {
        return what + QStringLiteral(" after ") + QString::fromLatin1(after);
    };
    const QList<ListControl *> lists = model.lists();
    // lists() names each visible list right before its twin.
    for (qsizetype i = 0; i + 1 < lists.size(); i += 2) {
        if (lists[i] == &model.Summary1List)
            continue; // three shown rows against a twin of 21 blank-padded rows, by design
        if (lists[i]->count() != lists[i + 1]->count())
            return where(QStringLiteral("%1 has %2 rows but its twin %3")
                             .arg(lists[i]->name()).arg(lists[i]->count()).arg(lists[i + 1]->count()));
    }
    // Every change of the summary recomputes the drain code, so a fresh computation agrees.
    // Except for one, by design: selecting a category whose name is blank empties the modifier
    // summary and recomputes nothing. So the code is sure to be fresh only while a named
    // category is selected (every later change recomputes it).
    const QString shown = model.DrainText.text();
    if (!shown.isEmpty() && !model.CategoryCombo.text().isEmpty()) {
        model.CalculateDrain();
        if (model.DrainText.text() != shown)
            return where(QStringLiteral("the drain code %1 is stale (now %2)").arg(shown, model.DrainText.text()));
    }
    return QString();
}

QString exercise(Cantrix &model)
{
    // Every handler below reads the file as StartDesign read it: reading the same bytes again
    // for each of them would test nothing StartDesign does not, and it cost nine tenths of
    // every run.
    const Cantrix::RulesReadOnce readOnce(model);
    model.StartDesign();
    if (model.isClosed())
        return QString();
    if (QString broken = brokenInvariant(model, "StartDesign"); !broken.isEmpty())
        return broken;

    const QList<int> types = spreadRows(model.TypeCombo.count(), typesTried);
    for (auto t = types.crbegin(); t != types.crend(); ++t)
        model.TypeCombo.setSelectedIndex(*t);
    model.ForceText.setText(QStringLiteral("4"));

    const QList<int> categories = spreadRows(model.CategoryCombo.count(), categoriesTried);
    for (auto c = categories.crbegin(); c != categories.crend(); ++c) {
        model.CategoryCombo.setSelectedIndex(*c);
        if (QString broken = brokenInvariant(model, "a category selection"); !broken.isEmpty())
            return broken;
        for (const int m : spreadRows(model.Modifier1List.count(), modifiersTried)) {
            model.Modifier1List.setSelectedIndex(m);
            model.userDoubleClickModifier(m);
            for (const int o : spreadRows(model.Modifier2List.count(), optionsTried))
                model.userDoubleClickOption(o);
            if (QString broken = brokenInvariant(model, "modifier clicks"); !broken.isEmpty())
                return broken;
        }
        if (model.Summary2List.count() > 0) {
            model.Summary2List.setSelectedIndex(0);
            model.RemoveCommand_Click();
            if (QString broken = brokenInvariant(model, "Remove"); !broken.isEmpty())
                return broken;
        }
    }

    model.mnuNew_Click();
    return brokenInvariant(model, "New");
}

} // namespace

QString FuzzTargets::rulesFile(const std::uint8_t *data, std::size_t size)
{
    const QTemporaryDir &folder = programFolder();
    if (!folder.isValid())
        return QStringLiteral("no temporary folder: ") + folder.errorString();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QFile file(RulesFile::pathIn(folder.path()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write the rules file: ") + file.errorString();
    file.close();

    RecordingPlatform platform(folder.path(), folder.path());
    Cantrix model(platform);
    QString broken = exercise(model);
    if (!broken.isEmpty())
        return broken;
    // Notes on what the user did (rows a category dropped, a force the rules cannot count)
    // are no report on the rules file.
    QStringList notes = platform.statusMessages;
    notes.removeIf([&model](const QString &line) {
        return line.contains(QStringLiteral("Edit > Undo brings")) || line == model.forceProblem();
    });
    QStringList toldLines = notes;
    for (const RecordingPlatform::Message &warning : platform.warnings)
        toldLines.append(warning.title + QStringLiteral(": ") + warning.text);
    const QString told = toldLines.join(u'|');
    // Binary data, and more lines than the limit, are refused at start-up with one warning,
    // and the window closes.
    if (!RulesFile::fromBytes(bytes).ok) {
        if (!model.isClosed() || platform.warnings.size() != 1 || !notes.isEmpty())
            return QStringLiteral("a file the program cannot read was not refused at start-up: ") + told;
        return QString();
    }
    // Any other file is read: no handler may tell the user it cannot be.
    if (!told.isEmpty())
        return QStringLiteral("a readable rules file was reported: ") + told;
    return QString();
}
