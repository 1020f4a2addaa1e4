// Replays, through the same functions the fuzzers drive, every seed input and every input a
// fuzzer ever found a problem with (tests/fuzz-regressions/TARGET/), built with the ordinary
// compiler: each must pass without a crash and with every invariant of its target holding.
#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include "fuzz/fuzztargets.h"

class TestFuzzReplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
#if defined(Q_OS_UNIX) && !defined(__SANITIZE_ADDRESS__)
        // A reader that trusts a length or count in its input may reserve gigabytes that a
        // large machine hands out without a murmur. Capped here, such a reservation fails, as
        // it would on a smaller machine, and the replay fails with it. (AddressSanitizer
        // reserves vast address space of its own and catches such reservations itself.)
        const rlimit cap{8ull << 30, 8ull << 30};
        QCOMPARE(setrlimit(RLIMIT_AS, &cap), 0);
#endif
    }

    void replay_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        const QDir source(QStringLiteral(CANTRIX_SOURCE_DIR));
        int inputs = 0;
        for (int t = 0; t < int(std::size(FuzzTargets::all)); ++t) {
            const QString name = QString::fromLatin1(FuzzTargets::all[t].name);
            const QString inputFolder = QString::fromLatin1(FuzzTargets::all[t].inputs);
            for (const QString &folder : {QStringLiteral("fuzz/seeds/"), QStringLiteral("tests/fuzz-regressions/")}) {
                const QDir dir(source.filePath(folder + inputFolder));
                for (const QString &file : dir.entryList(QDir::Files, QDir::Name)) {
                    const QString path = dir.filePath(file);
                    QTest::newRow(qPrintable(name + u'/' + folder.section(u'/', -2, -2) + u'/' + file))
                        << t << path;
                    ++inputs;
                }
            }
        }
        // Guards against replaying nothing because the folders moved.
        QVERIFY2(inputs > 0, "no seed or regression input found under " CANTRIX_SOURCE_DIR);
    }

    void replay()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        const QByteArray bytes = file.readAll();
        const QString broken = FuzzTargets::all[target].run(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
};

// An application of widgets, for the slider's target.
QTEST_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
