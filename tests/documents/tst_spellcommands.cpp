#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "windowmodel/cantrix.h"
#include "windowmodel/spellhistory.h"
#include "documents/openedspell.h"
#include "documents/recentspells.h"
#include "documents/spellcommands.h"
#include "documents/spelldocumentreader.h"
#include "documents/xmlelementreader.h"
#include "documents/spelldraft.h"
#include "session/spellsession.h"
#include "tests/documents/spellfixture.h"
#include "tests/support/ordinaryuser.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/rulesfixture.h"

using namespace SpellFixture;

namespace {

// Makes a file or folder read-only for the rest of a test and writable again afterwards.
class ReadOnlyPath final
{
    Q_DISABLE_COPY_MOVE(ReadOnlyPath)
public:
    explicit ReadOnlyPath(const QString &path) : m_file(path), m_permissions(m_file.permissions())
    {
        m_file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    ~ReadOnlyPath() { m_file.setPermissions(m_permissions); }
    // Whoever takes the step must be kept out (see OrdinaryUser).
    bool takesEffect() const
    {
        return OrdinaryUser::run([this] { return !QFileInfo(m_file.fileName()).isWritable(); });
    }

private:
    QFile m_file;
    QFileDevice::Permissions m_permissions;
};

} // namespace

class TestSpellCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<QSettings> m_settings;
    // The program as it is assembled, and the parts the tests drive.
    std::unique_ptr<SpellSession> m_session;
    Cantrix *m_window = nullptr;
    SpellCommands *m_commands = nullptr;
    SpellHistory *m_history = nullptr;
    OpenedSpell *m_opened = nullptr;
    SpellDraft *m_draft = nullptr;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString draftPath() const { return path(QStringLiteral("data/") + QLatin1String(SpellDraft::fileName)); }
    // One user action, settled as the program's event loop settles it.
    template <typename Action>
    void act(Action action)
    {
        action();
        m_history->settle();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(RulesFixture::write(m_dir->path(), rules()));
        QVERIFY(writeBytes(path(QStringLiteral("ctx.txt")), "Ann\r\nann@example.org\r\nhttp://example.org\r\n"));
        m_platform = std::make_unique<RecordingPlatform>();
        m_platform->setProgramDirectory(m_dir->path());
        m_platform->setUserConfigDirectory(path(QStringLiteral("config")));
        m_platform->setUserDataDirectory(path(QStringLiteral("data")));
        m_settings = std::make_unique<QSettings>(path(QStringLiteral("config/settings.ini")), QSettings::IniFormat);
        m_session = std::make_unique<SpellSession>(*m_platform, *m_settings);
        m_window = &m_session->window();
        m_commands = &m_session->spellCommands();
        m_history = &m_session->history();
        m_opened = &m_session->openedSpell();
        m_draft = &m_session->draft();
        act([this] { m_window->Form_Load(); });
    }

    void cleanup()
    {
        m_session.reset();
        m_settings.reset();
        m_platform.reset();
        m_dir.reset();
    }

    void dialogsAskAsTheFileMenuPromises()
    {
        m_platform->dialogAnswers.enqueue(std::nullopt);
        m_platform->dialogAnswers.enqueue(std::nullopt);
        m_commands->mnuOpen_Click();
        m_commands->mnuSave_Click();
        const QList<Platform::FileDialogRequest> &requests = m_platform->dialogRequests;
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(0).mode, Platform::FileDialogMode::Open);
        QCOMPARE(requests.at(0).title, QStringLiteral("Open spell"));
        QCOMPARE(requests.at(1).mode, Platform::FileDialogMode::Save);
        QCOMPARE(requests.at(1).title, QStringLiteral("Save spell"));
        for (const Platform::FileDialogRequest &request : requests) {
            QCOMPARE(request.filters, QStringList({QStringLiteral("Spells (*.xml)"), QStringLiteral("All files (*.*)")}));
            QCOMPARE(request.defaultSuffix, QStringLiteral("xml"));
            QCOMPARE(request.fileName, QString());
        }
    }

    void oneFileNameForBothDialogs()
    {
        composeCombatSpell(*m_window);
        m_platform->dialogAnswers.enqueue(path(QStringLiteral("first")));
        m_commands->mnuSave_Click();
        QVERIFY(QFileInfo::exists(path(QStringLiteral("first.xml"))));

        m_platform->dialogAnswers.enqueue(path(QStringLiteral("first.xml")));
        m_commands->mnuOpen_Click();
        m_platform->dialogAnswers.enqueue(std::nullopt);
        m_commands->mnuSave_Click();
        m_platform->dialogAnswers.enqueue(std::nullopt);
        m_commands->mnuOpen_Click();

        const QList<Platform::FileDialogRequest> &requests = m_platform->dialogRequests;
        QCOMPARE(requests.size(), 4);
        QCOMPARE(requests.at(1).fileName, path(QStringLiteral("first.xml")));
        QCOMPARE(requests.at(2).fileName, path(QStringLiteral("first.xml")));
        // A cancelled dialog keeps the name it was offered.
        QCOMPARE(requests.at(3).fileName, path(QStringLiteral("first.xml")));
        QVERIFY(m_platform->warnings.isEmpty());
    }

    void cancelChangesNothing()
    {
        composeCombatSpell(*m_window);
        const WindowSnapshot before(*m_window);
        m_platform->dialogAnswers.enqueue(std::nullopt);
        m_commands->mnuOpen_Click();
        m_platform->dialogAnswers.enqueue(std::nullopt);
        m_commands->mnuSave_Click();
        QVERIFY(WindowSnapshot(*m_window) == before);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2); // rules and options only
        QVERIFY(m_platform->warnings.isEmpty());
    }

    void roundTripRestoresEveryControl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");

        QTest::newRow("plain") << QStringLiteral("Bolt") << QStringLiteral("A bolt of fire.");
        QTest::newRow("markup characters") << QStringLiteral("Tom's \"Fire\" & <Bolt>")
                                           << QStringLiteral("a < b & c > d, 'quoted'");
        QTest::newRow("line breaks and tabs") << QStringLiteral("two\tcolumns")
                                              << QStringLiteral("first line\r\nsecond\nthird\rfourth");
        QTest::newRow("letters beyond ASCII") << QStringLiteral("Flammenstoß €") << QStringLiteral("日本語 \U0001F525");
        QTest::newRow("blanks around") << QStringLiteral("  padded  ") << QStringLiteral(" ");
    }

    void roundTripRestoresEveryControl()
    {
        QFETCH(QString, name);
        QFETCH(QString, description);

        composeCombatSpell(*m_window);
        m_window->NameText.setText(name);
        m_window->DescriptionText.setText(description);
        m_platform->setToday(QDate(2003, 7, 9));
        QCOMPARE(m_commands->SaveSpell(path(QStringLiteral("spell.xml"))).outcome, SpellCommands::Outcome::Done);
        const QStringList saved = storedSpell(*m_window);
        QCOMPARE(m_window->CreationDate, QStringLiteral("July 09, 2003"));

        m_window->mnuNew_Click();
        m_window->NameText.setText(QStringLiteral("something else"));
        QCOMPARE(m_commands->LoadSpell(path(QStringLiteral("spell.xml"))).outcome, SpellCommands::Outcome::Done);

        QCOMPARE(storedSpell(*m_window), saved);
    }

    void controlCharactersAreLeftOutAndTheDocumentReadsBack()
    {
        m_window->NameText.setText(QStringLiteral("bell") + QChar(0x07) + QStringLiteral("name"));
        QCOMPARE(m_commands->SaveSpell(path(QStringLiteral("spell.xml"))).outcome, SpellCommands::Outcome::Done);
        QCOMPARE(m_commands->LoadSpell(path(QStringLiteral("spell.xml"))).outcome, SpellCommands::Outcome::Done);
        QCOMPARE(m_window->NameText.text(), QStringLiteral("bellname"));
    }

    void freshSpellKeepsForceOne()
    {
        // Saved before any force was typed, opened into a window whose force was changed.
        QCOMPARE(m_commands->SaveSpell(path(QStringLiteral("fresh.xml"))).outcome, SpellCommands::Outcome::Done);
        m_window->ForceText.setText(QStringLiteral("9"));
        QCOMPARE(m_commands->LoadSpell(path(QStringLiteral("fresh.xml"))).outcome, SpellCommands::Outcome::Done);
        QCOMPARE(m_window->ForceText.text(), QStringLiteral("1"));
        QCOMPARE(m_window->Summary1List.row(2), QStringLiteral("Force 1"));
        QCOMPARE(m_window->Summary1List1.row(2), QStringLiteral("1"));
    }

    // A force typed and then deleted: the field is empty while the summary row and the drain
    // code still use the force typed last. That force is the one saved and opened again.
    void emptiedForceFieldKeepsTheForceInUse()
    {
        composeCombatSpell(*m_window);
        m_window->ForceText.setText(QString());
        QCOMPARE(m_window->Summary1List.row(2), QStringLiteral("Force 6"));
        QCOMPARE(m_commands->SaveSpell(path(QStringLiteral("spell.xml"))).outcome, SpellCommands::Outcome::Done);

        m_window->mnuNew_Click();
        QCOMPARE(m_commands->LoadSpell(path(QStringLiteral("spell.xml"))).outcome, SpellCommands::Outcome::Done);
        QCOMPARE(m_window->ForceText.text(), QStringLiteral("6"));
        QCOMPARE(m_window->Summary1List.row(2), QStringLiteral("Force 6"));
        QCOMPARE(m_window->Summary1List1.row(2), QStringLiteral("6"));
    }

    void creationDateOfFirstSaveIsKept()
    {
        const QString file = path(QStringLiteral("spell.xml"));
        m_platform->setToday(QDate(2001, 3, 5));
        m_commands->SaveSpell(file);
        m_platform->setToday(QDate(2001, 4, 7));
        m_commands->SaveSpell(file);
        const QByteArray twice = fileBytes(file);
        QVERIFY(twice.contains("      creation=\"March 05, 2001\"\r\n      lastmod=\"April 07, 2001\"\r\n"));

        m_window->mnuNew_Click();
        m_commands->SaveSpell(file);
        QVERIFY(fileBytes(file).contains("      creation=\"April 07, 2001\"\r\n      lastmod=\"April 07, 2001\"\r\n"));
    }

    void openedCreationDateIsWrittenAgain()
    {
        QVERIFY(writeBytes(path(QStringLiteral("old.xml")),
                           "<common><date creation='January 02, 1990'/><itemdef name='Old'/></common>"));
        QCOMPARE(m_commands->LoadSpell(path(QStringLiteral("old.xml"))).outcome, SpellCommands::Outcome::Done);
        m_commands->SaveSpell(path(QStringLiteral("new.xml")));
        QVERIFY(fileBytes(path(QStringLiteral("new.xml"))).contains("creation=\"January 02, 1990\""));
    }

    void optionsStoredLastAreWritten()
    {
        QVERIFY(writeBytes(path(QStringLiteral("ctx.txt")), "Bea"));
        m_commands->SaveSpell(path(QStringLiteral("spell.xml")));
        QVERIFY(fileBytes(path(QStringLiteral("spell.xml")))
                    .contains("      name=\"Bea\"\r\n      email=\"\"\r\n      url=\"\"\r\n"));
    }

    void anotherExtensionOpensLikeAnyOther()
    {
        composeCombatSpell(*m_window);
        m_commands->SaveSpell(path(QStringLiteral("spell.bak")));
        const QStringList saved = storedSpell(*m_window);
        m_window->mnuNew_Click();
        m_platform->dialogAnswers.enqueue(path(QStringLiteral("spell.bak")));
        m_commands->mnuOpen_Click();
        QCOMPARE(storedSpell(*m_window), saved);
    }

    // An Open reads the rules data once for all its elements, and what it makes of a document is
    // what reading the file afresh for every element makes of it.
    void elementsOpenAsIfTheRulesWereReadForEach()
    {
        const QByteArray document =
            "<common><category value='Detection Spell' modifier='-1DRT'/><mod value='Extended range' modifier='+1'/>"
            "<category value='combat spell' modifier='+1'/><mod value='Area effect' modifier='+1'/>"
            "<type value='Mana Spell'/><category value='COMBAT'/><category value='Detection' modifier='x'/>"
            "<mod value='Voice only' modifier='-1DRT'/><category value='Combat Spell'/></common>";
        QVERIFY(writeBytes(path(QStringLiteral("many.xml")), document));
        QCOMPARE(m_commands->LoadSpell(path(QStringLiteral("many.xml"))).outcome, SpellCommands::Outcome::Done);

        Cantrix oneByOne(*m_platform);
        oneByOne.Form_Load();
        SpellDocumentReader reader(oneByOne);
        for (const XmlElement &element : XmlElementReader::read(document).elements)
            reader.parser_startElement(element.name, element.attributes);
        QVERIFY(WindowSnapshot(oneByOne) == WindowSnapshot(*m_window));
        QCOMPARE(m_window->Modifier1List.count(), 3); // Combat's modifiers, selected last
    }

    void saveFailures_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("earlierFile");
        QTest::addColumn<QString>("readOnly"); // made read-only before the save, when not empty

        QTest::newRow("into a read-only folder") << QStringLiteral("locked/spell.xml")
                                                 << QStringLiteral("locked/spell.xml") << QStringLiteral("locked");
        QTest::newRow("onto a read-only file") << QStringLiteral("spell.xml") << QStringLiteral("spell.xml")
                                               << QStringLiteral("spell.xml");
        QTest::newRow("onto a folder") << QStringLiteral("folder.xml") << QStringLiteral("folder.xml/inside.xml")
                                       << QString();
        QTest::newRow("into a missing folder") << QStringLiteral("missing/spell.xml")
                                               << QStringLiteral("other/spell.xml") << QString();
    }

    void saveFailures()
    {
        QFETCH(QString, target);
        QFETCH(QString, earlierFile);
        QFETCH(QString, readOnly);

        const QByteArray earlier = "<common>an earlier spell</common>\r\n";
        QVERIFY(QDir().mkpath(QFileInfo(path(earlierFile)).absolutePath()));
        QVERIFY(writeBytes(path(earlierFile), earlier));
        std::optional<ReadOnlyPath> lock;
        if (!readOnly.isEmpty()) {
            QVERIFY(OrdinaryUser::take(m_dir->path()));
            lock.emplace(path(readOnly));
            QVERIFY(lock->takesEffect());
        }
        composeCombatSpell(*m_window);
        const WindowSnapshot before(*m_window);

        m_platform->dialogAnswers.enqueue(path(target));
        OrdinaryUser::run([this] {
            m_commands->mnuSave_Click();
            return true;
        });

        QCOMPARE(fileBytes(path(earlierFile)), earlier);
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("missing"))));
        QCOMPARE(m_platform->warnings.size(), 1);
        QCOMPARE(m_platform->warnings.at(0).title, QStringLiteral("Spell Not Saved"));
        const QString message = m_platform->warnings.at(0).text;
        const QString shownTarget = QDir::toNativeSeparators(path(target));
        QVERIFY2(message.contains(shownTarget), qPrintable(message));
        // The reason follows the file name: ": " and the system's words, then a full stop.
        QVERIFY2(message.mid(message.indexOf(shownTarget) + shownTarget.size()).size() > 4, qPrintable(message));
        // Nothing else in the window changed; the first save sets the creation date all the same.
        QVERIFY(WindowSnapshot(*m_window).spell.lists == before.spell.lists);
        QVERIFY(WindowSnapshot(*m_window).spell.texts == before.spell.texts);
        QCOMPARE(m_window->CreationDate, QStringLiteral("March 05, 2001"));
    }

    void openFailures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("reasonPart");

        QTest::newRow("missing") << QStringLiteral("nothing-here.xml") << QByteArray() << QStringLiteral("No such file");
        QTest::newRow("a folder") << QStringLiteral("folder.xml") << QByteArray() << QStringLiteral("folder");
        QTest::newRow("breaks off") << QStringLiteral("cut.xml")
                                    << QByteArray("<?xml version='1.0'?>\r\n<common>\r\n<spell>\r\n"
                                                  "<category value='Detection Spell' modifier='-1DRT'/>\r\n")
                                    << QStringLiteral("line 5");
        QTest::newRow("not XML") << QStringLiteral("junk.xml") << QByteArray("\x01\x02GX2\xFF\xFE\x00junk", 11)
                                 << QStringLiteral("line 1");
        QTest::newRow("a web page") << QStringLiteral("page.xml")
                                    << QByteArray("<html><body><p>Not a spell</p></body></html>")
                                    << QStringLiteral("is not a spell document: its outermost element is <html>");
        QTest::newRow("nothing a spell is made of")
            << QStringLiteral("other.xml") << QByteArray("<common><generation system='GX2'/><notes/></common>")
            << QStringLiteral("is not a spell document: it holds nothing");
        QTest::newRow("declares entities")
            << QStringLiteral("entities.xml")
            << QByteArray("<!DOCTYPE common [<!ENTITY a 'aaaaaaaaaa'>]>\n<common><itemdef name='&a;'/></common>")
            << QStringLiteral("entities");
        // Filled in by the test itself (see openFailures).
        QTest::newRow("too large") << QStringLiteral("huge.xml") << QByteArray() << QStringLiteral("too large");
        // A device that never ends, reached through an ordinary-looking name.
        QTest::newRow("not a regular file") << QStringLiteral("endless.xml") << QByteArray()
                                            << QStringLiteral("not a regular file");
    }

    void openFailures()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(QString, reasonPart);

        if (!contents.isEmpty())
            QVERIFY(writeBytes(path(file), contents));
        if (file == u"folder.xml")
            QVERIFY(QDir().mkpath(path(file)));
        if (file == u"huge.xml") {
            QFile huge(path(file));
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write("<common>") == 8);
            QVERIFY(huge.resize(SpellCommands::largestDocument + 1));
        }
        if (file == u"endless.xml") {
            const QString device = QStringLiteral("/dev/zero");
            if (!QFileInfo::exists(device))
                QSKIP("No endless device on this system.");
            QVERIFY(QFile::link(device, path(file)));
        }
        composeCombatSpell(*m_window);
        m_window->NameText.setText(QStringLiteral("Unsaved work"));
        m_window->CreationDate = QStringLiteral("June 01, 2000");
        const WindowSnapshot before(*m_window);

        m_platform->dialogAnswers.enqueue(path(file));
        m_commands->mnuOpen_Click();

        QVERIFY(WindowSnapshot(*m_window) == before);
        QCOMPARE(m_platform->warnings.size(), 1);
        QCOMPARE(m_platform->warnings.at(0).title, QStringLiteral("Spell Not Opened"));
        const QString message = m_platform->warnings.at(0).text;
        QVERIFY2(message.contains(QDir::toNativeSeparators(path(file))), qPrintable(message));
        QVERIFY2(message.contains(reasonPart), qPrintable(message));
    }

    void rulesFileMissingKeepsTheSpellOnScreen()
    {
        QVERIFY(writeBytes(path(QStringLiteral("spell.xml")), "<common><itemdef name='Loaded'/></common>"));
        composeCombatSpell(*m_window);
        const WindowSnapshot before(*m_window);
        QVERIFY(QFile::remove(path(QStringLiteral("GX2Mod.dat"))));
        m_commands->openFile(path(QStringLiteral("spell.xml")));
        QVERIFY(WindowSnapshot(*m_window) == before);
        QCOMPARE(m_platform->warnings.size(), 1);
        QCOMPARE(m_platform->warnings.at(0).title, QStringLiteral("File Missing!"));
        QVERIFY(m_commands->documentPath().isEmpty());
    }

    void choicesTheRulesLackAreTold_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("told");
        QTest::newRow("category") << QStringLiteral("category")
                                  << QStringLiteral("no category for \"Illusion Spell\": the spell shows \"Combat\"");
        QTest::newRow("type") << QStringLiteral("type")
                              << QStringLiteral("no type for \"Illusion Spell\": the spell shows \"Physical\"");
        // Thirty more unknown categories, each twice: ten are named, the rest counted once each.
        QTest::newRow("many") << QStringLiteral("many") << QStringLiteral("lacks 21 more of its stored choices");
    }

    void choicesTheRulesLackAreTold()
    {
        QFETCH(QString, element);
        QFETCH(QString, told);
        composeCombatSpell(*m_window);
        const QString drain = m_window->DrainText.text();
        QVERIFY(m_commands->SaveSpell(path(QStringLiteral("spell.xml"))).outcome == SpellCommands::Outcome::Done);
        QByteArray document = fileBytes(path(QStringLiteral("spell.xml")));
        const QByteArray stored = element == u"category" ? "\"Combat Spell\"" : "\"Physical Spell\"";
        document.replace(stored, "\"Illusion Spell\"");
        for (int i = 0; element == u"many" && i < 60; ++i)
            document.replace("</common>", "<category value=\"Unknown " + QByteArray::number(i % 30) + "\"/></common>");
        QVERIFY(writeBytes(path(QStringLiteral("illusion.xml")), document));

        m_commands->openFile(path(QStringLiteral("illusion.xml")));
        QCOMPARE(m_window->DrainText.text(), drain); // as stored, until the next change
        QCOMPARE(m_platform->warnings.size(), 1);
        const QString message = m_platform->warnings.at(0).text;
        QVERIFY2(message.contains(told), qPrintable(message));
        QVERIFY2(message.contains(QDir::toNativeSeparators(path(QStringLiteral("illusion.xml")))), qPrintable(message));
    }

    void saveAsksOnlyBeforeReplacingAnotherFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("openUndone");
        // opened.xml was opened last; other.xml exists too.
        QTest::newRow("the file opened") << QStringLiteral("opened.xml") << false << false << true << false;
        QTest::newRow("a new file") << QStringLiteral("new.xml") << false << false << true << false;
        QTest::newRow("another file, replaced") << QStringLiteral("other.xml") << true << true << true << false;
        QTest::newRow("another file, kept") << QStringLiteral("other.xml") << false << true << false << false;
        QTest::newRow("the file opened, Open undone") << QStringLiteral("opened.xml") << false << true << false
                                                      << true;
    }

    void saveAsksOnlyBeforeReplacingAnotherFile()
    {
        QFETCH(QString, target);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(bool, written);
        QFETCH(bool, openUndone);
        QVERIFY(m_commands->SaveSpell(path(QStringLiteral("opened.xml"))).outcome == SpellCommands::Outcome::Done);
        QVERIFY(writeBytes(path(QStringLiteral("other.xml")), "<common>other</common>"));
        m_platform->dialogAnswers.enqueue(path(QStringLiteral("opened.xml")));
        act([this] { m_commands->mnuOpen_Click(); });
        if (openUndone)
            act([this] { m_history->undo(); });
        m_window->NameText.setText(QStringLiteral("Changed"));

        m_platform->questionAnswers.enqueue(answer);
        m_platform->dialogAnswers.enqueue(path(target));
        m_commands->mnuSave_Click();
        QCOMPARE(m_platform->questions.size(), asked ? 1 : 0);
        if (asked)
            QVERIFY(m_platform->questions.at(0).text.contains(QDir::toNativeSeparators(path(target))));
        QCOMPARE(fileBytes(path(target)).contains("name=\"Changed\""), written);
        QCOMPARE(m_commands->documentPath(), written ? path(target) : openUndone ? QString() : path(QStringLiteral("opened.xml")));
    }

    void recentSpellsKeepTheEightLastOpenedOrSaved()
    {
        QSettings settings(path(QStringLiteral("settings.ini")), QSettings::IniFormat);
        RecentSpells recent(*m_commands, *m_platform, settings);
        composeCombatSpell(*m_window);
        for (int i = 0; i < 10; ++i) {
            m_platform->dialogAnswers.enqueue(path(QStringLiteral("spell%1.xml").arg(i)));
            m_commands->mnuSave_Click();
        }
        m_commands->openFile(path(QStringLiteral("spell5.xml")));
        // From the folder the program was started in, as the command line gives it.
        QDir::setCurrent(m_dir->path());
        recent.remember(QStringLiteral("./spell9.xml"));

        const QStringList expected = {path(QStringLiteral("spell9.xml")), path(QStringLiteral("spell5.xml")),
                                      path(QStringLiteral("spell8.xml")), path(QStringLiteral("spell7.xml")),
                                      path(QStringLiteral("spell6.xml")), path(QStringLiteral("spell4.xml")),
                                      path(QStringLiteral("spell3.xml")), path(QStringLiteral("spell2.xml"))};
        QCOMPARE(recent.paths(), expected);
        // Kept for the next session.
        settings.sync();
        QSettings later(path(QStringLiteral("settings.ini")), QSettings::IniFormat);
        QCOMPARE(RecentSpells(*m_commands, *m_platform, later).paths(), expected);
    }

    void recentSpellThatIsGoneIsDroppedWithANote()
    {
        QSettings settings(path(QStringLiteral("settings.ini")), QSettings::IniFormat);
        // Written by hand: blanks and repeats are passed over.
        settings.setValue(QStringLiteral("RecentSpells"),
                          QStringList{path(QStringLiteral("gone.xml")), QString(), path(QStringLiteral("bad.xml")),
                                      path(QStringLiteral("gone.xml"))});
        RecentSpells recent(*m_commands, *m_platform, settings);
        QCOMPARE(recent.paths(), QStringList({path(QStringLiteral("gone.xml")), path(QStringLiteral("bad.xml"))}));
        QVERIFY(writeBytes(path(QStringLiteral("bad.xml")), "<spell"));
        const WindowSnapshot before(*m_window);

        recent.open(path(QStringLiteral("gone.xml")));
        QCOMPARE(recent.paths(), QStringList({path(QStringLiteral("bad.xml"))}));
        QVERIFY(m_platform->warnings.isEmpty());
        QCOMPARE(m_platform->statusMessages.size(), 1);
        QVERIFY(m_platform->statusMessages.constFirst().contains(QDir::toNativeSeparators(path(QStringLiteral("gone.xml")))));

        // A file that is there but cannot be opened stays, and says why as Open does.
        recent.open(path(QStringLiteral("bad.xml")));
        QCOMPARE(m_platform->warnings.size(), 1);
        QCOMPARE(m_platform->warnings.constFirst().title, QStringLiteral("Spell Not Opened"));
        QCOMPARE(recent.paths(), QStringList({path(QStringLiteral("bad.xml"))}));
        QVERIFY(WindowSnapshot(*m_window) == before);
    }

    void titleNamesTheDocumentAndMarksChanges()
    {
        QVERIFY(m_commands->SaveSpell(path(QStringLiteral("a.xml"))).outcome == SpellCommands::Outcome::Done);
        m_platform->dialogAnswers.enqueue(path(QStringLiteral("a.xml")));
        act([this] { m_commands->mnuOpen_Click(); });
        QCOMPARE(m_platform->documentPath, path(QStringLiteral("a.xml")));
        QVERIFY(!m_platform->documentModified);
        act([this] { m_window->NameText.setText(QStringLiteral("Changed")); });
        QVERIFY(m_platform->documentModified);
        act([this] { m_window->NameText.setText(QString()); });
        QVERIFY(!m_platform->documentModified);
        act([this] { m_window->mnuNew_Click(); });
        QCOMPARE(m_platform->documentPath, QString());
    }

    void undoAgreesWithWhatOpenAndSaveDid_data()
    {
        QTest::addColumn<QString>("story");
        QTest::addColumn<QString>("document"); // the file the title names afterwards
        QTest::addColumn<bool>("modified");    // and whether the spell differs from it (and is kept)
        QTest::newRow("open a, open b, undo") << "open-a open-b undo" << "a.xml" << false;
        QTest::newRow("new spell saved, then undo") << "name force save-c undo" << "c.xml" << true;
        QTest::newRow("opened spell saved, then undo") << "open-a name save-a undo" << "a.xml" << true;
    }

    void undoAgreesWithWhatOpenAndSaveDid()
    {
        QFETCH(QString, story);
        QFETCH(QString, document);
        QFETCH(bool, modified);
        composeCombatSpell(*m_window);
        QCOMPARE(m_commands->SaveSpell(path(QStringLiteral("a.xml"))).outcome, SpellCommands::Outcome::Done);
        m_window->NameText.setText(QStringLiteral("Other"));
        QCOMPARE(m_commands->SaveSpell(path(QStringLiteral("b.xml"))).outcome, SpellCommands::Outcome::Done);
        act([this] { m_window->mnuNew_Click(); });
        for (const QString &step : story.split(u' ')) {
            act([&] {
                if (step.startsWith(u"open-") || step.startsWith(u"save-")) {
                    m_platform->dialogAnswers.enqueue(path(step.mid(5) + QStringLiteral(".xml")));
                    step.startsWith(u"open-") ? m_commands->mnuOpen_Click() : m_commands->mnuSave_Click();
                }
                if (step == u"name")
                    m_window->NameText.setText(QStringLiteral("Bolt"));
                if (step == u"force")
                    m_window->ForceText.setText(QStringLiteral("4"));
                if (step == u"undo")
                    m_history->undo();
            });
        }
        QCOMPARE(m_platform->documentPath, path(document));
        QCOMPARE(m_platform->documentModified, modified);
        // Save dated the spell and Undo leaves the date as the document has it.
        QVERIFY(!m_window->CreationDate.isEmpty());
        QCOMPARE(m_session->end(), SpellDraft::Keeping::Done);
        QCOMPARE(QFileInfo::exists(draftPath()), modified);
    }

    void spellKeptAtTheEndOnlyWhenNeitherFreshNorSaved_data()
    {
        QTest::addColumn<QString>("story");
        QTest::addColumn<bool>("kept");
        QTest::newRow("modifier clicked only") << "click" << false;
        QTest::newRow("composed") << "compose" << true;
        QTest::newRow("composed and saved") << "compose save" << false;
        QTest::newRow("saved, then changed") << "compose save name" << true;
        QTest::newRow("composed, then New") << "compose new" << false;
    }

    void spellKeptAtTheEndOnlyWhenNeitherFreshNorSaved()
    {
        QFETCH(QString, story);
        QFETCH(bool, kept);
        for (const QString &step : story.split(u' ')) {
            act([&] {
                if (step == u"click")
                    m_window->Modifier1List.setSelectedIndex(1);
                if (step == u"compose")
                    composeCombatSpell(*m_window);
                if (step == u"save") {
                    m_platform->dialogAnswers.enqueue(path(QStringLiteral("spell.xml")));
                    m_commands->mnuSave_Click();
                }
                if (step == u"name")
                    m_window->NameText.setText(QStringLiteral("Changed"));
                if (step == u"new")
                    m_window->mnuNew_Click();
            });
        }
        QCOMPARE(m_draft->keep(), std::nullopt);
        QCOMPARE(QFileInfo::exists(draftPath()), kept);
    }

    void damagedDraftIsSetAsideWithANote_data()
    {
        QTest::addColumn<QString>("draft");   // "damaged" or "folder"
        QTest::addColumn<QString>("earlier"); // at last-spell-damaged.xml before: "", "file" or "folder"
        QTest::addColumn<QString>("asideAs"); // "" when nothing may be set aside
        QTest::newRow("first one") << "damaged" << "" << "last-spell-damaged.xml";
        QTest::newRow("one set aside before") << "damaged" << "file" << "last-spell-damaged-2.xml";
        QTest::newRow("a folder at the first name") << "damaged" << "folder" << "last-spell-damaged-2.xml";
        QTest::newRow("a folder at the draft's name") << "folder" << "folder" << "";
    }

    void damagedDraftIsSetAsideWithANote()
    {
        QFETCH(QString, draft);
        QFETCH(QString, earlier);
        QFETCH(QString, asideAs);
        const QString firstAside = path(QStringLiteral("data/") + QLatin1String(SpellDraft::damagedFileName));
        QVERIFY(QDir().mkpath(path(QStringLiteral("data"))));
        if (draft == u"folder")
            QVERIFY(QDir().mkpath(draftPath()));
        else
            QVERIFY(writeBytes(draftPath(), "<common><itemdef name='cut off"));
        if (earlier == u"folder")
            QVERIFY(QDir().mkpath(firstAside));
        else if (earlier == u"file")
            QVERIFY(writeBytes(firstAside, "set aside before"));
        SpellDraft nextRun(*m_window, *m_commands, *m_opened, *m_platform);
        m_window->mnuNew_Click(); // the next run's first design
        QVERIFY(!nextRun.isAvailable());
        if (asideAs.isEmpty()) {
            QVERIFY(m_platform->statusMessages.isEmpty()); // nothing happened, so nothing is said
            QVERIFY(QFileInfo(draftPath()).isDir());
            return;
        }
        QCOMPARE(m_platform->statusMessages.size(), 1);
        QVERIFY(m_platform->statusMessages.at(0).contains(QStringLiteral("cannot be read")));
        QVERIFY2(m_platform->statusMessages.at(0).contains(QStringLiteral("set aside as ") + asideAs),
                 qPrintable(m_platform->statusMessages.at(0)));
        QVERIFY(!QFileInfo::exists(draftPath()));
        QVERIFY(fileBytes(path(QStringLiteral("data/") + asideAs)).contains("cut off"));
        if (earlier == u"file")
            QCOMPARE(fileBytes(firstAside), QByteArray("set aside before"));
    }

    void draftThatCannotBeKeptIsTold_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reasonPart");
        QTest::newRow("a plain file where the folder should be") << "file as folder" << "cannot be made";
        QTest::newRow("a link to another file at its name") << "link" << "symbolic link";
        QTest::newRow("a dangling link at its name") << "dangling link" << "symbolic link";
    }

    void draftThatCannotBeKeptIsTold()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, reasonPart);
        const QString linkTarget = path(QStringLiteral("other.xml"));
        if (obstacle == u"file as folder") {
            QVERIFY(writeBytes(path(QStringLiteral("data")), "not a folder"));
        } else if (obstacle.endsWith(u"link")) {
            QVERIFY(QDir().mkpath(path(QStringLiteral("data"))));
            if (obstacle == u"link")
                QVERIFY(writeBytes(linkTarget, "another file"));
            QVERIFY(QFile::link(linkTarget, draftPath()));
        }
        act([this] { composeCombatSpell(*m_window); });

        // Told while the window still shows the spell; ending again ends without a word.
        QVERIFY(!m_session->mayEnd());
        QVERIFY(m_session->mayEnd());
        QCOMPARE(m_session->end(), SpellDraft::Keeping::FailedAgain);
        QCOMPARE(m_platform->warnings.size(), 1);
        QCOMPARE(m_platform->warnings.at(0).title, QStringLiteral("Spell Not Kept"));
        const QString told = m_platform->warnings.at(0).text;
        QVERIFY2(told.contains(reasonPart) && told.contains(QStringLiteral("stays on screen")), qPrintable(told));
        // Whatever a link at the draft's name leads to stays as it was, or absent.
        QCOMPARE(fileBytes(linkTarget), QByteArray(obstacle == u"link" ? "another file" : ""));
        QCOMPARE(QFileInfo::exists(linkTarget), obstacle == u"link");
    }

    void spellTooLargeToReadBackIsNotWritten()
    {
        // 4 MB of '&' is 20 MB of "&amp;" in the document, past what Open reads.
        act([this] { m_window->DescriptionText.setText(QString(4 * 1024 * 1024, u'&')); });
        const SpellCommands::Result saved = m_commands->SaveSpell(path(QStringLiteral("large.xml")));
        QCOMPARE(saved.outcome, SpellCommands::Outcome::Failed);
        QVERIFY2(saved.message.contains(QStringLiteral("16 MB")), qPrintable(saved.message));
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("large.xml"))));
        const std::optional<QString> notKept = m_draft->keep();
        QVERIFY(notKept && notKept->contains(QStringLiteral("16 MB")));
        QVERIFY(!QFileInfo::exists(draftPath()));
    }
};

QTEST_GUILESS_MAIN(TestSpellCommands)
#include "tst_spellcommands.moc"
