#include "documents/spelldraft.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "author/authoroptionsfile.h"
#include "windowmodel/cantrix.h"
#include "platform/platform.h"
#include "documents/openedspell.h"
#include "documents/spellcommands.h"
#include "documents/spelldocumentwriter.h"
#include "files/wholefile.h"

SpellDraft::SpellDraft(Cantrix &window, SpellCommands &commands, const OpenedSpell &opened, Platform &platform,
                       QObject *parent)
    : QObject(parent), m_window(window), m_commands(commands), m_opened(opened), m_platform(platform),
      m_files(platform)
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
    return m_files.offered();
}

void SpellDraft::announce()
{
    m_files.removeStale();
    const QString draft = path();
    if (m_platform.userDataDirectory().isEmpty() || !QFileInfo::exists(draft))
        return;
    QString kept;
    if (SpellCommands::checkDocument(draft, &kept)) {
        setAside();
        // Short enough for the status bar; the file set aside is there for whoever wants to know more.
        m_platform.showStatus(tr("The spell kept at the last exit cannot be read and was set aside as %1.")
                                  .arg(QLatin1String(damagedFileName)));
        m_noteShown = true;
        return;
    }
    if (kept.isEmpty())
        kept = SpellDocumentWriter::formatDate(QFileInfo(draft).lastModified().date(), m_platform.locale());
    setAvailable(true);
    m_platform.showStatus(tr("The spell you left on %1 can be restored: File > Restore Last Spell.").arg(kept));
    m_noteShown = true;
}

std::optional<QByteArray> SpellDraft::document() const
{
    // Nothing to keep before a design has started, nor a spell one New or Open brings back.
    if (!m_fresh || m_window.isClosed() || SpellSnapshot::of(m_window).sameSpell(*m_fresh) || !m_opened.differs())
        return std::nullopt;
    const AuthorProfile author = AuthorOptionsFile::read(AuthorOptionsFile::location(m_platform));
    const QString today = SpellDocumentWriter::formatDate(m_platform.today(), m_platform.locale());
    // The creation date stays as it is: "" for a spell never saved, so its first save dates it.
    return DraftFiles::withOwner(SpellDocumentWriter::compose(m_window, author, {m_window.CreationDate, today}),
                                 m_opened.path());
}

std::optional<QString> SpellDraft::keep()
{
    const std::optional<QByteArray> kept = document();
    if (!kept && !m_files.hasOwn())
        return std::nullopt;
    const QString own = m_files.own();
    if (own.isEmpty()) {
        return tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(m_platform.userDataDirectory()));
    }
    return DraftFiles::write(own, kept);
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
    if (outcome == SpellCommands::Outcome::Done) {
        // The spell takes back its file, while that is still there, for the title and Save.
        const QString owner = DraftFiles::ownerOf(path());
        if (!owner.isEmpty() && QFileInfo::exists(owner))
            m_commands.adoptDocument(owner);
        QFile::remove(path());
    } else
        setAside();
    setAvailable(false);
}

void SpellDraft::setAside()
{
    const QString damaged = QDir(m_platform.userDataDirectory()).filePath(QString::fromLatin1(damagedFileName));
    QFile::remove(damaged);
    QFile::rename(path(), damaged);
}

void SpellDraft::setAvailable(bool available)
{
    if (available == m_available)
        return;
    m_available = available;
    emit availabilityChanged(available);
}
