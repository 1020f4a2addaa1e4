#pragma once

#include <functional>
#include <optional>

#include <QObject>
#include <QString>

#include "cards/spellcard.h"
#include "platform/platform.h"

class Cantrix;

// The File menu's Export Spell Card...: asks where to put the card and writes it there. The
// name the user gives decides the kind of file: a web page for .html and .htm, a PDF document
// for anything else. The card's HTML is written here; turning it into PDF pages needs the
// program's fonts and painter, so the program hands in the function that does it.
class SpellCardExport final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellCardExport)

public:
    enum class Format { Pdf, Html };

    static constexpr auto dialogTitle = QT_TRANSLATE_NOOP("SpellCardExport", "Export Spell Card");
    static constexpr auto pdfFilter = QT_TRANSLATE_NOOP("SpellCardExport", "PDF documents (*.pdf)");
    static constexpr auto htmlFilter = QT_TRANSLATE_NOOP("SpellCardExport", "Web pages (*.html *.htm)");
    static constexpr auto defaultSuffix = "pdf";

    // Writes the card (given as HTML) to `path` as a PDF document. Returns the reason when it
    // could not, and must then leave no file behind.
    using PdfWriter = std::function<std::optional<QString>(const QString &html, const QString &path)>;

    SpellCardExport(Cantrix &window, Platform &platform, PdfWriter writePdf, QObject *parent = nullptr);

    static Format formatFor(const QString &path);

    // The spell as the window shows it now, with the author named in the author options file.
    SpellCard::Spell spell() const;

    // The name a card of the window's spell is proposed under, without folder or suffix: the
    // spell's name without the characters no desktop takes in a file name.
    QString cardName() const;

    // What the file dialog is asked: a save dialog offering PDF first, starting in the folder
    // of the last export (else the start folder) with a name made from the spell's name.
    Platform::FileDialogRequest dialogRequest() const;

    // Where the dialog starts before a card has been exported in this run (the folder of the
    // spell last opened or saved); "" for the user's documents.
    void setStartFolder(std::function<QString()> folder) { m_startFolder = std::move(folder); }

    void mnuExportCard_Click();

    // Writes the card for the window's spell to `path` in the format its name asks for.
    // Returns the message for the user (naming the file and the reason) when it failed.
    std::optional<QString> exportTo(const QString &path) const;

private:
    Cantrix &m_window;
    Platform &m_platform;
    PdfWriter m_writePdf;
    QString m_lastPath;
    std::function<QString()> m_startFolder;
};
