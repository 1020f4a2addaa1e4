// The icon files the program and the desktop use: every size listed in the resource file is
// built into the program under :/icons, and each PNG really has the size its name promises.
#include <QFile>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void pngHasItsNamedSize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void pngHasItsNamedSize()
    {
        QFETCH(int, size);
        QFile file(QStringLiteral(":/icons/cantrix3-%1.png").arg(size));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray head = file.read(33);
        QCOMPARE(head.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
        // The first chunk is IHDR: width and height as big-endian 32-bit numbers.
        QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(qFromBigEndian<quint32>(head.constData() + 16), quint32(size));
        QCOMPARE(qFromBigEndian<quint32>(head.constData() + 20), quint32(size));
        // Colour type 6: RGBA, so the rounded corners stay transparent on any background.
        QCOMPARE(int(head.at(25)), 6);
    }

    void svgSourcesAreSquareDrawings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("large") << QStringLiteral("cantrix3.svg");
        QTest::newRow("small") << QStringLiteral("cantrix3-small.svg");
    }

    void svgSourcesAreSquareDrawings()
    {
        QFETCH(QString, file);
        QFile svg(QStringLiteral(CANTRIX_SOURCE_DATA_DIR "/icons/") + file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QStringLiteral("svg"));
        const QStringList viewBox = xml.attributes().value(QStringLiteral("viewBox")).toString().split(u' ');
        QCOMPARE(viewBox.size(), 4);
        QCOMPARE(viewBox.at(2), viewBox.at(3));
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
};

QTEST_GUILESS_MAIN(TestIcons)
#include "tst_icons.moc"
