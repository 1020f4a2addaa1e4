#pragma once

#include <optional>

#include <QObject>
#include <QString>

#include "files/documentlimit.h"

class Cantrix;
class Platform;

// The File menu's Open and Save: the file dialog with its title, filters and default suffix,
// and the one file name both dialogs share, so a Save after an Open proposes the opened file.
// Writing and reading the spell document are SaveSpell and LoadSpell.
class SpellCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpellCommands)

public:
    static constexpr auto openTitle = "Open spell";
    static constexpr auto saveTitle = "Save spell";
    static constexpr auto spellFilter = "Spells (*.xml)";
    static constexpr auto allFilesFilter = "All files (*.*)";
    static constexpr auto defaultSuffix = "xml";
    // The most Open reads, and so the most Save writes.
    static constexpr qint64 largestDocument = DocumentLimit::largestDocument;

    SpellCommands(Cantrix &window, Platform &platform, QObject *parent = nullptr);

    // The name the next file dialog starts with: the one chosen last, by Open or Save.
    QString fileName() const { return m_fileName; }
    // The file the spell on screen was last opened from or saved to; "" after New, Restore or
    // start-up. Save replaces it without asking.
    QString documentPath() const;

    void mnuOpen_Click();
    void mnuSave_Click();

    // Opens the spell document at `path` as File > Open does once a file is chosen: the
    // document replaces the spell on screen, or the user is told why it could not. For files
    // that come from elsewhere than the Open dialog (the command line, a drop, a recent file).
    void openFile(const QString &path);
    enum class Outcome {
        Done,
        Failed,          // nothing happened to the window (load) or to the file (save); see message
        RulesUnreadable, // the rules data file could not be read: the window said so, kept its spell
    };
    struct Result
    {
        Outcome outcome = Outcome::Done;
        // When Failed, names the file and the reason; when Done, what the user must be told
        // about the spell opened (a category or type the rules data lacks), or nothing.
        QString message;
    };

    // Reads the document at `path` into the window as Open does and tells the user why it could
    // not, or what they must know about the spell now shown. The file does not become the
    // window's document (Restore Last Spell opens a kept copy this way).
    Outcome loadAndReport(const QString &path);

    // Writes the spell in the window to `path`, replacing any earlier file only once the whole
    // document is written; a document Open would refuse as too large is not written at all. Sets CreationDate to today when it is empty, whether or not the
    // file could be written.
    Result SaveSpell(const QString &path);

    // Reads the document at `path` and checks it is a well-formed spell document before anything
    // changes; only then resets the window (New) and applies the document's elements in order.
    Result LoadSpell(const QString &path);

    // Checks the document at `path` as LoadSpell does, without touching any window: why it
    // cannot be opened, or nothing. `lastModified` receives the date it was last saved.
    // A file a save left damaged has its backup named in the reason.
    static std::optional<QString> checkDocument(const QString &path, QString *lastModified = nullptr);

signals:
    // A spell document was opened into the window, or the window's spell saved, at `path`.
    void documentOpened(const QString &path);
    void documentSaved(const QString &path);

private:
    std::optional<QString> askForFile(bool forSaving);
    // Whether Save may write to `path`: always onto the spell's own file or a new one, and onto
    // any other existing file once the user agrees.
    bool mayReplace(const QString &path);

    Cantrix &m_window;
    Platform &m_platform;
    QString m_fileName;
};
