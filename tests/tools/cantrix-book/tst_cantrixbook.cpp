// cantrix-book as a game master runs it: a rules change shows in its lines, its JSON and its
// exit status.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray rulesLine(const QByteArray &text, const QByteArray &tokens = {})
{
    return (tokens.isEmpty() ? text : text.leftJustified(60, ' ') + tokens) + '\n';
}

// The house rules make Combat +2 and Zap +4DRT, and drop Area effect.
QByteArray rules(bool house)
{
    return rulesLine("#Combat", house ? "+2" : "+1") + (house ? QByteArray() : rulesLine("Area effect", "+1DRT"))
        + rulesLine("Zap", house ? "+4DRT" : "+3DRT") + rulesLine("]Mana", "+1");
}

const QByteArray spell = R"(<?xml version='1.0'?>
<common><date creation='May 01, 2001' lastmod='May 02, 2001'/><itemdef name='Bolt'/><spell><general>
<category value="Combat Spell" modifier="+1"/><type value="Mana Spell" modifier="+1"/>
<force value="Force 4" modifier="4"/><drain value="[(4/2) +4] M"/></general>
<modifiers><mod value="Area effect" modifier="+1DRT"/><mod value="Zap" modifier="+3DRT"/></modifiers></spell></common>
)";

} // namespace

class TestCantrixBook final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::pair<int, QString> run(const QStringList &arguments, const QString &locale = {})
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        if (!locale.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("LC_ALL"), locale);
            process.setProcessEnvironment(environment);
        }
        process.start(QStringLiteral(CANTRIX_BOOK_PROGRAM), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {-1, QString()};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
    }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

private slots:
    void initTestCase()
    {
        write("GX2Mod.dat", rules(false));
        write("house.dat", rules(true));
        QVERIFY(QDir(m_dir.path()).mkpath("spells"));
        write("spells/bolt.xml", spell);
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("locale");
        QTest::newRow("kept") << QStringList{"--rules", "GX2Mod.dat", "spells/bolt.xml"} << 0
                              << "spells/bolt.xml: Bolt: [(4/2) +4] M (kept)\n" << QString();
        QTest::newRow("kept, in German") << QStringList{"--rules", "GX2Mod.dat", "spells/bolt.xml"} << 0
                                         << "spells/bolt.xml: Bolt: [(4/2) +4] M (unverändert)\n" << "de_DE.UTF-8";
        QTest::newRow("changed, row gone") << QStringList{"--rules", "house.dat", "spells"} << 1
                                           << "spells/bolt.xml: Bolt: [(4/2) +4] M -> [(4/2) +4] S; not found: row \"Area effect\"\n" << QString();
        QTest::newRow("input unreadable") << QStringList{"--rules", "GX2Mod.dat", "spells", "gone.xml"} << 2
                                          << "spells/bolt.xml: Bolt: [(4/2) +4] M (kept)\n" << QString();
        QTest::newRow("rules unreadable") << QStringList{"--rules", "gone.dat", "spells"} << 2 << "" << QString();
        QTest::newRow("no path") << QStringList{"--rules", "GX2Mod.dat"} << 2 << "" << QString();
    }
    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QFETCH(QString, locale);
        const auto [code, out] = run(arguments, locale);
        QCOMPARE(code, status);
        QCOMPARE(out, printed);
    }

    void json()
    {
        const auto [status, printed] = run({"--json", "--rules", "house.dat", "spells"});
        QCOMPARE(status, 1);
        const QJsonObject book = QJsonDocument::fromJson(printed.toUtf8()).object();
        const QJsonObject bolt = book["spells"].toArray().at(0).toObject();
        QCOMPARE(bolt["savedDrain"].toString(), "[(4/2) +4] M");
        QCOMPARE(bolt["drain"].toString(), "[(4/2) +4] S");
        QCOMPARE(bolt["rows"].toArray(), QJsonArray{"Zap"});
        QCOMPARE(bolt["notFound"].toArray().size(), 1);
        QCOMPARE(book["unreadable"].toArray().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCantrixBook)
#include "tst_cantrixbook.moc"
