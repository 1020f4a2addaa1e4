#include "documents/spellcommands.h"

#include <algorithm>
#include <deque>
#include <utility>

#include <QDir>
#include <QFileInfo>

#include "author/authoroptionsfile.h"
#include "design/cantrix.h"
#include "design/platform.h"
#include "documents/spelldocumentreader.h"
#include "documents/spelldocumentwriter.h"
#include "documents/xmleventparser.h"
#include "files/wholefile.h"

using namespace Qt::StringLiterals;

SpellCommands::SpellCommands(Cantrix &window, Platform &platform, QObject *parent)
    : QObject(parent), m_window(window), m_platform(platform)
{
    // A fresh design has no file of its own until it is saved (an opened spell gets it back
    // once its elements are read).
    connect(&m_window, &Cantrix::designStarted, this, [this] { m_documentPath.clear(); });
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
    m_documentPath = path;
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
    m_documentPath = *path;
    emit documentSaved(*path);
}

bool SpellCommands::mayReplace(const QString &path)
{
    const QFileInfo chosen(path);
    // Saving again is what Save is for; any other file may hold something the user still wants.
    if (!chosen.exists() || (!m_documentPath.isEmpty() && chosen == QFileInfo(m_documentPath)))
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

    if (const std::optional<QString> reason = WholeFile::replace(path, document)) {
        return {Outcome::Failed,
                tr("The spell could not be saved to %1: %2.").arg(QDir::toNativeSeparators(path), *reason)};
    }
    return {};
}

namespace {

using ElementStarts = std::deque<std::pair<QString, XmlAttributeList>>;

bool isNamed(const QString &name, QLatin1StringView wanted)
{
    return name.compare(wanted, Qt::CaseInsensitive) == 0;
}

// Reads the document at `path` and keeps its element starts, the only events the window acts
// on, once it has proved to be a well-formed spell document; otherwise says why it is none.
std::optional<QString> readSpellElements(const QString &path, ElementStarts &elementStarts)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const WholeFile::Contents read = WholeFile::read(path, SpellCommands::largestDocument);
    if (!read.ok())
        return SpellCommands::tr("The spell %1 could not be opened: %2.").arg(shownPath, read.error);

    // The whole document must be well-formed before the spell on screen is given up. It is
    // parsed once: the element starts are kept while the document is checked, and take effect
    // once it has proved well-formed.
    XmlEvents keepElementStarts;
    keepElementStarts.startElement = [&elementStarts](const QString &sName, const XmlAttributeList &pAttributeList) {
        elementStarts.emplace_back(sName, pAttributeList);
    };
    const XmlParseResult check = XmlEventParser::parse(read.bytes, keepElementStarts);
    if (!check.ok) {
        return SpellCommands::tr("The spell %1 could not be opened: it is not well-formed XML at line %2, column %3: %4")
            .arg(shownPath, QString::number(check.line), QString::number(check.column), check.reason);
    }

    // Well-formed is not enough: a web page saved as .xml would replace the spell with a blank
    // one. Older documents and those of other tools still open as long as they hold something
    // the reader takes.
    const QString root = elementStarts.empty() ? QString() : elementStarts.front().first;
    if (!isNamed(root, QLatin1StringView(SpellDocumentReader::rootElement))) {
        return SpellCommands::tr("%1 is not a spell document: its outermost element is <%2>, where a spell has <%3>.")
            .arg(shownPath, root, QLatin1StringView(SpellDocumentReader::rootElement));
    }
    const bool takesAny = std::any_of(elementStarts.cbegin(), elementStarts.cend(), [](const auto &element) {
        return SpellDocumentReader::takesElement(element.first);
    });
    if (!takesAny)
        return SpellCommands::tr("%1 is not a spell document: it holds nothing a spell is made of.").arg(shownPath);
    return std::nullopt;
}

} // namespace

std::optional<QString> SpellCommands::checkDocument(const QString &path, QString *lastModified)
{
    ElementStarts elementStarts;
    if (std::optional<QString> reason = readSpellElements(path, elementStarts))
        return reason;
    if (lastModified) {
        const auto date = std::find_if(elementStarts.cbegin(), elementStarts.cend(),
                                       [](const auto &element) { return isNamed(element.first, "date"_L1); });
        lastModified->clear();
        for (int i = 0; date != elementStarts.cend() && i < date->second.length(); ++i) {
            if (isNamed(date->second.getQName(i), "lastmod"_L1))
                *lastModified = date->second.getValue(i);
        }
    }
    return std::nullopt;
}

SpellCommands::Result SpellCommands::LoadSpell(const QString &path)
{
    ElementStarts elementStarts;
    if (std::optional<QString> reason = readSpellElements(path, elementStarts))
        return {Outcome::Failed, *reason};

    // Without readable rules data the window keeps its spell and has told the user why.
    if (!m_window.startNew())
        return {Outcome::RulesUnreadable, QString()};

    // Every element takes effect in document order. The reader's handlers of the other events
    // take nothing from them, so they are not reported again.
    SpellDocumentReader reader(m_window);
    reader.parser_startDocument();
    for (const auto &[sName, pAttributeList] : elementStarts)
        reader.parser_startElement(sName, pAttributeList);
    reader.parser_endDocument();
    return {Outcome::Done, reader.choicesNotFound(QDir::toNativeSeparators(path))};
}
