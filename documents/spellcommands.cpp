#include "documents/spellcommands.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "author/authoroptionsfile.h"
#include "windowmodel/cantrix.h"
#include "platform/platform.h"
#include "documents/spelldocumentreader.h"
#include "documents/spelldocumentwriter.h"
#include "documents/xmlelementreader.h"
#include "files/wholefile.h"

#ifdef Q_OS_UNIX
#include "files/inplacewrite.h"
#endif

using namespace Qt::StringLiterals;

SpellCommands::SpellCommands(Cantrix &window, Platform &platform, QObject *parent)
    : QObject(parent), m_window(window), m_platform(platform)
{
    // A fresh design has no file of its own until it is saved (an opened spell gets it back
    // once its elements are read).
    connect(&m_window, &Cantrix::designStarted, this, [this] { m_window.documentPath.clear(); });
}

QString SpellCommands::documentPath() const
{
    return m_window.documentPath;
}

std::optional<QString> SpellCommands::askForFile(bool forSaving)
{
    Platform::FileDialogRequest request;
    request.mode = forSaving ? Platform::FileDialogMode::Save : Platform::FileDialogMode::Open;
    request.title = forSaving ? tr(saveTitle) : tr(openTitle);
    request.filters = {tr(spellFilter), tr(allFilesFilter)};
    request.defaultSuffix = QString::fromLatin1(defaultSuffix);
    request.fileName = m_fileName;
    std::optional<QString> chosen = m_platform.chooseFile(request);
    if (chosen)
        m_fileName = *chosen;
    return chosen;
}

void SpellCommands::mnuOpen_Click()
{
    const std::optional<QString> path = askForFile(false);
    if (!path)
        return;
    openFile(*path);
}

void SpellCommands::openFile(const QString &path)
{
    if (loadAndReport(path) != Outcome::Done)
        return;
    m_window.documentPath = path;
    emit documentOpened(path);
}

SpellCommands::Outcome SpellCommands::loadAndReport(const QString &path)
{
    const Result result = LoadSpell(path);
    if (result.outcome == Outcome::Failed)
        m_platform.showWarning(tr("Spell Not Opened"), result.message);
    else if (result.outcome == Outcome::Done && !result.message.isEmpty())
        m_platform.showWarning(tr("Spell Opened Under Other Rules"), result.message);
    return result.outcome;
}

void SpellCommands::mnuSave_Click()
{
    const std::optional<QString> path = askForFile(true);
    if (!path || !mayReplace(*path))
        return;
    const Result result = SaveSpell(*path);
    if (result.outcome == Outcome::Failed) {
        m_platform.showWarning(tr("Spell Not Saved"), result.message);
        return;
    }
    m_window.documentPath = *path;
    emit documentSaved(*path);
}

bool SpellCommands::mayReplace(const QString &path)
{
    const QFileInfo chosen(path);
    // Saving again is what Save is for; any other file may hold something the user still wants.
    if (!chosen.exists() || (!m_window.documentPath.isEmpty() && chosen == QFileInfo(m_window.documentPath)))
        return true;
    return m_platform.ask(tr("Replace File?"),
                          tr("%1 already exists. Do you want to replace it with this spell?")
                              .arg(QDir::toNativeSeparators(path)));
}

SpellCommands::Result SpellCommands::SaveSpell(const QString &path)
{
    // Read afresh at every save: the document carries what OK last stored, not what an open
    // Options dialog shows.
    const AuthorProfile author = AuthorOptionsFile::read(AuthorOptionsFile::location(m_platform));

    const QString today = SpellDocumentWriter::formatDate(m_platform.today(), m_platform.locale());
    if (m_window.CreationDate.isEmpty())
        m_window.CreationDate = today;
    const QByteArray document = SpellDocumentWriter::compose(m_window, author, {m_window.CreationDate, today});

    std::optional<QString> reason = DocumentLimit::refusal(document.size());
    if (!reason)
        reason = WholeFile::replace(path, document);
    if (reason) {
        return {Outcome::Failed,
                tr("The spell could not be saved to %1: %2.").arg(QDir::toNativeSeparators(path), *reason)};
    }
    return {};
}

namespace {

bool isNamed(const QString &name, QLatin1StringView wanted)
{
    return name.compare(wanted, Qt::CaseInsensitive) == 0;
}

// A save that had to write a file in place and did not finish leaves the earlier contents in
// a backup beside it: whoever finds the file damaged is told where they are.
QString withBackupNamed(const QString &path, const QString &reason)
{
#ifdef Q_OS_UNIX
    const QString backup = QFile::decodeName(InPlaceWrite::backupPath(QFile::encodeName(path)));
    if (QFileInfo(backup).isFile()) {
        return reason + u' '
            + SpellCommands::tr("Its earlier contents, kept while it was being saved, may be whole in %1.")
                  .arg(QDir::toNativeSeparators(backup));
    }
#endif
    return reason;
}

// Reads the document at `path` and keeps its element starts, the only part the window acts
// on, once it has proved to be a well-formed spell document; otherwise says why it is none.
std::optional<QString> readSpellElementsOf(const QString &path, QList<XmlElement> &elements)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const WholeFile::Contents read = WholeFile::read(path, SpellCommands::largestDocument);
    if (!read.ok())
        return SpellCommands::tr("The spell %1 could not be opened: %2.").arg(shownPath, read.error);

    // The whole document must be well-formed before the spell on screen is given up. It is
    // read once: the element starts are kept while the document is checked, and take effect
    // once it has proved well-formed.
    XmlElements document = XmlElementReader::read(read.bytes);
    if (!document.ok) {
        return SpellCommands::tr("The spell %1 could not be opened: it is not well-formed XML at line %2, column %3: %4")
            .arg(shownPath, QString::number(document.line), QString::number(document.column), document.reason);
    }

    // Well-formed is not enough: a web page saved as .xml would replace the spell with a blank
    // one. Older documents and those of other tools still open as long as they hold something
    // the reader takes.
    const QString root = document.elements.isEmpty() ? QString() : document.elements.front().name;
    if (!isNamed(root, QLatin1StringView(SpellDocumentReader::rootElement))) {
        return SpellCommands::tr("%1 is not a spell document: its outermost element is <%2>, where a spell has <%3>.")
            .arg(shownPath, root, QLatin1StringView(SpellDocumentReader::rootElement));
    }
    const bool takesAny = std::any_of(document.elements.cbegin(), document.elements.cend(),
                                      [](const XmlElement &element) { return SpellDocumentReader::takesElement(element.name); });
    if (!takesAny)
        return SpellCommands::tr("%1 is not a spell document: it holds nothing a spell is made of.").arg(shownPath);
    elements = std::move(document.elements);
    return std::nullopt;
}

// The same, and a file that a save left damaged has its backup named.
std::optional<QString> readSpellElements(const QString &path, QList<XmlElement> &elements)
{
    const std::optional<QString> reason = readSpellElementsOf(path, elements);
    if (!reason || !QFileInfo(path).isFile())
        return reason;
    return withBackupNamed(path, *reason);
}

} // namespace

std::optional<QString> SpellCommands::checkDocument(const QString &path, QString *lastModified)
{
    QList<XmlElement> elements;
    if (std::optional<QString> reason = readSpellElements(path, elements))
        return reason;
    if (lastModified) {
        const auto date = std::find_if(elements.cbegin(), elements.cend(),
                                       [](const XmlElement &element) { return isNamed(element.name, "date"_L1); });
        lastModified->clear();
        for (int i = 0; date != elements.cend() && i < date->attributes.length(); ++i) {
            if (isNamed(date->attributes.getQName(i), "lastmod"_L1))
                *lastModified = date->attributes.getValue(i);
        }
    }
    return std::nullopt;
}

SpellCommands::Result SpellCommands::LoadSpell(const QString &path)
{
    QList<XmlElement> elements;
    if (std::optional<QString> reason = readSpellElements(path, elements))
        return {Outcome::Failed, *reason};

    // New and every element that follows it read the rules data once between them, and the
    // window is shown once the whole document has taken effect. Without readable rules data
    // the window keeps its spell and has told the user why.
    const Cantrix::RulesReadOnce readOnce(m_window);
    const ScreenUpdates::Hold hold(m_window.screenUpdates);
    if (!m_window.startNew())
        return {Outcome::RulesUnreadable, QString()};

    // Every element takes effect in document order.
    SpellDocumentReader reader(m_window);
    for (const XmlElement &element : elements)
        reader.parser_startElement(element.name, element.attributes);
    return {Outcome::Done, reader.choicesNotFound(QDir::toNativeSeparators(path))};
}
