#include "documents/spellrebuild.h"

#include "author/authoroptionsfile.h"
#include "documents/spelldocumentreader.h"
#include "documents/spelldocumentwriter.h"
#include "platform/platform.h"
#include "windowmodel/cantrix.h"

namespace SpellRebuild {

Outcome apply(Cantrix &window, const QList<XmlElement> &elements)
{
    // Every handler of the rebuild judges by one reading of the rules, and the window is shown
    // once the whole spell is chosen again.
    const Cantrix::RulesReadOnce readOnce(window);
    const ScreenUpdates::Hold hold(window.screenUpdates);
    Outcome outcome;
    if (!window.startNew())
        return outcome;
    SpellDocumentReader reader(window, SpellDocumentReader::Mode::Rebuild);
    for (const XmlElement &element : elements)
        reader.parser_startElement(element.name, element.attributes);
    window.CalculateDrain();
    outcome.rebuilt = true;
    outcome.savedDrain = reader.storedDrain();
    outcome.drain = window.DrainText.text();
    outcome.notFound = reader.notFound();
    return outcome;
}

} // namespace SpellRebuild

RebuildCommand::RebuildCommand(Cantrix &window, Platform &platform, QObject *parent)
    : QObject(parent), m_window(window), m_platform(platform)
{
}

SpellRebuild::Outcome RebuildCommand::mnuRebuild_Click()
{
    // The document Save would write, dates and all; the author goes in as Save puts it there,
    // though nothing read back depends on it.
    const AuthorProfile author = AuthorOptionsFile::read(AuthorOptionsFile::location(m_platform));
    const QByteArray document = SpellDocumentWriter::compose(m_window, author, {m_window.CreationDate, QString()});
    const XmlElements read = XmlElementReader::read(document);
    // The rebuilt spell is still the one of the file it was opened from: Save goes there, and
    // the title marks it as changed when it is.
    const QString path = m_window.documentPath;
    const QString creation = m_window.CreationDate;
    const SpellRebuild::Outcome outcome = SpellRebuild::apply(m_window, read.elements);
    if (!outcome.rebuilt)
        return outcome;
    m_window.documentPath = path;
    m_window.CreationDate = creation;

    if (!outcome.changes()) {
        m_platform.showStatus(tr("Rebuilt under today's rules: the drain code stays %1.").arg(outcome.drain));
        return outcome;
    }
    QString text = outcome.savedDrain == outcome.drain
        ? tr("Under today's rules the drain code stays %1.").arg(outcome.drain)
        : tr("Under today's rules the drain code is %1; it was %2.").arg(outcome.drain, outcome.savedDrain);
    if (!outcome.notFound.isEmpty()) {
        text += QStringLiteral("\n\n") + tr("Not found under today's rules, and left out:") + QStringLiteral("\n")
            + outcome.notFound.join(u'\n');
    }
    m_platform.showWarning(tr(changedTitle), text);
    return outcome;
}
