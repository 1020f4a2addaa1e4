#include "documents/spellcommands.h"

#include <deque>
#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "author/authoroptionsfile.h"
#include "design/cantrix.h"
#include "design/platform.h"
#include "documents/spelldocumentreader.h"
#include "documents/spelldocumentwriter.h"
#include "documents/xmleventparser.h"

namespace {

struct DocumentBytes
{
    QByteArray bytes;
    QString error; // why the file could not be read; empty when it was
};

DocumentBytes readDocument(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return {{}, SpellCommands::tr("it is a folder, not a file")};
    // A device or a pipe has no size to check and may never end or never answer.
    if (info.exists() && !info.isFile())
        return {{}, SpellCommands::tr("it is not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    if (file.size() > SpellCommands::largestDocument)
        return {{}, SpellCommands::tr("it is too large to be a spell document")};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {std::move(bytes), QString()};
}

} // namespace

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
    const Result result = LoadSpell(*path);
    if (result.outcome == Outcome::Failed)
        m_platform.showWarning(tr("Spell Not Opened"), result.message);
}

void SpellCommands::mnuSave_Click()
{
    const std::optional<QString> path = askForFile(true);
    if (!path)
        return;
    const Result result = SaveSpell(*path);
    if (result.outcome == Outcome::Failed)
        m_platform.showWarning(tr("Spell Not Saved"), result.message);
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

    const auto failed = [&path](const QString &reason) {
        return Result{Outcome::Failed,
                      tr("The spell could not be saved to %1: %2.").arg(QDir::toNativeSeparators(path), reason)};
    };
    // QSaveFile writes beside the target and renames only once everything is written, so a
    // failure at any point leaves an earlier file exactly as it was.
    QSaveFile file(path);
    // Unbuffered: a buffered write would wait until commit(), which renames the file even when
    // writing out the buffer failed, as on a full disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    if (const qint64 written = file.write(document); written != document.size()) {
        // A disk that fills up takes part of the document and then refuses the rest, which the
        // system reports as no error at all.
        const QString reason = written >= 0 && file.error() == QFileDevice::NoError
            ? tr("only %1 of its %2 bytes could be written; the disk may be full").arg(written).arg(document.size())
            : file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

SpellCommands::Result SpellCommands::LoadSpell(const QString &path)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const DocumentBytes read = readDocument(path);
    if (!read.error.isEmpty())
        return {Outcome::Failed, tr("The spell %1 could not be opened: %2.").arg(shownPath, read.error)};

    // The whole document must be well-formed before the spell on screen is given up. It is
    // parsed once: the element starts, the only events the window acts on, are kept while the
    // document is checked, and take effect once it has proved well-formed.
    std::deque<std::pair<QString, XmlAttributeList>> elementStarts;
    XmlEvents keepElementStarts;
    keepElementStarts.startElement = [&elementStarts](const QString &sName, const XmlAttributeList &pAttributeList) {
        elementStarts.emplace_back(sName, pAttributeList);
    };
    const XmlParseResult check = XmlEventParser::parse(read.bytes, keepElementStarts);
    if (!check.ok) {
        return {Outcome::Failed,
                tr("The spell %1 could not be opened: it is not well-formed XML at line %2, column %3: %4")
                    .arg(shownPath, QString::number(check.line), QString::number(check.column), check.reason)};
    }

    m_window.mnuNew_Click();
    if (m_window.isClosed())
        return {Outcome::WindowClosed, QString()};

    // Every element takes effect in document order. The reader's handlers of the other events
    // take nothing from them, so they are not reported again.
    SpellDocumentReader reader(m_window);
    reader.parser_startDocument();
    for (const auto &[sName, pAttributeList] : elementStarts)
        reader.parser_startElement(sName, pAttributeList);
    reader.parser_endDocument();
    return {};
}
