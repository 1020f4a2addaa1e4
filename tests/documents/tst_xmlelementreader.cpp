#include <QStringEncoder>
#include <QTest>

#include "documents/xmlelementreader.h"
#include "documents/xmlmarkuplimits.h"

namespace {

// Every element as one line of text, so a whole document's reading is compared at once.
QStringList elementLines(const XmlElements &read)
{
    QStringList lines;
    for (const XmlElement &element : read.elements) {
        QString line = element.name;
        for (int i = 0; i < element.attributes.length(); ++i)
            line += QStringLiteral(" %1=[%2]").arg(element.attributes.getQName(i), element.attributes.getValue(i));
        lines << line;
    }
    return lines;
}

QString firstAttributeValue(const QByteArray &document)
{
    const XmlElements read = XmlElementReader::read(document);
    if (!read.ok)
        return QStringLiteral("error: ") + read.reason;
    return read.elements.isEmpty() ? QString() : read.elements.first().attributes.getValue(0);
}

QByteArray utf16le(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return encoder.encode(text);
}

} // namespace

class TestXmlElementReader : public QObject
{
    Q_OBJECT

private slots:
    void givesEveryElementInDocumentOrder()
    {
        const XmlElements read = XmlElementReader::read(
            "<?xml version='1.0'?>\n<?style href='a.xsl'?><a x='1' y=\"2\"><!-- note --><b/>text</a>");
        QVERIFY(read.ok);
        QCOMPARE(elementLines(read), QStringList({QStringLiteral("a x=[1] y=[2]"), QStringLiteral("b")}));
    }

    void namesAsWritten()
    {
        // No namespace processing: an undeclared prefix is part of the name, and case is kept.
        QCOMPARE(elementLines(XmlElementReader::read("<x:Force Y:Modifier='6'/>")),
                 QStringList{QStringLiteral("x:Force Y:Modifier=[6]")});
    }

    void attributeListOutsideItsRange()
    {
        const XmlAttributeList attributes({{QStringLiteral("a"), QStringLiteral("1")}});
        QCOMPARE(attributes.length(), 1);
        QCOMPARE(attributes.getValue(1), QString());
        QCOMPARE(attributes.getQName(-1), QString());
    }

    void attributeValues_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("value");

        QTest::newRow("predefined entities") << QByteArray("<a v='&amp;&lt;&gt;&quot;&apos;'/>")
                                             << QStringLiteral("&<>\"'");
        QTest::newRow("character references keep line breaks")
            << QByteArray("<a v='1&#13;&#10;2&#9;3'/>") << QStringLiteral("1\r\n2\t3");
        QTest::newRow("literal line break becomes a blank") << QByteArray("<a v='1\r\n2'/>") << QStringLiteral("1 2");
        QTest::newRow("undeclared UTF-8") << QByteArray("<a v='Jos\xC3\xA9'/>") << QStringLiteral("José");
        QTest::newRow("undeclared 8-bit is Windows-1252")
            << QByteArray("<a v='Jos\xE9 \x80'/>") << QStringLiteral("José €");
        QTest::newRow("declared ISO-8859-1") << QByteArray("<?xml version='1.0' encoding='ISO-8859-1'?><a v='\xE9'/>")
                                             << QStringLiteral("é");
        QTest::newRow("declared windows-1252") << QByteArray("<?xml version='1.0' encoding='windows-1252'?><a v='\x80'/>")
                                               << QStringLiteral("€");
        QTest::newRow("bytes Windows-1252 leaves undefined, declared")
            << QByteArray("<?xml version='1.0' encoding='Windows-1252'?><a v='Br\x81ler'/>") << QStringLiteral("Br\u0081ler");
        QTest::newRow("UTF-16 with byte-order mark") << QByteArray("\xFF\xFE<\0a\0 \0v\0=\0'\0\xE9\0'\0/\0>\0", 22)
                                                     << QStringLiteral("é");
        QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF<a v='\xC3\xA9'/>") << QStringLiteral("é");
        // The encoding check reads the bytes in pieces of 4 KB.
        QTest::newRow("UTF-8 character across 4 KB") << "<a v='" + QByteArray(4089, 'x') + "\xE2\x82\xAC'/>"
                                                     << QString(4089, u'x') + u'€';
        QTest::newRow("8-bit byte past 4 KB") << "<a v='" + QByteArray(5000, 'x') + "\xE9'/>"
                                              << QString(5000, u'x') + u'é';
    }

    void attributeValues()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, value);
        QCOMPARE(firstAttributeValue(document), value);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<qint64>("line");

        QTest::newRow("empty") << QByteArray() << qint64(1);
        QTest::newRow("not XML") << QByteArray("GX2 spell\r\nforce 6\r\n") << qint64(1);
        QTest::newRow("tags crossed") << QByteArray("<a>\n<b>\n</a>\n") << qint64(3);
        QTest::newRow("breaks off") << QByteArray("<a>\n  <b v='1'/>\n") << qint64(3);
        QTest::newRow("two roots") << QByteArray("<a/>\n<b/>") << qint64(2);
        QTest::newRow("declared UTF-8 but not UTF-8") << QByteArray("<?xml version='1.0' encoding='UTF-8'?><a v='\xE9'/>")
                                                      << qint64(1);
        QTest::newRow("unknown encoding") << QByteArray("<?xml version='1.0' encoding='no-such-code'?><a/>") << qint64(1);
        QTest::newRow("entity declarations")
            << QByteArray("<?xml version='1.0'?>\n<!DOCTYPE a [\n<!ENTITY x 'xxxxxxxxxx'>\n"
                          "<!ENTITY y '&x;&x;&x;&x;&x;&x;&x;&x;&x;&x;'>\n]>\n<a v='&y;'/>")
            << qint64(5);
        QTest::newRow("external DTD and its entity")
            << QByteArray("<!DOCTYPE a SYSTEM 'http://127.0.0.1:9/spell.dtd'>\n<a>&ext;</a>") << qint64(2);
        QTest::newRow("undefined entity") << QByteArray("<a v='&nope;'/>") << qint64(1);
        QTest::newRow("control character reference") << QByteArray("<a v='&#1;'/>") << qint64(1);
        QTest::newRow("undefined entity in a value, beside an external DTD")
            << QByteArray("<!DOCTYPE a SYSTEM 'spell.dtd'>\n<a v='x'><b name=\"&foo;\"/></a>") << qint64(2);
    }

    void refusals()
    {
        QFETCH(QByteArray, document);
        QFETCH(qint64, line);
        const XmlElements result = XmlElementReader::read(document);
        QVERIFY(!result.ok);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(result.line, line);
        QVERIFY(result.elements.isEmpty());
    }

    // Markup that would cost the XML reader time out of all proportion to the file (it compares
    // every attribute of an element, and every declared one, with all the others) is refused
    // before it is read; markup that only looks like it is not counted.
    void markupLimits_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<qint64>("line");   // where the refused markup begins
        QTest::addColumn<qint64>("column");

        const auto attributes = [](int count, const QByteArray &value = "v") {
            QByteArray text;
            for (int i = 0; i < count; ++i)
                text += " a" + QByteArray::number(i) + "='" + value + "'";
            return text;
        };
        const auto declaredAttributes = [](int count) {
            QByteArray text;
            for (int i = 0; i < count; ++i)
                text += " a" + QByteArray::number(i) + " CDATA #IMPLIED";
            return text;
        };
        const int most = XmlMarkupLimits::mostAttributesPerElement;

        QTest::newRow("attributes up to the limit") << "<a" + attributes(most) + "/>" << false << 0LL << 0LL;
        QTest::newRow("one attribute more") << "<a>\n  <b" + attributes(most + 1) + "/></a>" << true << 2LL << 3LL;
        QTest::newRow("'>' and the other quote inside values")
            << "<a" + attributes(most, "x>\"y") + "/>" << false << 0LL << 0LL;
        QTest::newRow("many quoted values in a comment, CDATA, a processing instruction and text")
            << "<?pi" + attributes(2 * most) + "?><a><!--" + attributes(2 * most) + "--><![CDATA[<b"
                   + attributes(2 * most) + ">]]>" + attributes(2 * most) + "</a>"
            << false << 0LL << 0LL;
        QTest::newRow("UTF-16 with one attribute more")
            << QByteArray("\xFF\xFE") + utf16le(QString::fromLatin1("<a" + attributes(most + 1) + "/>"))
            << true << 1LL << 1LL;
        QTest::newRow("short document type declaration")
            << "<!DOCTYPE a [<!ATTLIST a" + declaredAttributes(4) + ">]>\n<a/>" << false << 0LL << 0LL;
        QTest::newRow("document type declaration too long")
            << "<?xml version='1.0'?>\n<!DOCTYPE a [<!ATTLIST a" + declaredAttributes(5000) + ">]><a/>"
            << true << 2LL << 1LL;
        QTest::newRow("a seeming end inside the declaration does not end it")
            << "<!DOCTYPE a [<!-- ]> --><?pi ]>?><!ATTLIST a b CDATA ']>'" + declaredAttributes(5000)
                   + ">]><a/>"
            << true << 1LL << 1LL;
    }

    void markupLimits()
    {
        QFETCH(QByteArray, document);
        QFETCH(bool, refused);
        QFETCH(qint64, line);
        QFETCH(qint64, column);

        const XmlElements result = XmlElementReader::read(document);
        QCOMPARE(result.ok, !refused);
        if (refused) {
            QVERIFY2(result.reason.contains(QStringLiteral("attributes"))
                         || result.reason.contains(QStringLiteral("document type declaration")),
                     qPrintable(result.reason));
            QCOMPARE(result.line, line);
            QCOMPARE(result.column, column);
        }
    }

    void refusalSaysWhereAndWhatInVisibleCharacters()
    {
        const XmlElements result = XmlElementReader::read("<a><b/><c></a><d/>");
        QVERIFY(!result.ok);
        QCOMPARE(result.column, qint64(14));
        // A raw control character is named by its number, not dropped from the message.
        const XmlElements control = XmlElementReader::read("<a v='x'>\x01</a>");
        QVERIFY2(control.reason.contains(QStringLiteral("'U+0001'")), qPrintable(control.reason));
    }
};

QTEST_APPLESS_MAIN(TestXmlElementReader)
#include "tst_xmlelementreader.moc"
