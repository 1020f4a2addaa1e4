#pragma once

#include <QObject>
#include <QString>

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
    // A spell document is a few kilobytes; a file far larger is refused before it is read whole.
    static constexpr qint64 largestDocument = 16 * 1024 * 1024;

    SpellCommands(Cantrix &window, Platform &platform, QObject *parent = nullptr);

    // The name the next file dialog starts with: the one chosen last, by Open or Save.
    QString fileName() const { return m_fileName; }

    void mnuOpen_Click();
    void mnuSave_Click();

    // Opens the spell document at `path` as File > Open does once a file is chosen: the
    // document replaces the spell on screen, or the user is told why it could not. For files
    // that come from elsewhere than the Open dialog (the command line, a drop, a recent file).
    void openFile(const QString &path);

    enum class Outcome {
        Done,
        Failed,       // nothing happened to the window (load) or to the file (save); see message
        WindowClosed, // the rules data file was missing when the load reset the window
    };
    struct Result
    {
        Outcome outcome = Outcome::Done;
        QString message; // names the file and the reason, when Failed
    };

    // Writes the spell in the window to `path`, replacing any earlier file only once the whole
    // document is written. Sets CreationDate to today when it is empty, whether or not the
    // file could be written.
    Result SaveSpell(const QString &path);

    // Reads the document at `path` and checks it is well-formed before anything changes; only
    // then resets the window (New) and applies the document's elements in order.
    Result LoadSpell(const QString &path);

signals:
    // A spell document was opened into the window, or the window's spell saved, at `path`.
    void documentOpened(const QString &path);
    void documentSaved(const QString &path);

private:
    std::optional<QString> askForFile(bool forSaving);

    Cantrix &m_window;
    Platform &m_platform;
    QString m_fileName;
};
