#include "documents/spelldraft.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "author/authoroptionsfile.h"
#include "documents/openedspell.h"
#include "documents/spellcommands.h"
#include "documents/spelldocumentwriter.h"
#include "files/documentlimit.h"
#include "files/wholefile.h"
#include "platform/platform.h"
#include "windowmodel/cantrix.h"

SpellDraft::SpellDraft(Cantrix &window, SpellCommands &commands, const OpenedSpell &opened, Platform &platform,
                       QObject *parent)
    : QObject(parent), m_window(window), m_commands(commands), m_opened(opened), m_platform(platform)
{
    connect(&window, &Cantrix::designStarted, this, [this] {
        const bool first = !m_fresh;
        m_fresh = SpellSnapshot::of(m_window);
        if (first) {
            announce();
        } else if (m_noteShown) {
            // The user has moved on to another spell: the note has had its time.
            m_platform.showStatus(QString());
            m_noteShown = false;
        }
    });
}

QString SpellDraft::path() const
{
    return QDir(m_platform.userDataDirectory()).filePath(QString::fromLatin1(fileName));
}

void SpellDraft::announce()
{
    if (m_platform.userDataDirectory().isEmpty())
        return;
    const QString draft = path();
    // Only a file of the program's own is a draft: a folder or a link at its name is left as it
    // is (keeping a draft says why it cannot be written there).
    const QFileInfo found(draft);
    if (found.isSymLink() || !found.isFile())
        return;
    QString kept;
    if (SpellCommands::checkDocument(draft, &kept)) {
        // Short enough for the status bar; the file set aside is there for whoever wants to know more.
        if (const std::optional<QString> asideAs = setAside()) {
            m_platform.showStatus(tr("The spell kept at the last exit cannot be read and was set aside as %1.")
                                      .arg(*asideAs));
        } else {
            m_platform.showStatus(tr("The spell kept at the last exit cannot be read; it stays as %1.")
                                      .arg(QDir::toNativeSeparators(draft)));
        }
        m_noteShown = true;
        return;
    }
    if (kept.isEmpty())
        kept = SpellDocumentWriter::formatDate(found.lastModified().date(), m_platform.locale());
    setAvailable(true);
    m_platform.showStatus(tr("The spell you left on %1 can be restored: File > Restore Last Spell.").arg(kept));
    m_noteShown = true;
}

std::optional<QString> SpellDraft::unsafePlace() const
{
    const QString draft = path();
    if (QFileInfo(draft).isSymLink()) {
        return tr("%1 is a symbolic link, which a kept spell never follows; remove it")
            .arg(QDir::toNativeSeparators(draft));
    }
#ifdef Q_OS_UNIX
    // Where another user may write, a link may be put at the name between the look above and
    // the write; the per-user data folder is the user's alone.
    const QString folder = m_platform.userDataDirectory();
    struct stat place {};
    if (::stat(QFile::encodeName(folder).constData(), &place) != 0 || place.st_uid != ::geteuid()
        || (place.st_mode & S_IWOTH) != 0) {
        return tr("the folder %1 is not yours alone, so no spell is kept there")
            .arg(QDir::toNativeSeparators(folder));
    }
#endif
    return std::nullopt;
}

std::optional<QString> SpellDraft::keep()
{
    // Nothing to keep before a design has started, nor a spell one New or Open brings back.
    if (!m_fresh || m_window.isClosed() || SpellSnapshot::of(m_window).sameSpell(*m_fresh) || !m_opened.differs())
        return std::nullopt;
    const QString folder = m_platform.userDataDirectory();
    std::optional<QString> reason;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        reason = tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
    if (!reason)
        reason = unsafePlace();
    if (!reason) {
        const AuthorProfile author = AuthorOptionsFile::read(AuthorOptionsFile::location(m_platform));
        const QString today = SpellDocumentWriter::formatDate(m_platform.today(), m_platform.locale());
        // The creation date stays as it is: "" for a spell never saved, so its first save dates it.
        const QByteArray document = SpellDocumentWriter::compose(m_window, author, {m_window.CreationDate, today});
        reason = DocumentLimit::refusal(document.size());
        if (!reason)
            reason = WholeFile::replace(path(), document);
    }
    if (!reason)
        return std::nullopt;
    return tr("The spell on screen could not be kept for the next start as %1: %2.")
        .arg(QDir::toNativeSeparators(path()), *reason);
}

SpellDraft::Keeping SpellDraft::keepOrTell(Ending ending)
{
    const std::optional<QString> failure = keep();
    if (!failure)
        return Keeping::Done;
    if (*failure == m_told)
        return Keeping::FailedAgain;
    m_told = *failure;
    if (ending == Ending::SessionEnd) {
        QTextStream(stderr) << *failure << Qt::endl;
    } else if (ending == Ending::Exit) {
        m_platform.showWarning(tr("Spell Not Kept"), *failure);
    } else {
        m_platform.showWarning(tr("Spell Not Kept"),
                               *failure + QStringLiteral("\n\n")
                                   + tr("The spell stays on screen: save it with File > Save, or end the "
                                        "program again to leave it unsaved."));
    }
    return Keeping::Failed;
}

void SpellDraft::restore()
{
    if (!m_available)
        return;
    const SpellCommands::Outcome outcome = m_commands.loadAndReport(path());
    // Without readable rules the draft waits for the next try; a draft that turned out damaged
    // has been reported and is of no further use.
    if (outcome == SpellCommands::Outcome::RulesUnreadable)
        return;
    if (outcome == SpellCommands::Outcome::Done)
        QFile::remove(path());
    else
        (void)setAside(); // the failure to open it has been told
    setAvailable(false);
}

std::optional<QString> SpellDraft::setAside()
{
    const QDir folder(m_platform.userDataDirectory());
    constexpr int mostNumbers = 1000;
    for (int number = 1; number <= mostNumbers; ++number) {
        const QString name = number == 1 ? QString::fromLatin1(damagedFileName)
                                         : QString::fromLatin1(numberedDamagedFileName).arg(number);
        const QFileInfo aside(folder.filePath(name));
        if (aside.exists() || aside.isSymLink())
            continue;
        // A rename never replaces what is at the new name, should one appear meanwhile.
        if (QFile::rename(path(), aside.filePath()))
            return name;
        if (!QFileInfo(path()).isFile())
            return std::nullopt;
    }
    return std::nullopt;
}

void SpellDraft::setAvailable(bool available)
{
    if (available == m_available)
        return;
    m_available = available;
    emit availabilityChanged(available);
}
