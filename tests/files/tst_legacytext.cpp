#include <QTest>

#include "files/legacytext.h"

class TestLegacyText : public QObject
{
    Q_OBJECT

private slots:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("legacy");
        QTest::newRow("empty") << QByteArray() << QString() << false;
        QTest::newRow("ASCII") << QByteArray("Fire\r\n") << QStringLiteral("Fire\r\n") << false;
        QTest::newRow("UTF-8") << QByteArray("F\xc3\xa9u \xe2\x82\xac") << QStringLiteral("F\u00e9u \u20ac") << false;
        QTest::newRow("UTF-8 byte-order mark dropped") << QByteArray("\xef\xbb\xbfx") << QStringLiteral("x") << false;
        // 0x80 and 0x99 are the euro and trade mark signs in Windows-1252, not in Latin-1.
        QTest::newRow("Windows-1252") << QByteArray("F\xe9u \x80 \x99") << QStringLiteral("F\u00e9u \u20ac \u2122")
                                      << true;
        // One stray byte makes the whole text legacy, even its valid UTF-8 sequences.
        QTest::newRow("mixed bytes read as Windows-1252")
            << QByteArray("\xc3\xa9 \xe9") << QStringLiteral("\u00c3\u00a9 \u00e9") << true;
        QTest::newRow("truncated UTF-8 sequence") << QByteArray("a\xc3") << QStringLiteral("a\u00c3") << true;
        QTest::newRow("bytes Windows-1252 leaves undefined keep their numbers")
            << QByteArray("Br\x81ler \x8d\x8f\x90\x9d") << QStringLiteral("Br\u0081ler \u008d\u008f\u0090\u009d") << true;
        QTest::newRow("NUL bytes kept") << QByteArray("a\0b", 3) << QStringView(u"a\0b", 3).toString() << false;
    }

    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, legacy);
        bool wasLegacy = !legacy;
        QCOMPARE(LegacyText::decodeUtf8OrWindows1252(bytes, &wasLegacy), text);
        QCOMPARE(wasLegacy, legacy);
        QCOMPARE(LegacyText::decodeUtf8OrWindows1252(bytes), text);
        QCOMPARE(LegacyText::decodeHonouringByteOrderMark(bytes), text);
    }

    void byteOrderMarks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-16 LE") << QByteArray("\xff\xfeN\0a\0\xe9\0", 8);
        QTest::newRow("UTF-16 BE") << QByteArray("\xfe\xff\0N\0a\0\xe9", 8);
        QTest::newRow("UTF-8") << QByteArray("\xef\xbb\xbfNa\xc3\xa9");
        // An unpaired surrogate has no UTF-8: it could never be written back as it was read.
        QTest::newRow("UTF-16 with an unpaired surrogate") << QByteArray("\xff\xfeN\0a\0\xe9\0\x00\xd9", 10);
    }

    void byteOrderMarks()
    {
        QFETCH(QByteArray, bytes);
        const QString text = LegacyText::decodeHonouringByteOrderMark(bytes);
        QCOMPARE(text.left(3), QStringLiteral("Na\u00e9"));
        QVERIFY(text.size() == 3 || text.mid(3) == QString(QChar::ReplacementCharacter));
    }
};

QTEST_APPLESS_MAIN(TestLegacyText)
#include "tst_legacytext.moc"
