// The desktop integration files: the menu entry and the software-centre description pass their
// validators, agree with each other and with the project's version, and an install puts them,
// the icons and the program's data files where a desktop and the program look for them.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString dataFile(const QString &name)
{
    return QStringLiteral(CANTRIX_SOURCE_DATA_DIR "/") + name;
}

// The keys of the [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0)
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

// The text of the first of each of the plain-text elements the tests compare.
QHash<QString, QString> metainfoElements(const QString &path)
{
    static const QStringList textElements = {QStringLiteral("id"), QStringLiteral("name"),
                                             QStringLiteral("metadata_license"), QStringLiteral("launchable"),
                                             QStringLiteral("binary")};
    QHash<QString, QString> elements;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return elements;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name == u"release") {
            elements.insert(QStringLiteral("release/version"),
                            xml.attributes().value(QStringLiteral("version")).toString());
        } else if (textElements.contains(name) && !elements.contains(name)) {
            elements.insert(name, xml.readElementText().trimmed());
        }
    }
    if (xml.hasError())
        elements.insert(QStringLiteral("error"), xml.errorString());
    return elements;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDesktopFiles : public QObject
{
    Q_OBJECT

private slots:
    void validatorsAccept_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");

        QTest::newRow("desktop entry")
            << "desktop-file-validate" << QStringList{dataFile(QStringLiteral("cantrix3.desktop"))};
        // The component id is the desktop file's name; the project owns no domain to build a
        // reverse-DNS id from, so that one advice is lowered to a note.
        QTest::newRow("metainfo")
            << "appstreamcli"
            << QStringList{"validate", "--no-net", "--pedantic",
                           "--override=cid-desktopapp-is-not-rdns=info",
                           dataFile(QStringLiteral("cantrix3.metainfo.xml"))};
    }

    void validatorsAccept()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(60000));
        const QString output = QString::fromUtf8(process.readAll());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, qPrintable(output));
        // desktop-file-validate reports hints without failing; none are welcome either.
        QVERIFY2(!output.contains(QStringLiteral("warning:")) && !output.contains(QStringLiteral("hint:")),
                 qPrintable(output));
    }

    void entryAndMetainfoAgree()
    {
        const QHash<QString, QString> entry = desktopEntry(dataFile(QStringLiteral("cantrix3.desktop")));
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Cantrix3"));
        // A file manager hands over the one spell document the user opens with the program.
        QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral("cantrix3 %f"));
        QVERIFY(entry.value(QStringLiteral("MimeType")).split(u';').contains(QStringLiteral("application/xml")));
        QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral("cantrix3"));
        const QStringList categories = entry.value(QStringLiteral("Categories")).split(u';', Qt::SkipEmptyParts);
        QVERIFY(categories.contains(QStringLiteral("Game")));
        QVERIFY(categories.contains(QStringLiteral("RolePlaying")));

        const QHash<QString, QString> metainfo = metainfoElements(dataFile(QStringLiteral("cantrix3.metainfo.xml")));
        QVERIFY2(!metainfo.contains(QStringLiteral("error")), qPrintable(metainfo.value(QStringLiteral("error"))));
        QCOMPARE(metainfo.value(QStringLiteral("launchable")), QStringLiteral("cantrix3.desktop"));
        QCOMPARE(metainfo.value(QStringLiteral("binary")), entry.value(QStringLiteral("Exec")).section(u' ', 0, 0));
        QCOMPARE(metainfo.value(QStringLiteral("name")), entry.value(QStringLiteral("Name")));
        QCOMPARE(metainfo.value(QStringLiteral("metadata_license")), QStringLiteral("CC0-1.0"));
        // The newest release named for software centres is the version being built.
        QCOMPARE(metainfo.value(QStringLiteral("release/version")), QStringLiteral(CANTRIX_VERSION));
    }

    void installPutsFilesWhereTheyAreLookedFor()
    {
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(CANTRIX_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(CANTRIX_BINARY_DIR),
                       QStringLiteral("--prefix"), prefix.path(),
                       QStringLiteral("--component"), QStringLiteral("data")});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());

        const QDir root(prefix.path());
        const QString programDir = QStringLiteral(CANTRIX_INSTALL_PROGRAMDIR "/");
        const QList<QPair<QString, QString>> expected = {
            {programDir + "GX2Mod.dat", "GX2Mod.dat"},
            {programDir + "CTXhelp.htm", "CTXhelp.htm"},
            {programDir + "CTXhelp.de.htm", "CTXhelp.de.htm"},
            {programDir + "GX2-Spell.xsl", "GX2-Spell.xsl"},
            {"share/applications/cantrix3.desktop", "cantrix3.desktop"},
            {"share/metainfo/cantrix3.metainfo.xml", "cantrix3.metainfo.xml"},
            {"share/icons/hicolor/scalable/apps/cantrix3.svg", "icons/cantrix3.svg"},
            {"share/icons/hicolor/16x16/apps/cantrix3.png", "icons/cantrix3-16.png"},
            {"share/icons/hicolor/32x32/apps/cantrix3.png", "icons/cantrix3-32.png"},
            {"share/icons/hicolor/48x48/apps/cantrix3.png", "icons/cantrix3-48.png"},
            {"share/icons/hicolor/64x64/apps/cantrix3.png", "icons/cantrix3-64.png"},
            {"share/icons/hicolor/128x128/apps/cantrix3.png", "icons/cantrix3-128.png"},
            {"share/icons/hicolor/256x256/apps/cantrix3.png", "icons/cantrix3-256.png"},
        };
        for (const auto &[installed, source] : expected) {
            const QString path = root.filePath(installed);
            QVERIFY2(QFile::exists(path), qPrintable(installed));
            QVERIFY2(readAll(path) == readAll(dataFile(source)), qPrintable(installed));
        }
    }
};

QTEST_GUILESS_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
