// gx2check as a game master runs it: the lines it prints, its JSON, and its exit status.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

const QByteArray cleanRules = "]Physical\r\n#Combat\r\nFire\r\n    hot" + QByteArray(53, ' ') + "+1DRT\r\n";
// Line 3 carries a token string, so the option below it is never listed.
const QByteArray rulesWithProblem = "]Physical\n#Combat\nFire" + QByteArray(56, ' ') + "+1\n    hot\n";

} // namespace

class TestGx2Check final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_clean;
    QString m_problem;
    QString m_missing;

    // `program` empty: gx2check itself; otherwise a shell command line, which gets gx2check as $0.
    Run run(const QStringList &arguments, const QString &shellCommand = QString())
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        if (shellCommand.isEmpty())
            process.start(QStringLiteral(GX2CHECK_PROGRAM), arguments);
        else
            process.start(QStringLiteral("sh"), {QStringLiteral("-c"), shellCommand, QStringLiteral(GX2CHECK_PROGRAM)});
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return name;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_clean = write(QStringLiteral("clean.dat"), cleanRules);
        m_problem = write(QStringLiteral("problem.dat"), rulesWithProblem);
        m_missing = QStringLiteral("missing.dat");
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("clean file") << QStringList{m_clean} << 0;
        QTest::newRow("file with a problem") << QStringList{m_problem} << 1;
        QTest::newRow("clean and problem") << QStringList{m_clean, m_problem} << 1;
        QTest::newRow("missing file") << QStringList{m_missing} << 2;
        QTest::newRow("missing wins over problems") << QStringList{m_problem, m_missing} << 2;
        QTest::newRow("folder") << QStringList{QStringLiteral(".")} << 2;
        QTest::newRow("no file") << QStringList{} << 2;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--strict"), m_clean} << 2;
        QTest::newRow("json, clean") << QStringList{QStringLiteral("--json"), m_clean} << 0;
        QTest::newRow("json, problem") << QStringList{QStringLiteral("--json"), m_problem} << 1;
        QTest::newRow("json, missing") << QStringList{QStringLiteral("--json"), m_missing} << 2;
        // The program refuses a file that holds a NUL byte: an error, as for an unreadable file.
        QTest::newRow("NUL byte") << QStringList{write(QStringLiteral("nul.dat"), QByteArray("]T\n#C\0\n", 7))} << 2;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
    }

    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, exitCode);
        if (exitCode == 2 && !arguments.contains(QStringLiteral("--json")))
            QVERIFY(!result.err.isEmpty());
    }

    void printsCompilerStyleLines()
    {
        const Run result = run({m_clean, m_problem});
        QCOMPARE(result.exitCode, 1);
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).startsWith(QStringLiteral("problem.dat:3:61: warning: ")), qPrintable(lines.at(0)));
        // A sentence for people: a capital letter and a full stop.
        QVERIFY2(lines.at(0).mid(27, 1).front().isUpper() && lines.at(0).endsWith(u'.'), qPrintable(lines.at(0)));
        QVERIFY2(lines.at(0).contains(QStringLiteral("'Fire'")), qPrintable(lines.at(0)));
        QVERIFY2(lines.at(1).startsWith(QStringLiteral("problem.dat:3:61: note: ")), qPrintable(lines.at(1)));
        QVERIFY(result.err.contains(QStringLiteral("clean.dat: no problems found")));
        QVERIFY(result.err.contains(QStringLiteral("problem.dat: 1 problem found")));
    }

    void namesAreShownAsEscapesNeverRaw()
    {
        // A line break in a name forges no line of its own, and an escape sequence reaches no terminal.
        write(QStringLiteral("two\nlines\x1b[31m.dat"), rulesWithProblem);
        const Run escaped = run({QStringLiteral("two\nlines\x1b[31m.dat")});
        QCOMPARE(escaped.out.split(u'\n', Qt::SkipEmptyParts).size(), 2);
        QVERIFY2(escaped.out.startsWith(QStringLiteral("two\\nlines\\x1b[31m.dat:3:61: warning: ")), qPrintable(escaped.out));

        // A name in bytes that are not UTF-8 is opened all the same, and shown with the byte escaped.
        const Run native = run({}, QStringLiteral("f=$(printf 'caf\\351.dat'); printf ']T\\n#C\\n' > \"$f\"; \"$0\" \"$f\""));
        QCOMPARE(native.exitCode, 0);
        QVERIFY2(native.err.contains(QStringLiteral("caf\\xe9.dat: no problems found")), qPrintable(native.err));
    }

    void reportsAnUnreadableFileAndGoesOn()
    {
        const Run result = run({m_missing, m_problem});
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.err.contains(QStringLiteral("missing.dat: error: ")));
        QVERIFY(result.out.startsWith(QStringLiteral("problem.dat:3:61: warning: ")));
    }

    void printsOneJsonDocument()
    {
        const Run result = run({QStringLiteral("--json"), m_clean, m_problem, m_missing});
        QCOMPARE(result.exitCode, 2);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(document.object().value(QStringLiteral("problems")).toInt(), 1);

        const QJsonArray files = document.object().value(QStringLiteral("files")).toArray();
        QCOMPARE(files.size(), 3);
        QCOMPARE(files.at(0).toObject().value(QStringLiteral("problems")).toInt(), 0);
        QCOMPARE(files.at(0).toObject().value(QStringLiteral("encoding")).toString(), QStringLiteral("UTF-8"));

        const QJsonObject problem = files.at(1).toObject();
        QCOMPARE(problem.value(QStringLiteral("file")).toString(), m_problem);
        const QJsonArray diagnostics = problem.value(QStringLiteral("diagnostics")).toArray();
        QCOMPARE(diagnostics.size(), 1);
        const QJsonObject diagnostic = diagnostics.at(0).toObject();
        QCOMPARE(diagnostic.value(QStringLiteral("line")).toInt(), 3);
        QCOMPARE(diagnostic.value(QStringLiteral("column")).toInt(), 61);
        QCOMPARE(diagnostic.value(QStringLiteral("code")).toString(), QStringLiteral("options-after-tokens"));
        QCOMPARE(diagnostic.value(QStringLiteral("severity")).toString(), QStringLiteral("warning"));
        QVERIFY(diagnostic.value(QStringLiteral("message")).toString().contains(QStringLiteral("'Fire'")));
        QVERIFY(!diagnostic.value(QStringLiteral("hint")).toString().isEmpty());

        const QJsonObject missing = files.at(2).toObject();
        QCOMPARE(missing.value(QStringLiteral("readable")).toBool(), false);
        QVERIFY(!missing.value(QStringLiteral("error")).toString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGx2Check)
#include "tst_gx2check.moc"
