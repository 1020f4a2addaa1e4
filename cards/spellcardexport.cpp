#include "cards/spellcardexport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "author/authoroptionsfile.h"
#include "platform/replacequestion.h"
#include "windowmodel/cantrix.h"

namespace {

// A file name made from the spell's name: characters that no desktop accepts in a file name,
// and leading or trailing dots and blanks, are left out.
QString fileNameFor(const QString &spellName)
{
    static const QRegularExpression unsafe(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])"));
    QString name = spellName;
    name.remove(unsafe);
    while (!name.isEmpty() && (name.front() == u'.' || name.front().isSpace()))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == u'.' || name.back().isSpace()))
        name.chop(1);
    return name.isEmpty() ? SpellCardExport::tr("Spell card") : name;
}

} // namespace

SpellCardExport::SpellCardExport(Cantrix &window, Platform &platform, PdfWriter writePdf, QObject *parent)
    : QObject(parent), m_window(window), m_platform(platform), m_writePdf(std::move(writePdf))
{
}

SpellCardExport::Format SpellCardExport::formatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const char *html : {"html", "htm"}) {
        if (suffix.compare(QLatin1String(html), Qt::CaseInsensitive) == 0)
            return Format::Html;
    }
    return Format::Pdf;
}

SpellCard::Spell SpellCardExport::spell() const
{
    SpellCard::Spell spell = SpellCard::fromWindow(m_window);
    // The author a save would write into the document: the name last stored with Options.
    spell.author = AuthorOptionsFile::read(AuthorOptionsFile::location(m_platform)).name;
    return spell;
}

QString SpellCardExport::cardName() const
{
    return fileNameFor(m_window.NameText.text());
}

Platform::FileDialogRequest SpellCardExport::dialogRequest() const
{
    Platform::FileDialogRequest request;
    request.mode = Platform::FileDialogMode::Save;
    request.title = tr(dialogTitle);
    request.filters = {tr(pdfFilter), tr(htmlFilter)};
    request.defaultSuffix = QString::fromLatin1(defaultSuffix);

    // The next card most likely goes where the last one went, in the same kind of file.
    QString suffix = QString::fromLatin1(defaultSuffix);
    QString name = cardName();
    if (!m_lastPath.isEmpty()) {
        const QFileInfo last(m_lastPath);
        if (formatFor(m_lastPath) == Format::Html)
            suffix = last.suffix();
        name = last.dir().filePath(name);
    }
    request.fileName = name + u'.' + suffix;
    if (m_startFolder)
        request.folder = m_startFolder();
    return request;
}

void SpellCardExport::mnuExportCard_Click()
{
    const std::optional<QString> path = m_platform.chooseFile(dialogRequest());
    if (!path)
        return;
    m_lastPath = *path;
    // An earlier card may be one the user still wants, as a spell document may.
    if (QFileInfo::exists(*path) && !askToReplace(m_platform, *path))
        return;
    if (const std::optional<QString> message = exportTo(*path))
        m_platform.showWarning(tr("Spell Card Not Exported"), *message);
    else
        m_platform.showStatus(tr("Spell card exported to %1.").arg(QDir::toNativeSeparators(*path)));
}

std::optional<QString> SpellCardExport::exportTo(const QString &path) const
{
    const SpellCard::Spell card = spell();
    std::optional<QString> reason;
    if (formatFor(path) == Format::Html) {
        const QString error = SpellCard::saveHtml(card, path);
        if (!error.isEmpty())
            reason = error;
    } else {
        reason = m_writePdf(SpellCard::html(card), path);
    }
    if (!reason)
        return std::nullopt;
    return tr("The spell card could not be written to %1: %2.").arg(QDir::toNativeSeparators(path), *reason);
}
