#include "documents/draftkeeper.h"

#include "documents/draftfiles.h"
#include "documents/spellcommands.h"
#include "documents/spelldraft.h"
#include "files/documentlimit.h"
#include "windowmodel/spellhistory.h"

DraftKeeper::DraftKeeper(SpellDraft &draft, SpellHistory &history, SpellCommands &commands, QObject *parent)
    : QObject(parent), m_draft(draft)
{
    m_writer.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(delayMs);
    connect(&m_timer, &QTimer::timeout, this, &DraftKeeper::update);
    // Each settled change starts the wait anew, so steady typing writes nothing until a pause.
    const auto changed = [this] { m_timer.start(); };
    connect(&history, &SpellHistory::settled, this, changed);
    // A saved spell needs no draft: the one written before goes.
    connect(&commands, &SpellCommands::documentSaved, this, changed);
}

DraftKeeper::~DraftKeeper()
{
    waitForWritten();
}

void DraftKeeper::update()
{
    m_timer.stop();
    std::optional<QByteArray> document = m_draft.document();
    DraftFiles &files = m_draft.files();
    if (!document && !files.hasOwn())
        return;
    const QString path = files.own();
    if (path.isEmpty() || m_draft.unsafePlace(path) || (document && DocumentLimit::refusal(document->size())))
        return;
    // A failure here is told, if it lasts, when the program ends and keeps the draft once more.
    m_writer.start([path, document = std::move(document)] { DraftFiles::write(path, document); });
}

void DraftKeeper::finish()
{
    m_timer.stop();
    waitForWritten();
}
