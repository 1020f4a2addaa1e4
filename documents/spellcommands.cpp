#include "documents/spellcommands.h"

#include <QDir>

#include "author/authoroptionsfile.h"
#include "design/cantrix.h"
#include "design/platform.h"
#include "documents/spelldocumentreader.h"
#include "documents/spelldocumentwriter.h"
#include "documents/xmlelementreader.h"
#include "files/wholefile.h"

SpellCommands::SpellCommands(Cantrix &window, Platform &platform, QObject *parent)
    : QObject(parent), m_window(window), m_platform(platform)
{
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
    const Result result = LoadSpell(path);
    if (result.outcome == Outcome::Failed)
        m_platform.showWarning(tr("Spell Not Opened"), result.message);
    else if (result.outcome == Outcome::Done)
        emit documentOpened(path);
}

void SpellCommands::mnuSave_Click()
{
    const std::optional<QString> path = askForFile(true);
    if (!path)
        return;
    const Result result = SaveSpell(*path);
    if (result.outcome == Outcome::Failed)
        m_platform.showWarning(tr("Spell Not Saved"), result.message);
    else
        emit documentSaved(*path);
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

SpellCommands::Result SpellCommands::LoadSpell(const QString &path)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const WholeFile::Contents read = WholeFile::read(path, largestDocument);
    if (!read.ok())
        return {Outcome::Failed, tr("The spell %1 could not be opened: %2.").arg(shownPath, read.error)};

    // The whole document must be well-formed before the spell on screen is given up. It is
    // read once: the element starts, the only part the window acts on, are kept while the
    // document is checked, and take effect once it has proved well-formed.
    const XmlElements document = XmlElementReader::read(read.bytes);
    if (!document.ok) {
        return {Outcome::Failed,
                tr("The spell %1 could not be opened: it is not well-formed XML at line %2, column %3: %4")
                    .arg(shownPath, QString::number(document.line), QString::number(document.column), document.reason)};
    }

    // New and every element that follows it read the rules data once between them, and the
    // window is shown once the whole document has taken effect.
    const Cantrix::RulesReadOnce readOnce(m_window);
    const ScreenUpdates::Hold hold(m_window.screenUpdates);
    m_window.mnuNew_Click();
    if (m_window.isClosed())
        return {Outcome::WindowClosed, QString()};

    // Every element takes effect in document order.
    SpellDocumentReader reader(m_window);
    for (const XmlElement &element : document.elements)
        reader.parser_startElement(element.name, element.attributes);
    return {};
}
