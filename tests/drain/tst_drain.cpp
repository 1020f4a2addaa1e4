#include <QTest>

#include "drain/drain.h"
#include "drain/drainwords.h"

class TestDrain : public QObject
{
    Q_OBJECT

private slots:
    void tokens_data()
    {
        QTest::addColumn<QString>("tokens");
        QTest::addColumn<qint64>("level");
        QTest::addColumn<qint64>("drainModifier");
        QTest::newRow("empty") << "" << 0LL << 0LL;
        QTest::newRow("lone blank") << " " << 0LL << 0LL;
        QTest::newRow("level") << "+1" << 1LL << 0LL;
        QTest::newRow("drain modifier subtracts") << "-1DRT" << 0LL << -1LL;
        QTest::newRow("both") << "+2 +1DRT" << 2LL << 1LL;
        QTest::newRow("level before a further token") << "+1 -1DRT" << 1LL << -1LL;
        QTest::newRow("any other sign adds") << "*3 x2DRT" << 3LL << 2LL;
        QTest::newRow("lower-case drt is a level token") << "+2drt" << 2LL << 0LL;
        QTest::newRow("two digits: the second is the kind") << "+12" << 1LL << 0LL;
        QTest::newRow("kind read from characters 3 to 5 only") << "+1DRTX" << 0LL << 1LL;
        QTest::newRow("non-digit value skipped") << "+x +1" << 1LL << 0LL;
        QTest::newRow("one-character token skipped") << "+ -2DRT" << 0LL << -2LL;
        QTest::newRow("doubled blank skipped") << "+1  +2" << 3LL << 0LL;
        QTest::newRow("surrounding blanks") << "  -3  " << -3LL << 0LL;
    }

    void tokens()
    {
        QFETCH(QString, tokens);
        QFETCH(qint64, level);
        QFETCH(qint64, drainModifier);
        Drain::Totals totals;
        Drain::addTokens(tokens, totals);
        QCOMPARE(totals.level, level);
        QCOMPARE(totals.drainModifier, drainModifier);
    }

    void levelLetters_data()
    {
        QTest::addColumn<qint64>("level");
        QTest::addColumn<QString>("letter");
        const char *letters[] = {"L", "M", "S", "D", "D+1", "D+2", "D+3", "D+4"};
        for (int i = 0; i < 8; ++i)
            QTest::addRow("%d", i + 1) << qint64(i + 1) << QString::fromLatin1(letters[i]);
        QTest::newRow("0") << 0LL << "L";
        QTest::newRow("-1") << -1LL << "L";
        QTest::newRow("9") << 9LL << "L";
        QTest::newRow("huge") << 40000LL << "L";
    }

    void levelLetters()
    {
        QFETCH(qint64, level);
        QFETCH(QString, letter);
        QCOMPARE(Drain::levelLetter(level), letter);
    }

    void code_data()
    {
        QTest::addColumn<QString>("force");
        QTest::addColumn<qint64>("level");
        QTest::addColumn<qint64>("drainModifier");
        QTest::addColumn<QString>("code");
        QTest::newRow("positive total") << "4" << 3LL << 1LL << "[(4/2) +1] S";
        QTest::newRow("negative total") << "4" << 3LL << -2LL << "[(4/2) -2] S";
        QTest::newRow("zero total keeps the blank") << "4" << 3LL << 0LL << "[(4/2) ] S";
        QTest::newRow("fresh spell") << "1" << 0LL << 0LL << "[(1/2) ] L";
        QTest::newRow("force printed as typed") << "abc" << 0LL << 0LL << "[(abc/2) ] L";
        QTest::newRow("blank before the force kept") << " 6" << 5LL << 12LL << "[( 6/2) +12] D+1";
        QTest::newRow("wide totals never wrap") << "1" << 1LL << 40000LL << "[(1/2) +40000] L";
    }

    void code()
    {
        QFETCH(QString, force);
        QFETCH(qint64, level);
        QFETCH(qint64, drainModifier);
        QFETCH(QString, code);
        QCOMPARE(Drain::code(force, Drain::Totals{level, drainModifier}), code);
    }

    // Only the category and type rows and the first thirteen modifier rows count.
    void countedRows_data()
    {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QStringList>("modifiers");
        QTest::addColumn<QString>("code");
        const QStringList thirteen(13, QStringLiteral("+1DRT"));
        QTest::newRow("force row never scanned") << QStringList{"+1", "+1", "+5"} << QStringList{} << "[(3/2) ] M";
        QTest::newRow("short lists read as blank") << QStringList{"+2"} << QStringList{} << "[(3/2) ] M";
        QTest::newRow("thirteen modifier rows") << QStringList{" ", " "} << thirteen << "[(3/2) +13] L";
        QTest::newRow("the fourteenth weighs nothing")
            << QStringList{" ", " "} << thirteen + QStringList{"+9 +9DRT"} << "[(3/2) +13] L";
    }

    void countedRows()
    {
        QFETCH(QStringList, choices);
        QFETCH(QStringList, modifiers);
        QFETCH(QString, code);
        QCOMPARE(Drain::calculate(QStringLiteral("3"), choices, modifiers), code);
    }

    void tokensInWords_data()
    {
        QTest::addColumn<QString>("tokens");
        QTest::addColumn<QString>("words");
        QTest::newRow("both") << "+1 +1DRT" << "+1 level, +1 drain modifier";
        QTest::newRow("summed by kind") << "+2 -1DRT +1 -1DRT" << "+3 levels, -2 drain modifier";
        QTest::newRow("a zero still names its total") << "+0DRT" << "0 drain modifier";
        QTest::newRow("nothing") << " " << "no drain tokens";
        QTest::newRow("skipped tokens named") << "+x  -1" << "-1 level, \u2018+x\u2019 skipped, an extra blank skipped";
    }

    void tokensInWords()
    {
        QFETCH(QString, tokens);
        QFETCH(QString, words);
        QCOMPARE(DrainWords::tokens(tokens), words);
    }
};

QTEST_APPLESS_MAIN(TestDrain)
#include "tst_drain.moc"
